// The window's parts library: its folder found the way the manual is found, its files read on
// first need (the first keystroke in a part picker, or a calculation's first use), never while
// the window starts.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace velkor::library {
class PartsLibrary;
}

namespace velkor::ui {

// The library's folder name, beside the manual: "library" in each place the manual is looked
// for.
inline constexpr char kLibraryFolder[] = "library";

// The places the library is looked for, in order: the current directory, the executable's
// directory, then each of data_dirs (each with kLibraryFolder appended).
QStringList LibraryCandidates(const QStringList& data_dirs);

// The first candidate that holds at least one of the library's files; empty when none does.
QString FindLibraryFolder(const QStringList& data_dirs);

class LibrarySource {
public:
    // Looks in the places LibraryCandidates(data_dirs) gives; by default with the DataDirs()
    // of the moment it is first asked.
    LibrarySource();
    explicit LibrarySource(QStringList data_dirs);
    ~LibrarySource();
    LibrarySource(const LibrarySource&) = delete;
    LibrarySource& operator=(const LibrarySource&) = delete;

    // The library, read on the first call. Never null: without a library folder it is empty
    // (its pickers offer nothing), and what could not be read is left out.
    const library::PartsLibrary* Get();
    bool Read() const { return parts_ != nullptr; }
    // The folder it was read from; empty before the first Get() or without a folder.
    const QString& Folder() const { return folder_; }

private:
    std::optional<QStringList> dataDirs_;
    QString folder_;
    std::unique_ptr<const library::PartsLibrary> parts_;
};

} // namespace velkor::ui
