#pragma once

#include <QObject>

#include <memory>

class MainWindow;
class QPoint;
class QTextDocument;
class TapeView;
struct TapeRecord;

// What the user can do with one entry of the tape on show: use its values again (a
// double-click, or the context menu), copy it, or remove it, with one Undo Remove Entry
// for as long as the tape has not changed since.
class TapeEntryMenu : public QObject {
    Q_OBJECT
public:
    explicit TapeEntryMenu(MainWindow& window);
    ~TapeEntryMenu() override;

    int entryCount() const;
    // The entry under a point of the tape's viewport; -1 where there is none.
    int entryAt(const QPoint& viewportPosition) const;

    // Entries are counted from the oldest, 0 first. Each reports its failure itself.
    bool useEntry(int index);
    bool copyEntry(int index);
    bool removeEntry(int index);
    bool canUndoRemove() const { return bool(m_beforeRemoval); }
    bool undoRemove();

signals:
    void undoAvailabilityChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMenu(const QPoint& viewportPosition);
    bool entry(int index, TapeRecord* found) const;
    void report(const QString& message) const;

    MainWindow& m_window;
    TapeView* m_tape;
    std::unique_ptr<QTextDocument> m_beforeRemoval;
    QString m_removedFrom;
    const QTextDocument* m_afterRemoval = nullptr;
    int m_revisionAfterRemoval = 0;
};
