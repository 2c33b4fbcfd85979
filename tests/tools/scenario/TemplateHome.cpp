#include "TemplateHome.h"

#include "support/TestHome.h"

#include "app/AppInterface.h"
#include "support/RecordingAlertPresenter.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <filesystem>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Where the homes go: into memory when the system has a file system there. The program
// synchronises every file it writes with the disk, which on a disk busy with other work
// takes longer than all the rest of a scenario.
QString homesPattern()
{
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    const QString folder =
        memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
    return folder + QStringLiteral("/polymetra-scenario-XXXXXX");
}

} // namespace

TemplateHome::TemplateHome() : m_folder(homesPattern())
{
    {
        const TestHome home(m_folder.path());
        RecordingAlertPresenter alerts;
        AlertPresenter::setInstance(&alerts);
        {
            AppInterface firstRun;
            firstRun.applicationDidFinishLaunching();
            QApplication::processEvents();
        }
        AlertPresenter::setInstance(nullptr);
    }
    const QDir root(m_folder.path());
    QDirIterator entries(m_folder.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        const QByteArray relative = QFile::encodeName(root.relativeFilePath(entry.filePath()));
        (entry.isDir() ? m_folders : m_files).push_back(relative);
    }
    // A folder's path is longer than its parent's, so this order creates parents first.
    std::sort(m_folders.begin(), m_folders.end(),
              [](const QByteArray& a, const QByteArray& b) { return a.size() < b.size(); });
}

QString TemplateHome::copy() const
{
    QTemporaryDir made(homesPattern());
    if (!made.isValid())
        return {};
    made.setAutoRemove(false);
    const QByteArray from = QFile::encodeName(m_folder.path()) + '/';
    const QByteArray to = QFile::encodeName(made.path()) + '/';
    bool copied = true;
    for (const QByteArray& folder : m_folders)
        copied = copied && ::mkdir((to + folder).constData(), 0700) == 0;
    // Files are linked, not copied: the program never writes a file in place (tapes and
    // metadata are written whole and replace the old file, and so are the settings), so
    // a scenario's writes never reach the template or another scenario's home.
    for (const QByteArray& file : m_files)
        copied = copied && ::link((from + file).constData(), (to + file).constData()) == 0;
    if (!copied) {
        remove(made.path());
        return {};
    }
    return made.path();
}

void TemplateHome::remove(const QString& folder)
{
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(folder).toStdString(), ignored);
}
