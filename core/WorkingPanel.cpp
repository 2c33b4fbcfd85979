#include "core/WorkingPanel.h"

#include "core/Localization.h"
#include "core/NumberFormatter.h"
#include "core/ShapeCalculator.h"
#include "core/UserDefaults.h"
#include "core/WorkingText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

WorkingPanel::WorkingPanel(ShapeCalculator* calculator, QWidget* parent)
    : QWidget(parent), m_calculator(calculator), m_toggle(new QToolButton),
      m_view(new QTextBrowser), m_copy(new QPushButton(localized("Copy")))
{
    setObjectName(QStringLiteral("workingPanel"));
    m_toggle->setText(localized("Working"));
    m_toggle->setCheckable(true);
    m_toggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toggle->setAutoRaise(true);
    m_toggle->setToolTip(localized("Shows how the results were found"));
    m_view->setObjectName(QStringLiteral("workingView"));
    m_view->setOpenLinks(false);
    m_view->setMinimumHeight(90);
    m_view->setContextMenuPolicy(Qt::DefaultContextMenu); // Copy and Select All
    m_copy->setToolTip(localized("Copies the working as plain text"));

    auto* header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->addWidget(m_toggle);
    header->addStretch(1);
    header->addWidget(m_copy);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(header);
    layout->addWidget(m_view, 1);

    connect(m_toggle, &QToolButton::toggled, this, [this](bool shown) {
        setShown(shown);
        UserDefaults().setBool(DefaultsKeys::workingShown, shown);
    });
    connect(m_copy, &QPushButton::clicked, this, &WorkingPanel::copyToClipboard);
    connect(calculator, &ShapeCalculator::workingChanged, this, &WorkingPanel::refresh);
    const bool shown = UserDefaults().boolForKey(DefaultsKeys::workingShown);
    m_toggle->setChecked(shown);
    setShown(shown);
    refresh();
}

QString WorkingPanel::plainText() const
{
    const auto& outcome = m_calculator->lastOutcome();
    if (!outcome)
        return {};
    return WorkingText::plainLines(m_calculator->table(), *outcome, NumberFormatter::shared())
        .join(QLatin1Char('\n'));
}

void WorkingPanel::copyToClipboard()
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(plainText());
}

void WorkingPanel::refresh()
{
    const auto& outcome = m_calculator->lastOutcome();
    // Rich text built by WorkingText alone, every piece in it escaped.
    m_view->setHtml(
        outcome ? WorkingText::richText(m_calculator->table(), *outcome, NumberFormatter::shared())
                : QString());
    if (m_view->document()->isEmpty())
        m_view->setPlaceholderText(localized("Calculate to see how each result is found."));
    m_copy->setEnabled(!m_view->document()->isEmpty());
}

void WorkingPanel::setShown(bool shown)
{
    m_toggle->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
    m_view->setVisible(shown);
}
