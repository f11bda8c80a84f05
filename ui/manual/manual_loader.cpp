#include "manual_loader.h"

#include "rtf_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#ifndef VELKOR_DATA_DIR
#define VELKOR_DATA_DIR "/usr/local/share/velkor"
#endif

namespace velkor {

namespace {

// A manual is a few hundred kilobytes; a larger file is read only this far.
constexpr qint64 kMaxManualBytes = 64 * 1024 * 1024; // bytes

} // namespace

QStringList ManualCandidates(const QStringList& data_dirs) {
    QStringList candidates{QString::fromLatin1(kManualFile)}; // the current directory
    if (QCoreApplication::instance() != nullptr)
        candidates << QDir(QCoreApplication::applicationDirPath()).filePath(kManualFile);
    for (const QString& dir : data_dirs)
        if (!dir.isEmpty())
            candidates << QDir(dir).filePath(kManualFile);
    return candidates;
}

bool LoadManual(QTextEdit* view, const QStringList& data_dirs) {
    if (view == nullptr)
        return false;
    for (const QString& path : ManualCandidates(data_dirs)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray data = file.read(kMaxManualBytes);
        if (file.error() != QFileDevice::NoError)
            continue; // unreadable (a folder of that name, a read fault): try the next place
        ReadRtf(data, *view->document());
        view->document()->setMetaInformation(QTextDocument::DocumentUrl,
                                             QFileInfo(path).absoluteFilePath());
        view->moveCursor(QTextCursor::Start);
        return true;
    }
    return false;
}

QString InstalledDataDir() {
    return QString::fromUtf8(VELKOR_DATA_DIR);
}

QStringList DataDirs() {
    QStringList dirs;
    const QString named = qEnvironmentVariable(kDataDirVariable);
    if (!named.isEmpty())
        dirs << named;
    dirs << InstalledDataDir();
    return dirs;
}

bool LoadManual(QTextEdit* view) {
    return LoadManual(view, DataDirs());
}

} // namespace velkor
