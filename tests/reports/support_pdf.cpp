#include "support_pdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace velkor::testing {

namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

bool PopplerAvailable() {
    return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
           !QStandardPaths::findExecutable("pdfinfo").isEmpty();
}

QString PdfText(const QString& fileName, bool layout) {
    QStringList arguments;
    if (layout)
        arguments << "-layout";
    arguments << fileName << "-";
    return Run("pdftotext", arguments);
}

int PdfPages(const QString& fileName) {
    const QString info = Run("pdfinfo", {fileName});
    const auto match = QRegularExpression(R"(Pages:\s+(\d+))").match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace velkor::testing
