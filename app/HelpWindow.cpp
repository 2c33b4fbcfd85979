#include "app/HelpWindow.h"

#include "core/Localization.h"
#include "core/Translations.h"

#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(localized("Polymetra Help"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    // The manual links only within itself; nothing is fetched from elsewhere.
    m_browser->setOpenExternalLinks(false);
    m_browser->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 720);
}

void HelpWindow::showSection(const QString& anchor)
{
    // The manual in the language in use, else the English one: a language may be spoken
    // before its manual is written.
    QUrl url(QStringLiteral("qrc") +
             Translations::localizedResource(QStringLiteral("manual/index.html")));
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    m_browser->setSource(url);
    if (!anchor.isEmpty())
        m_browser->scrollToAnchor(anchor);
    show();
    raise();
    activateWindow();
}

QString HelpWindow::anchorOf(const QString& shapeName)
{
    return shapeName.toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
}
