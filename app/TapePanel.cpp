#include "app/TapePanel.h"

#include "core/Localization.h"

#include "core/TapeView.h"
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TapePanel::TapePanel(QWidget* parent)
    : QWidget(parent), m_tapeTextView(new TapeView(this)),
      m_clearTapeButton(new QPushButton(localized("Clear Tape"), this))
{
    setObjectName(QStringLiteral("tapeContentView"));
    m_tapeTextView->setObjectName(QStringLiteral("tapeTextView"));
    m_clearTapeButton->setObjectName(QStringLiteral("clearTapeButton"));
    m_clearTapeButton->setFocusPolicy(Qt::TabFocus);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_clearTapeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_tapeTextView, 1);
    layout->addLayout(buttons);
}
