// Feeds arbitrary bytes to the rich-text reader and lays the result out, as the manual page
// would. Any crash, sanitizer report, leak or timeout is a finding.
#include "rtf_reader.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QGuiApplication* application = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    application = new QGuiApplication(*argc, *argv);
    // Fill the font caches once, so that they are not taken for leaks of the first input.
    QTextDocument warm_up;
    velkor::ReadRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 {\\b x}}", warm_up);
    warm_up.setTextWidth(600);
    (void)warm_up.size();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTextDocument document;
    velkor::ReadRtf(QByteArrayView(data, static_cast<qsizetype>(size)), document);
    document.setTextWidth(600); // pixels, about the width of the manual page
    (void)document.size();      // forces the layout of every block
    // Let Qt's timers (the font cache's clean-up among them) run now and then, as the
    // program's event loop would.
    static unsigned runs = 0;
    if (++runs % 1000 == 0)
        QCoreApplication::processEvents();
    return 0;
}
