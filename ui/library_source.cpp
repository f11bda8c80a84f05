#include "library_source.h"

#include "manual_loader.h"
#include "parts_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velkor::ui {

namespace {

// A folder holding any of these is the library's; the others may be missing.
constexpr const char* kLibraryFiles[] = {
    "core_shapes.ndjson", "ferrite_materials.csv", "ferrite_steinmetz.csv",
    "bobbins.ndjson",     "wires.ndjson",          "cores_stock.ndjson",
};

bool HoldsLibrary(const QString& folder) {
    const QDir dir(folder);
    for (const char* file : kLibraryFiles)
        if (QFileInfo(dir.filePath(QString::fromLatin1(file))).isFile())
            return true;
    return false;
}

} // namespace

QStringList LibraryCandidates(const QStringList& data_dirs) {
    const QString folder = QString::fromLatin1(kLibraryFolder);
    QStringList candidates{folder}; // the current directory
    if (QCoreApplication::instance() != nullptr)
        candidates << QDir(QCoreApplication::applicationDirPath()).filePath(folder);
    for (const QString& dir : data_dirs)
        if (!dir.isEmpty())
            candidates << QDir(dir).filePath(folder);
    return candidates;
}

QString FindLibraryFolder(const QStringList& data_dirs) {
    for (const QString& candidate : LibraryCandidates(data_dirs))
        if (HoldsLibrary(candidate))
            return QFileInfo(candidate).absoluteFilePath();
    return {};
}

LibrarySource::LibrarySource() = default;

LibrarySource::LibrarySource(QStringList data_dirs) : dataDirs_(std::move(data_dirs)) {}

LibrarySource::~LibrarySource() = default;

const library::PartsLibrary* LibrarySource::Get() {
    if (!parts_) {
        folder_ = FindLibraryFolder(dataDirs_ ? *dataDirs_ : DataDirs());
        parts_ = std::make_unique<const library::PartsLibrary>(
            folder_.isEmpty()
                ? library::PartsLibrary()
                : library::PartsLibrary::Load(QFile::encodeName(folder_).toStdString()));
    }
    return parts_.get();
}

} // namespace velkor::ui
