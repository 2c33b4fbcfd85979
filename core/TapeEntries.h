#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QTextDocument;
struct FieldSpec;
struct ShapeFieldTable;

// A tape read back into its entries: the date line, then one "Label: value" line per
// quantity, each knowing whether the user gave it (the blue runs). Export, copying and
// reusing an entry all read the tape through this, never through its text alone.
struct TapeLine {
    QString label; // without the ": " that ends it on the tape
    QString text;  // the value as the tape shows it
    bool given = false;

    bool operator==(const TapeLine&) const = default;
};

struct TapeRecord {
    QString date;
    std::vector<TapeLine> lines;
    int firstBlock = 0; // where the entry sits in the document
    int lastBlock = 0;
    QStringList working = {}; // how it was found, when an export asks for it
};

class TapeEntries {
public:
    static std::vector<TapeRecord> read(const QTextDocument& document);

    // The labels of all entries, in the order they first appear.
    static QStringList labels(const std::vector<TapeRecord>& entries);

    // A quantity's label as its entries carry it ("Radius"), in the language in use.
    static QString labelOf(const FieldSpec& field);
    // The field that the occurrence-th line labelled `label` in an entry stands for; -1 for
    // none. The regular polygon logs its two field sets under the same labels, in field order.
    static int fieldOf(const ShapeFieldTable& shape, const QString& label, int occurrence);
};
