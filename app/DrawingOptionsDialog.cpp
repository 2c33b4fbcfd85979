#include "app/DrawingOptionsDialog.h"

#include "core/Localization.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

DrawingOptionsDialog::DrawingOptionsDialog(bool forPrinting, bool forSolid,
                                           const DrawingOptions& initial, QWidget* parent)
    : QDialog(parent), m_unit(new QComboBox), m_scale(new QComboBox)
{
    setObjectName(QStringLiteral("drawingOptionsDialog"));
    setWindowTitle(forPrinting ? localized("Print Drawing") : localized("Export Drawing"));
    auto* form = new QFormLayout(this);
    if (forSolid) {
        m_kind = new QComboBox;
        m_kind->addItem(localized("Net, to cut out and fold"), int(DrawingOptions::Solid::Net));
        m_kind->addItem(localized("Wireframe of the view"), int(DrawingOptions::Solid::Wireframe));
        m_kind->addItem(localized("Picture of the view (PNG)"),
                        int(DrawingOptions::Solid::Picture));
        m_kind->setCurrentIndex(m_kind->findData(int(initial.solid)));
        form->addRow(localized("Drawing:"), m_kind);
        m_factor = new QSpinBox;
        m_factor->setRange(1, 4);
        m_factor->setSuffix(localized("× the window"));
        m_factor->setValue(initial.pictureFactor);
        form->addRow(localized("Picture resolution:"), m_factor);
    }
    for (DrawingUnit unit : DrawingUnits::all)
        m_unit->addItem(DrawingUnits::symbol(unit), int(unit));
    m_unit->setCurrentIndex(m_unit->findData(int(initial.unit)));
    form->addRow(localized("One unit of length is:"), m_unit);
    m_scale->addItem(localized("True size (1:1)"), false);
    m_scale->addItem(localized("Fit the paper (1:10, 1:100, 10:1, …)"), true);
    m_scale->setCurrentIndex(initial.fitPaper ? 1 : 0);
    form->addRow(localized("Scale:"), m_scale);
    if (forPrinting) {
        m_paper = new QComboBox;
        m_paper->addItem(localized("A4"), int(QPageSize::A4));
        m_paper->addItem(localized("Letter"), int(QPageSize::Letter));
        m_paper->setCurrentIndex(initial.paper == QPageSize::Letter ? 1 : 0);
        form->addRow(localized("Paper:"), m_paper);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

DrawingOptions DrawingOptionsDialog::options() const
{
    DrawingOptions chosen;
    chosen.unit = DrawingUnit(m_unit->currentData().toInt());
    chosen.fitPaper = m_scale->currentData().toBool();
    if (m_kind)
        chosen.solid = DrawingOptions::Solid(m_kind->currentData().toInt());
    if (m_factor)
        chosen.pictureFactor = m_factor->value();
    if (m_paper)
        chosen.paper = QPageSize::PageSizeId(m_paper->currentData().toInt());
    return chosen;
}
