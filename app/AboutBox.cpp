#include "app/AboutBox.h"

#include "core/Localization.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent), m_licenceLink(new QLabel)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(localized("About Polymetra"));
    auto* icon = new QLabel;
    icon->setPixmap(QIcon(QStringLiteral(":/pictures/polymetraIcon.svg")).pixmap(96, 96));
    auto* name =
        new QLabel(QStringLiteral("<b>Polymetra %1</b>").arg(QStringLiteral(POLYMETRA_VERSION)));
    auto* about = new QLabel(localized("A geometry calculator for plane figures and solids."));
    about->setTextFormat(Qt::PlainText);
    about->setWordWrap(true);
    m_licenceLink->setObjectName(QStringLiteral("licenceLink"));
    m_licenceLink->setText(QStringLiteral("<a href=\"#licence\">%1</a>")
                               .arg(localized("MIT Licence").toHtmlEscaped()));
    m_licenceLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                           Qt::LinksAccessibleByKeyboard);
    connect(m_licenceLink, &QLabel::linkActivated, this, &AboutBox::showLicence);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(about, 1, 1);
    layout->addWidget(m_licenceLink, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);
}

void AboutBox::showLicence()
{
    QDialog licence(this);
    licence.setWindowTitle(localized("Licence"));
    auto* text = new QPlainTextEdit;
    text->setObjectName(QStringLiteral("licenceText"));
    text->setReadOnly(true);
    QFile file(QStringLiteral(":/LICENSE"));
    text->setPlainText(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                                      : localized("The licence text is missing."));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, &licence, &QDialog::reject);
    auto* layout = new QVBoxLayout(&licence);
    layout->addWidget(text);
    layout->addWidget(buttons);
    licence.resize(560, 420);
    licence.exec();
}
