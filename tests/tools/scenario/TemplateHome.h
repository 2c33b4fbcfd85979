#pragma once

#include <QString>
#include <QTemporaryDir>

#include <vector>

// A home where the program has run once, made once per batch. A first run seeds the
// tapes and the metadata and writes the settings, some fifty synchronised writes; each
// scenario starts instead on a copy of this home, a home of its own as before.
class TemplateHome {
public:
    TemplateHome();

    // A new temporary folder holding a copy of the home; empty on failure.
    QString copy() const;
    // Removes a folder that copy() made.
    static void remove(const QString& folder);

private:
    QTemporaryDir m_folder;
    // Relative to the home, parents before their children.
    std::vector<QByteArray> m_folders;
    std::vector<QByteArray> m_files;
};
