#pragma once

#include <QWidget>

class QTextBrowser;

// The user manual shipped with the program, in the language in use, shown in a window of
// its own (it needs no browser and works offline), opened at a section such as the shape
// on show.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // "circle", "regular-polygon", "keys"; empty for the top.
    void showSection(const QString& anchor);
    QTextBrowser* browser() const { return m_browser; }

    // The manual's anchor of a shape's section: its English name, lower case, hyphenated.
    static QString anchorOf(const QString& shapeName);

private:
    QTextBrowser* m_browser;
};
