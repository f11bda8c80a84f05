// The program's check of its own installation. The program takes no options; when the
// environment variable VELKOR_CHECK_MANUAL is set (to anything but empty) it builds the whole
// window as usual, writes where the "Documentazione" page's text came from and exits instead
// of showing the window; with VELKOR_CHECK_LIBRARY set it writes where it found its parts
// library and what it read there. The package check runs the unpacked program this way.
#pragma once

#include <QTextStream>

namespace velkor {

inline constexpr char kCheckManualVariable[] = "VELKOR_CHECK_MANUAL";
inline constexpr char kCheckLibraryVariable[] = "VELKOR_CHECK_LIBRARY";

// True when VELKOR_CHECK_MANUAL asks for the check.
bool ManualCheckAsked();

// Builds the window with CreateForms() and writes one line: "VELKOR_DOC.RTF: " and the path of
// the manual its page shows, returning 0; or "VELKOR_DOC.RTF: " and the page's fallback line,
// returning 1. Needs the application object.
int CheckManual(QTextStream& out);

// True when VELKOR_CHECK_LIBRARY asks for the check.
bool LibraryCheckAsked();

// Finds and reads the parts library as the window does on its first need, and writes one
// line: "library: ", the folder and its counts ("library: /usr/share/velkor/library (… shapes,
// … materials)"), returning 0 when it holds shapes and materials, else 1; "library: -" and 1
// without a library folder.
int CheckLibrary(QTextStream& out);

} // namespace velkor
