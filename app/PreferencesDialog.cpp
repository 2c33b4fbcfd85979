#include "app/PreferencesDialog.h"

#include "core/Localization.h"
#include "core/TextField.h"
#include "core/TypingFilter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

PreferencesDialog::PreferencesDialog(QWidget* parent)
    : QDialog(parent), m_decimalPlaces(new TextField(this)), m_stepper(new QSpinBox(this)),
      m_autoClearTapes(new QCheckBox(localized("Clear all tapes when Polymetra quits"), this)),
      m_autoUpdate(new QCheckBox(localized("Check for updates at launch"), this)),
      m_fade3DGrid(new QCheckBox(localized("Fade the 3D grid"), this)),
      m_bottom(new QRadioButton(localized("Bottom"), this)),
      m_left(new QRadioButton(localized("Left"), this)), m_language(new QComboBox(this))
{
    setObjectName(QStringLiteral("preferencesSheet"));
    setWindowTitle(localized("Preferences"));
    setWindowModality(Qt::WindowModal);

    m_decimalPlaces->setObjectName(QStringLiteral("decimalPlacesTextField"));
    m_decimalPlaces->setTag(TypingFilter::decimalPlacesTag);
    m_decimalPlaces->setMaxLength(1);
    m_decimalPlaces->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), this));
    m_decimalPlaces->setMaximumWidth(40);
    m_stepper->setObjectName(QStringLiteral("decimalPlacesStepper"));
    m_stepper->setRange(0, 9);
    m_autoClearTapes->setObjectName(QStringLiteral("autoClearTapesCheckbox"));
    m_autoUpdate->setObjectName(QStringLiteral("autoUpdateCheckbox"));
    m_fade3DGrid->setObjectName(QStringLiteral("fade3DGridPreferenceCheckbox"));

    // The field and the stepper always show the same number.
    connect(m_decimalPlaces, &TextField::textEdited, this, [this] {
        // An emptied field stays empty while the stepper shows 0.
        const QSignalBlocker blocker(m_stepper);
        m_stepper->setValue(m_decimalPlaces->text().toInt());
    });
    connect(m_stepper, &QSpinBox::valueChanged, this, [this](int value) {
        if (m_decimalPlaces->text() != QString::number(value))
            m_decimalPlaces->setText(QString::number(value));
    });

    auto* edges = new QButtonGroup(this);
    edges->setObjectName(QStringLiteral("tapeDrawerEdgeMatrix"));
    edges->addButton(m_bottom);
    edges->addButton(m_left);
    connect(edges, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* button) {
        emit edgeChosen(button == m_bottom ? TapeEdge::Bottom : TapeEdge::Left);
    });
    connect(m_fade3DGrid, &QCheckBox::clicked, this, &PreferencesDialog::fadeToggled);

    // Each language by its own name, which a user who cannot read the current one still
    // recognises.
    m_language->setObjectName(QStringLiteral("languagePopUp"));
    for (const Language language : LanguageChoice::all) {
        m_language->addItem(language == Language::System ? localized("System")
                                                         : LanguageChoice::nativeName(language),
                            LanguageChoice::storedName(language));
    }
    auto* languageNote =
        new QLabel(localized("Takes effect the next time Polymetra starts."), this);
    languageNote->setTextFormat(Qt::PlainText);
    languageNote->setWordWrap(true);
    auto* languageColumn = new QVBoxLayout;
    languageColumn->addWidget(m_language);
    languageColumn->addWidget(languageNote);

    auto* places = new QHBoxLayout;
    places->addWidget(m_decimalPlaces);
    places->addWidget(m_stepper);
    places->addStretch(1);
    auto* edgeRow = new QHBoxLayout;
    edgeRow->addWidget(m_bottom);
    edgeRow->addWidget(m_left);
    edgeRow->addStretch(1);

    auto* form = new QFormLayout;
    form->addRow(localized("Decimal places:"), places);
    form->addRow(localized("Tape panel edge:"), edgeRow);
    form->addRow(localized("Language:"), languageColumn);
    form->addRow(QString(), m_autoClearTapes);
    form->addRow(QString(), m_autoUpdate);
    form->addRow(QString(), m_fade3DGrid);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(localized("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(localized("Cancel"), QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

PreferencesValues PreferencesDialog::values() const
{
    // An emptied field means no decimal places.
    return {m_decimalPlaces->text().toInt(),
            m_autoClearTapes->isChecked(),
            m_autoUpdate->isChecked(),
            m_fade3DGrid->isChecked(),
            m_bottom->isChecked() ? TapeEdge::Bottom : TapeEdge::Left,
            LanguageChoice::fromStored(m_language->currentData().toString())};
}

void PreferencesDialog::setValues(const PreferencesValues& values)
{
    m_decimalPlaces->setText(QString::number(values.decimalPlaces));
    m_stepper->setValue(values.decimalPlaces);
    m_autoClearTapes->setChecked(values.autoDeleteTapes);
    m_autoUpdate->setChecked(values.autoCheck);
    m_fade3DGrid->setChecked(values.fade);
    edgeButton(values.edge)->setChecked(true);
    m_language->setCurrentIndex(
        std::max(0, m_language->findData(LanguageChoice::storedName(values.language))));
}

QRadioButton* PreferencesDialog::edgeButton(TapeEdge edge) const
{
    return edge == TapeEdge::Bottom ? m_bottom : m_left;
}
