#include "report_commands.h"

#include "fill_support.h"
#include "pdf_export.h"
#include "report_fields.h"
#include "report_fills.h"

#include <QMessageBox>
#include <QPrinterInfo>
#include <QWidget>

namespace velkor::reports {

namespace {

// No printer on the system, and no file chosen in the set-up to print into instead.
bool NoPrinterInstalled(const QPrinter& printer) {
    return !PrinterUsable(printer) && QPrinterInfo::availablePrinters().isEmpty();
}

} // namespace

TQuickRep* ActiveReport(QWidget* main) {
    switch (ActivePage(main, "PageControl1")) {
    case 0:
        return ReportOf(main, "Form2");
    case 1:
        return ReportOf(main, "Form3");
    case 2:
        return ReportOf(main, "Form4");
    case 4:
        return ReportOf(main, "Form5");
    default:
        return nullptr;
    }
}

void FillActiveReport(QWidget* main) {
    switch (ActivePage(main, "PageControl1")) {
    case 0:
        FillInductorReport(main);
        break;
    case 1:
        FillFerriteReport(main);
        break;
    case 2:
        FillMainsReport(main);
        break;
    case 4:
        FillFlybackReport(main);
        break;
    default:
        break;
    }
}

void SBPRINTClick(QWidget* main) {
    FillActiveReport(main);
    TQuickRep* report = ActiveReport(main);
    if (!report)
        return;
    if (NoPrinterInstalled(report->Printer())) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Velkor"),
                        QStringLiteral("Nessuna stampante disponibile: usa PDF per salvare il "
                                       "rapporto."),
                        QMessageBox::Ok, main);
        box.exec();
        return;
    }
    report->Print(main);
}

void SBPREVIEWClick(QWidget* main) {
    FillActiveReport(main);
    if (TQuickRep* report = ActiveReport(main))
        report->Preview(main);
}

void SBPRINTSETUPClick(QWidget* main) {
    // The set-up fills the report too, although its dialog shows none of it.
    FillActiveReport(main);
    if (TQuickRep* report = ActiveReport(main))
        report->PrinterSetup(main);
}

void SBPDFClick(QWidget* main) {
    ExportActiveReport(main);
}

} // namespace velkor::reports
