#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;
class QToolButton;
class ShapeCalculator;

// The section under a calculator's fields that shows how its last result was found:
// a "Working" toggle (its state kept in the settings, shared by all shapes), the steps
// as rich text and a Copy button that puts them on the clipboard as plain text.
class WorkingPanel : public QWidget {
    Q_OBJECT
public:
    explicit WorkingPanel(ShapeCalculator* calculator, QWidget* parent = nullptr);

    QString plainText() const;
    QToolButton* toggle() const { return m_toggle; }
    QTextBrowser* view() const { return m_view; }
    QPushButton* copyButton() const { return m_copy; }

public slots:
    void copyToClipboard();

private:
    void refresh();
    void setShown(bool shown);

    ShapeCalculator* m_calculator;
    QToolButton* m_toggle;
    QTextBrowser* m_view;
    QPushButton* m_copy;
};
