#include "manual_loader.h"

#include "rtf_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextCursor>
#include <QTextEdit>

#ifndef VELKOR_DATA_DIR
#define VELKOR_DATA_DIR "/usr/local/share/velkor"
#endif

namespace velkor {

namespace {

// A manual is a few hundred kilobytes; a larger file is read only this far.
constexpr qint64 kMaxManualBytes = 64 * 1024 * 1024; // bytes

} // namespace

QStringList ManualCandidates(const QString& data_dir) {
    QStringList candidates{QString::fromLatin1(kManualFile)}; // the current directory
    if (QCoreApplication::instance() != nullptr)
        candidates << QDir(QCoreApplication::applicationDirPath()).filePath(kManualFile);
    if (!data_dir.isEmpty())
        candidates << QDir(data_dir).filePath(kManualFile);
    return candidates;
}

bool LoadManual(QTextEdit* view, const QString& data_dir) {
    if (view == nullptr)
        return false;
    for (const QString& path : ManualCandidates(data_dir)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray data = file.read(kMaxManualBytes);
        if (file.error() != QFileDevice::NoError)
            continue; // unreadable (a folder of that name, a read fault): try the next place
        ReadRtf(data, *view->document());
        view->moveCursor(QTextCursor::Start);
        return true;
    }
    return false;
}

QString InstalledDataDir() {
    return QString::fromUtf8(VELKOR_DATA_DIR);
}

bool LoadManual(QTextEdit* view) {
    return LoadManual(view, InstalledDataDir());
}

} // namespace velkor
