#pragma once

#include <QWidget>

#include <memory>

class QPlainTextEdit;
class QPushButton;
class QTextDocument;
class TapeCommands;

// A tape file from elsewhere, shown read-only in a window of its own with its path in
// the title, to export or copy; it never becomes one of the user's tapes.
class ForeignTapeWindow : public QWidget {
    Q_OBJECT
public:
    // Reads the file; nothing, with `why` saying so, when it is not a readable tape.
    static ForeignTapeWindow* open(const QString& path, TapeCommands* commands, QWidget* parent,
                                   QString* why);
    ~ForeignTapeWindow() override;

    QString path() const { return m_path; }
    QPlainTextEdit* view() const { return m_view; }
    QPushButton* exportButton() const { return m_export; }
    QPushButton* copyButton() const { return m_copy; }
    const QTextDocument& tape() const;

private:
    ForeignTapeWindow(const QString& path, std::unique_ptr<QTextDocument> tape,
                      TapeCommands* commands, QWidget* parent);
    void copyAll();

    QString m_path;
    QPlainTextEdit* m_view;
    QPushButton* m_export;
    QPushButton* m_copy;
};
