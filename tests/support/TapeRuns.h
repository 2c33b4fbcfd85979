#pragma once

#include <QJsonArray>

class QTextDocument;

// The tape as a list of {text, colour} runs, colour "grey", "blue", "default" or the
// colour's name; adjacent runs of one colour are merged and paragraph breaks are "\n".
class TapeRuns {
public:
    static QJsonArray of(const QTextDocument& document);
};
