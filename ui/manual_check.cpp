#include "manual_check.h"

#include "library_source.h"
#include "main_window.h"
#include "manual_loader.h"
#include "parts_library.h"

#include <QTextDocument>
#include <QTextEdit>

#include <memory>

namespace velkor {

bool ManualCheckAsked() {
    return !qEnvironmentVariable(kCheckManualVariable).isEmpty();
}

int CheckManual(QTextStream& out) {
    const std::unique_ptr<TForm1> window(CreateForms());
    const auto* view = window->findChild<QTextEdit*>("REDIT1");
    const QString source =
        view ? view->document()->metaInformation(QTextDocument::DocumentUrl) : QString();
    const QString shown = view ? view->toPlainText() : QStringLiteral("REDIT1 missing");
    out << kManualFile << ": " << (source.isEmpty() ? shown : source) << Qt::endl;
    return source.isEmpty() ? 1 : 0;
}

bool LibraryCheckAsked() {
    return !qEnvironmentVariable(kCheckLibraryVariable).isEmpty();
}

int CheckLibrary(QTextStream& out) {
    ui::LibrarySource source;
    const library::PartsLibrary& parts = *source.Get();
    out << ui::kLibraryFolder << ": ";
    if (source.Folder().isEmpty()) {
        out << "-" << Qt::endl;
        return 1;
    }
    out << source.Folder() << " (" << parts.Shapes().size() << " shapes, "
        << parts.Materials().size() << " materials)" << Qt::endl;
    return parts.Shapes().empty() || parts.Materials().empty() ? 1 : 0;
}

} // namespace velkor
