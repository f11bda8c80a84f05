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
    // The library, found and read as the pickers find and read it on their first keystroke.
    ui::LibrarySource library;
    const library::PartsLibrary& parts = *library.Get();
    if (library.Folder().isEmpty())
        out << ui::kLibraryFolder << ": -" << Qt::endl;
    else
        out << ui::kLibraryFolder << ": " << library.Folder() << " (" << parts.Shapes().size()
            << " shapes, " << parts.Materials().size() << " materials)" << Qt::endl;
    return source.isEmpty() || parts.Shapes().empty() || parts.Materials().empty() ? 1 : 0;
}

} // namespace velkor
