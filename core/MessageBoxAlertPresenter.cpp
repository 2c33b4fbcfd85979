#include "core/MessageBoxAlertPresenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

void MessageBoxAlertPresenter::beep()
{
    QApplication::beep();
}

void MessageBoxAlertPresenter::showSheet(QWidget* parent, const Alert& alert, Completion done)
{
    QWidget* window = parent ? parent->window() : nullptr;
    auto* box = new QMessageBox(QMessageBox::Warning, alert.title, QString(), QMessageBox::NoButton,
                                window);
    box->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A "\r" separates the sentences of a message; show it as a line break.
    QString message = alert.message;
    message.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // Messages carry text from outside (a server's version string): rich text would let
    // it show pictures from local paths and links to any scheme.
    box->setTextFormat(Qt::PlainText);
    box->setText(message);

    QPushButton* defaultButton = box->addButton(alert.defaultButton, QMessageBox::AcceptRole);
    QPushButton* alternateButton =
        alert.alternateButton.isEmpty()
            ? nullptr
            : box->addButton(alert.alternateButton, QMessageBox::DestructiveRole);
    QPushButton* otherButton = alert.otherButton.isEmpty()
                                   ? nullptr
                                   : box->addButton(alert.otherButton, QMessageBox::RejectRole);
    box->setDefaultButton(defaultButton);
    box->setEscapeButton(defaultButton);

    QObject::connect(box, &QMessageBox::finished, box,
                     [box, done, alternateButton, otherButton](int) {
                         if (!done)
                             return;
                         QAbstractButton* clicked = box->clickedButton();
                         if (clicked && clicked == alternateButton)
                             done(AlternateButton);
                         else if (clicked && clicked == otherButton)
                             done(OtherButton);
                         else
                             done(DefaultButton);
                     });
    box->open();
}
