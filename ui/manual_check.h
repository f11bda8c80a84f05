// The program's check of its own installation. The program takes no options; when the
// environment variable VELKOR_CHECK_MANUAL is set (to anything but empty) it builds the whole
// window as usual, writes where the "Documentazione" page's text and the parts library came
// from and exits instead of showing the window. The package check runs the unpacked program this
// way.
#pragma once

#include <QTextStream>

namespace velkor {

inline constexpr char kCheckManualVariable[] = "VELKOR_CHECK_MANUAL";

// True when VELKOR_CHECK_MANUAL asks for the check.
bool ManualCheckAsked();

// Builds the window with CreateForms() and writes one line: "VELKOR_DOC.RTF: " and the path of
// the manual its page shows, or the page's fallback line; then a second: "library: ", the
// parts library's folder and its counts of shapes and materials ("library: /usr/share/velkor/
// library (… shapes, … materials)"), or "library: -" without one. Returns 0 when the manual
// and a library with shapes and materials were found, else 1. Needs the application object.
int CheckManual(QTextStream& out);

} // namespace velkor
