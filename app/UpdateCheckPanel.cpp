#include "app/UpdateCheckPanel.h"

#include "core/Localization.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

UpdateCheckPanel::UpdateCheckPanel(QWidget* parent)
    : QDialog(parent, Qt::Sheet), m_progress(new QProgressBar(this))
{
    setObjectName(QStringLiteral("checkPanel"));
    setWindowTitle(localized("Checking for Updates"));
    setWindowModality(Qt::WindowModal);
    m_progress->setObjectName(QStringLiteral("checkProgressBar"));
    m_progress->setRange(0, 0); // indeterminate
    m_progress->setTextVisible(false);
    m_progress->setMinimumWidth(260);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(localized("Checking for a new version of Polymetra…"), this));
    layout->addWidget(m_progress);
}
