#include "app/ForeignTapeWindow.h"

#include "app/TapeCommands.h"
#include "core/Localization.h"
#include "core/NumberFormatter.h"
#include "core/RtfReader.h"
#include "core/TapeFiles.h"
#include "core/TapeSaver.h"
#include "core/TapeView.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ForeignTapeWindow* ForeignTapeWindow::open(const QString& path, TapeCommands* commands,
                                           QWidget* parent, QString* why)
{
    // It may be one of the program's own tapes, still being saved.
    TapeSaver::instance().waitForPending();
    const std::optional<QByteArray> bytes =
        TapeFiles::readRegularFile(path, TapeFiles::maxTapeFileSize, why);
    if (!bytes)
        return nullptr;
    std::unique_ptr<QTextDocument> document = TapeView::newDocument();
    if (!RtfReader::readTape(*bytes, *document)) {
        if (why)
            *why = localized("it is not a tape (RTF) file");
        return nullptr;
    }
    return new ForeignTapeWindow(path, std::move(document), commands, parent);
}

ForeignTapeWindow::ForeignTapeWindow(const QString& path, std::unique_ptr<QTextDocument> tape,
                                     TapeCommands* commands, QWidget* parent)
    : QWidget(parent, Qt::Window), m_path(path), m_view(new QPlainTextEdit(this)),
      m_export(new QPushButton(localized("Export…"), this)),
      m_copy(new QPushButton(localized("Copy All"), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The path comes from outside: shown as plain text only, as a window title is.
    setWindowTitle(localized("%1 (read-only)").arg(path));
    QTextDocument* document = tape.release();
    document->setParent(m_view);
    m_view->setDocument(document);
    m_view->setReadOnly(true);
    m_view->setObjectName(QStringLiteral("foreignTapeView"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copy);
    buttons->addWidget(m_export);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addLayout(buttons);
    resize(480, 560);

    connect(m_copy, &QPushButton::clicked, this, &ForeignTapeWindow::copyAll);
    if (commands)
        connect(m_export, &QPushButton::clicked, this,
                [this, commands] { commands->exportTape(&this->tape()); });
    else
        m_export->setEnabled(false);
}

ForeignTapeWindow::~ForeignTapeWindow() = default;

const QTextDocument& ForeignTapeWindow::tape() const
{
    return *m_view->document();
}

void ForeignTapeWindow::copyAll()
{
    const std::vector<TapeRecord> entries = TapeEntries::read(tape());
    const QChar separator = NumberFormatter::shared().separator();
    auto* mime = new QMimeData;
    mime->setText(TapeExport::text(entries, separator));
    mime->setHtml(TapeExport::html(entries, separator));
    QApplication::clipboard()->setMimeData(mime);
}
