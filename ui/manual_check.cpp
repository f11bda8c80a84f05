#include "manual_check.h"

#include "main_window.h"
#include "manual_loader.h"

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

} // namespace velkor
