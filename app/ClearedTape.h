#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class TapeView;

// Clearing a tape, with one level of undo for the session: the entries cleared last are
// kept in memory, as the tape file's bytes (a long tape's older entries are never read
// in for it, and the bytes take a fifth of the memory of a document), and Undo Clear Tape puts them
// back as long as that tape has had no new entry since (undo must never drop an entry the user made
// after clearing).
class ClearedTape : public QObject {
    Q_OBJECT
public:
    explicit ClearedTape(QObject* parent = nullptr);
    ~ClearedTape() override;

    void clear(const QString& shape, TapeView* tapeTextView);
    bool canUndo() const { return !m_entries.isEmpty(); }
    QString shape() const { return m_shape; }
    // Restores the cleared entries, in the view and on disk; false (and the user told why)
    // when the tape has changed since.
    bool undo(TapeView* tapeTextView);

signals:
    void availabilityChanged(bool canUndo);

private:
    void forget();

    QString m_shape;
    QByteArray m_entries;
};
