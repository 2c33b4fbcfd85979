#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// Gives a test (or a scenario) its own HOME, XDG folders and settings, so nothing touches
// the user's files: a fresh temporary folder, or a given one that later runs can share.
class TestHome {
public:
    explicit TestHome(const QString& folder = QString());
    ~TestHome();

    QString path() const { return m_path; }

private:
    std::unique_ptr<QTemporaryDir> m_temporary;
    QString m_path;
};
