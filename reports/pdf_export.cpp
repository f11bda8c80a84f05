#include "pdf_export.h"

#include "fill_support.h"
#include "quick_rep.h"
#include "report_commands.h"
#include "report_fields.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace velkor::reports {

namespace {

// The pages of PageControl1 that have a report, and the word their file names carry.
struct PdfName {
    int page;
    const char* name;
};
constexpr PdfName kPdfNames[] = {
    {0, "induttanze"},
    {1, "ferrite"},
    {2, "alimentazione"},
    {4, "flyback"},
};

void ShowNotSaved(QWidget* parent, const QString& file) {
    const QFileInfo info(file);
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    const QString text =
        QFileInfo(info.absolutePath()).isWritable()
            ? QStringLiteral("Il rapporto non è stato salvato: il file %1 non si può scrivere.")
                  .arg(QDir::toNativeSeparators(info.absoluteFilePath()))
            : QStringLiteral("Il rapporto non è stato salvato: nella cartella %1 non si può "
                             "scrivere. Scegli un'altra cartella.")
                  .arg(folder);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Velkor"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

QString PdfFileName(int page, const QDate& date) {
    for (const PdfName& entry : kPdfNames)
        if (entry.page == page)
            return QStringLiteral("velkor-%1-%2.pdf")
                .arg(QLatin1String(entry.name), date.toString(Qt::ISODate));
    return {};
}

QString PdfFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

void ExportActiveReport(QWidget* main) {
    TQuickRep* report = ActiveReport(main);
    const QString proposed = PdfFileName(ActivePage(main, "PageControl1"), QDate::currentDate());
    if (!report || proposed.isEmpty())
        return;
    FillActiveReport(main);

    QFileDialog dialog(main, QStringLiteral("Salva il rapporto in PDF"),
                       QDir(PdfFolder()).filePath(proposed),
                       QStringLiteral("Documenti PDF (*.pdf)"));
    dialog.setObjectName(QStringLiteral("PdfFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString file = dialog.selectedFiles().constFirst();
    const bool existed = QFileInfo::exists(file);
    if (report->exportPdf(file))
        return;
    // A file begun and not finished is no report: it goes.
    if (!existed)
        QFile::remove(file);
    ShowNotSaved(main, file);
}

} // namespace velkor::reports
