#pragma once

#include <QDialog>

class QLabel;

// The About box: the program's icon, name and version, what it does, and its licence
// (shown in the box itself on request, as it ships with the program).
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    QLabel* licenceLink() const { return m_licenceLink; }
    void showLicence();

private:
    QLabel* m_licenceLink;
};
