#pragma once

#include <QTemporaryDir>

// A home of its own for a benchmark of the whole window, set before the application
// object is made: its settings and tapes never touch the user's.
class FreshHome {
public:
    FreshHome();

private:
    QTemporaryDir m_folder;
};
