// Printing, preview, set-up and PDF export of the three reports.
#include "quick_rep.h"
#include "report_commands.h"
#include "report_forms.h"
#include "support_fake_window.h"
#include "support_pdf.h"
#include "support_report_access.h"

#include <QApplication>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using velkor::testing::FakeMainWindow;
using velkor::testing::PdfPages;
using velkor::testing::PdfText;
using velkor::testing::Regional;
using velkor::testing::ReportText;
using namespace velkor::reports;

namespace {

TQuickRep* ReportOn(const QWidget* main, const char* form) {
    return qobject_cast<TQuickRep*>(velkor::testing::Report(main, form));
}

// Runs `action` on the next modal window that opens (or with nullptr when none opens).
void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, qApp, [action] { action(QApplication::activeModalWidget()); });
}

// A printer that writes into a PDF file, as the print dialog's "print to file" sets it up.
void PrintToFile(TQuickRep* report, const QString& fileName, int copies) {
    QPrinter chosen(QPrinter::HighResolution);
    chosen.setOutputFormat(QPrinter::PdfFormat);
    chosen.setOutputFileName(fileName);
    chosen.setCopyCount(copies);
    report->ApplySetup(chosen);
}

// The page of each report after the worked examples; a copy goes to VELKOR_REPORT_LOOK_DIR
// when set, for looking at.
void FillWorkedExamples(FakeMainWindow& main) {
    main.FerriteWorkedExample();
    main.MainsWorkedExample();
    main.FlybackWorkedExample();
    main.Set("IFREQ", "100");
    main.Set("ICAP", "47");
    main.Set("IIND", "53,9");
    main.Set("IXL", "33,87");
    main.Set("IXC", "33,86");
    main.Set("EDINOM", "2");
    main.Set("EDDENS", "4");
    main.Set("EDDIAM", "0,80");
    main.Set("DSS", "12");
    main.Set("LSS", "30");
    main.Set("NSSS", "40");
    main.Set("EDRESRAME", "0,051");
    main.Set("EDLUNGRAME", "1,508");
    main.Set("EDKNAGSS", "0,6069");
    main.Set("EDCORRSS", "  51,3");
    main.Set("UnitEDCORRSS", "spire");
    main.GappedWorkedExample();
}

} // namespace

class ReportOutput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void exportHoldsTitleSubtitleAndValues_data();
    void exportHoldsTitleSubtitleAndValues();
    void pageSetUp();
    void fontsResolvedOncePerFamily();
    void labelsDoNotOverlap_data();
    void labelsDoNotOverlap();
    void copiesStayWithTheirReport();
    void printingTwiceGivesTheSameTexts();
    void noUsablePrinterPrintsNothing();
    void manualPageDoesNothing();
    void previewShowsTheActivePage_data();
    void previewShowsTheActivePage();
    void setupCancelChangesNothing();
    void setupOkKeepsCopiesForThatReportOnly();
    void exportToAnUnwritablePlaceFails();
    void setupOffersTheLaidOutRange();
    void dateOfPrinting();
};

void ReportOutput::initTestCase() {
    if (!velkor::testing::PopplerAvailable())
        QSKIP("pdftotext and pdfinfo are needed to read the reports back");
}

void ReportOutput::cleanup() {
    QRSysData::SetClock(nullptr);
}

void ReportOutput::exportHoldsTitleSubtitleAndValues_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("subtitle");
    QTest::addColumn<QStringList>("samples");
    QTest::newRow("inductor") << 0 << "Form2"
                              << "Calcolo Induttori"
                              << QStringList{"Risonanza e Reattanze",
                                             "100 KHz",
                                             "53,9 µH",
                                             "Diametro D",
                                             "12 mm",
                                             "0,051 ohm/m",
                                             "1,508 mt",
                                             "K Nagaoka",
                                             "0,6069",
                                             "Con correzione di Nagaoka",
                                             "51,3 spire"};
    QTest::newRow("ferrite") << 1 << "Form3"
                             << "Calcolo trasformatori in ferrite"
                             << QStringList{"Dati costruttivi",
                                            Regional("1.600 A"),
                                            Regional("12 (12.0)"),
                                            "2784 Gauss",
                                            Regional("1451520.0 µH"),
                                            "EC52",
                                            "3C8",
                                            "Verifiche",
                                            Regional("0.473 mm"),
                                            Regional("1 × 0.80 (AWG 20)"),
                                            Regional("1 × 0.10 (AWG 38)"),
                                            "Riempimento finestra"};
    QTest::newRow("mains") << 2 << "Form4"
                           << "Calcolo trasformatori di alimentazione"
                           << QStringList{"Perdite e temperatura a pieno carico",
                                          Regional("0.123 A"),
                                          "27 VA",
                                          "784 mm²",
                                          Regional("31.2 °C"),
                                          Regional("12.0 Vac"),
                                          Regional("2.000 A"),
                                          "24 VA",
                                          "#pass"};
    QTest::newRow("flyback") << 4 << "Form5"
                             << "Calcolo trasformatori flyback"
                             << QStringList{"Dati costruttivi",
                                            "E 25/13/7",
                                            "N87",
                                            Regional("836.7 µH"),
                                            Regional("0.907 A"),
                                            Regional("452.8 V"),
                                            Regional("1 × 0.355 (AWG 27)"),
                                            Regional("5 × 0.40 (AWG 26)"),
                                            "Perdite e temperatura",
                                            "68 °C",
                                            Regional("96.2 %")};
}

void ReportOutput::exportHoldsTitleSubtitleAndValues() {
    QFETCH(int, page);
    QFETCH(QString, form);
    QFETCH(QString, subtitle);
    QFETCH(QStringList, samples);
    FakeMainWindow main;
    FillWorkedExamples(main);
    main.SetPage(page);
    FillActiveReport(&main);

    QTemporaryDir dir;
    const QString file = dir.filePath(form + ".pdf");
    bool written = false;
    QVERIFY(QMetaObject::invokeMethod(velkor::testing::Report(&main, form.toLatin1()), "exportPdf",
                                      Q_RETURN_ARG(bool, written), Q_ARG(QString, file)));
    QVERIFY(written);
    if (const QString look = qEnvironmentVariable("VELKOR_REPORT_LOOK_DIR"); !look.isEmpty())
        QFile::copy(file, look + "/" + form + ".pdf");
    QCOMPARE(PdfPages(file), 1);
    const QString text = PdfText(file, false);
    QVERIFY2(text.contains(QRegularExpression("CALCOLI\\s+MAGNETICI")), qPrintable(text));
    QVERIFY2(text.contains(subtitle), qPrintable(text));
    for (const QString& sample : samples)
        QVERIFY2(text.contains(sample), qPrintable(sample + " not in:\n" + text));
}

void ReportOutput::pageSetUp() {
    FakeMainWindow main;
    for (const char* form : {"Form2", "Form3", "Form4"}) {
        TQuickRep* report = ReportOn(&main, form);
        QVERIFY(report);
        const QPageLayout layout = report->Printer().pageLayout();
        QCOMPARE(layout.pageSize().id(), QPageSize::A4);
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
        QCOMPARE(layout.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
        QCOMPARE(report->Printer().copyCount(), 1);
        QCOMPARE(report->Printer().printRange(), QPrinter::AllPages);
        QCOMPARE(report->Band()->objectName(), QString("QRBand1"));
        QCOMPARE(report->Band()->Rect().width(), 190.0);
        QVERIFY(!qobject_cast<QWidget*>(main.findChild<QWidget*>(form))->isVisible());
    }
    QCOMPARE(ReportOn(&main, "Form2")->Band()->Rect().height(), 270.7);
    QCOMPARE(ReportOn(&main, "Form3")->Band()->Rect().height(), 270.7);
    QVERIFY(qAbs(ReportOn(&main, "Form4")->Band()->Rect().height() - 274.6) < 0.05);
}

void ReportOutput::fontsResolvedOncePerFamily() {
    // A report's fonts, asked in a mixed order, are the fonts resolved afresh each time: a
    // family resolved before never stands in for another.
    struct Ask {
        const char* family;
        double points; // pt
        bool bold;
    };
    const Ask asks[] = {{"Times New Roman", 12, false}, {"Courier New", 9, true},
                        {"Times New Roman", 16, true},  {"Arial", 10, false},
                        {"Courier New", 12, true},      {"Symbol", 8, false}};
    ReportFonts fonts;
    for (const Ask& ask : asks) {
        const QFont font = fonts.Font(ask.family, ask.points, ask.bold);
        QCOMPARE(font, ReportFont(ask.family, ask.points, ask.bold));
        QCOMPARE(font.pointSizeF(), ask.points);
        QCOMPARE(font.bold(), ask.bold);
    }
    QCOMPARE(fonts.Font("Courier New", 9).styleHint(), QFont::TypeWriter);
    QCOMPARE(fonts.Font("Symbol", 9).family(), QString("Symbol"));
    // The layouts' labels use the report's fonts.
    FakeMainWindow main;
    TQuickRep* report = ReportOn(&main, "Form3");
    QCOMPARE(report->findChild<QRLabel*>("QRTFIP")->Font(),
             ReportFont("Times New Roman", 12, true));
}

void ReportOutput::labelsDoNotOverlap_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("subPage");
    QTest::addColumn<QString>("form");
    QTest::newRow("single layer") << 0 << 0 << "Form2";
    QTest::newRow("closed core") << 0 << 1 << "Form2";
    QTest::newRow("gapped core") << 0 << 2 << "Form2";
    QTest::newRow("ferrite") << 1 << 0 << "Form3";
    QTest::newRow("mains") << 2 << 0 << "Form4";
    QTest::newRow("flyback") << 4 << 0 << "Form5";
}

void ReportOutput::labelsDoNotOverlap() {
    QFETCH(int, page);
    QFETCH(int, subPage);
    QFETCH(QString, form);
    FakeMainWindow main;
    FillWorkedExamples(main);
    main.SetPage(page);
    main.SetSubPage(subPage);
    FillActiveReport(&main);
    TQuickRep* report = ReportOn(&main, form.toLatin1());

    QTemporaryDir dir;
    QPdfWriter device(dir.filePath("measure.pdf"));
    device.setResolution(1200);
    QList<std::pair<QString, QRectF>> printed; // mm
    for (QRLabel* label : report->findChildren<QRLabel*>()) {
        if (!label->Text().isEmpty())
            printed.append({label->objectName(), label->PrintedRect(&device)});
    }
    for (QRImage* image : report->findChildren<QRImage*>())
        printed.append({image->objectName(), image->PrintedRect()});
    for (QRMemo* memo : report->findChildren<QRMemo*>())
        printed.append({memo->objectName(), memo->Rect()});
    const QRectF band = report->Band()->Rect();
    for (qsizetype i = 0; i < printed.size(); ++i) {
        QVERIFY2(band.contains(printed[i].second), qPrintable(printed[i].first));
        for (qsizetype j = i + 1; j < printed.size(); ++j) {
            const QRectF overlap = printed[i].second.intersected(printed[j].second);
            // Lines 6.6 mm apart may touch by a hair of their line boxes.
            QVERIFY2(overlap.width() < 0.1 || overlap.height() < 0.5,
                     qPrintable(printed[i].first + " overlaps " + printed[j].first));
        }
    }
}

void ReportOutput::copiesStayWithTheirReport() {
    FakeMainWindow main;
    FillWorkedExamples(main);
    QTemporaryDir dir;
    const QString ferrite = dir.filePath("ferrite.pdf");
    const QString mains = dir.filePath("mains.pdf");
    PrintToFile(ReportOn(&main, "Form3"), ferrite, 2);
    QCOMPARE(ReportOn(&main, "Form4")->Printer().copyCount(), 1);
    QCOMPARE(ReportOn(&main, "Form2")->Printer().copyCount(), 1);
    PrintToFile(ReportOn(&main, "Form4"), mains, 1);

    main.SetPage(1);
    SBPRINTClick(&main);
    main.SetPage(2);
    SBPRINTClick(&main);
    QCOMPARE(PdfPages(ferrite), 2);
    QCOMPARE(PdfPages(mains), 1);
    QVERIFY(PdfText(ferrite).contains("Calcolo trasformatori in ferrite"));
    // The progress window is gone once printing ends.
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), widget->metaObject()->className());
}

void ReportOutput::printingTwiceGivesTheSameTexts() {
    FakeMainWindow main;
    FillWorkedExamples(main);
    main.SetPage(2);
    QTemporaryDir dir;
    QStringList texts;
    for (const char* name : {"first.pdf", "second.pdf"}) {
        PrintToFile(ReportOn(&main, "Form4"), dir.filePath(name), 1);
        SBPRINTClick(&main);
        texts << PdfText(dir.filePath(name));
    }
    QVERIFY(!texts[0].isEmpty());
    QCOMPARE(texts[1], texts[0]);
    QCOMPARE(texts[0].count("#pass"), 1);
    // A value changed between two presses shows in the second printout.
    main.Set("TAPERTOT", Regional("7.5"));
    PrintToFile(ReportOn(&main, "Form4"), dir.filePath("third.pdf"), 1);
    SBPRINTClick(&main);
    QVERIFY(PdfText(dir.filePath("third.pdf")).contains(Regional("7.5 W")));
}

void ReportOutput::noUsablePrinterPrintsNothing() {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("a printer is installed on this machine");
    FakeMainWindow main;
    FillWorkedExamples(main);
    main.SetPage(1);
    // "Stampa" says why nothing prints, and where to go instead.
    QString text;
    OnNextModal([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            text = box->text();
            box->accept();
        }
    });
    SBPRINTClick(&main);
    QCoreApplication::processEvents();
    QCOMPARE(text, QString("Nessuna stampante disponibile: usa PDF per salvare il rapporto."));
    QCOMPARE(ReportOn(&main, "Form3")->Print(&main), 0);
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), widget->metaObject()->className());
    // The fill still ran.
    QCOMPARE(ReportText(&main, "Form3", "QRTFIP"), Regional("1.600 A"));
}

void ReportOutput::manualPageDoesNothing() {
    FakeMainWindow main;
    FillWorkedExamples(main);
    QTemporaryDir dir;
    const QString file = dir.filePath("never.pdf");
    for (const char* form : {"Form2", "Form3", "Form4"})
        PrintToFile(ReportOn(&main, form), file, 1);
    main.SetPage(3);
    for (auto command : {SBPRINTClick, SBPREVIEWClick, SBPRINTSETUPClick}) {
        QWidget* seen = nullptr;
        OnNextModal([&](QWidget* modal) {
            seen = modal;
            if (modal)
                modal->close();
        });
        command(&main);
        QCoreApplication::processEvents();
        QVERIFY(!seen);
    }
    QVERIFY(!QFile::exists(file));
    for (const char* form : {"Form2", "Form3", "Form4"})
        QVERIFY(!ReportOn(&main, form)->LaidOut());
    QCOMPARE(ReportText(&main, "Form3", "QRTFIP"), QString("QRTFIP"));
}

void ReportOutput::previewShowsTheActivePage_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("subtitle");
    QTest::newRow("inductor") << 0 << "Form2"
                              << "Calcolo Induttori";
    QTest::newRow("ferrite") << 1 << "Form3"
                             << "Calcolo trasformatori in ferrite";
    QTest::newRow("mains") << 2 << "Form4"
                           << "Calcolo trasformatori di alimentazione";
}

void ReportOutput::previewShowsTheActivePage() {
    QFETCH(int, page);
    QFETCH(QString, form);
    QFETCH(QString, subtitle);
    FakeMainWindow main;
    FillWorkedExamples(main);
    main.SetPage(page);
    QString seen;
    bool laidOutWhileOpen = false;
    OnNextModal([&](QWidget* modal) {
        seen = modal ? modal->metaObject()->className() : QString();
        laidOutWhileOpen = ReportOn(&main, form.toLatin1())->LaidOut();
        if (const QString look = qEnvironmentVariable("VELKOR_REPORT_LOOK_DIR");
            modal && !look.isEmpty()) {
            // For looking at: the dialog, and the whole screen on a real display.
            modal->grab().save(look + "/preview_" + form + ".png");
            if (QTest::qWaitForWindowExposed(modal) && modal->screen())
                modal->screen()->grabWindow(0).save(look + "/screen_" + form + ".png");
        }
        if (modal)
            modal->close();
    });
    SBPREVIEWClick(&main);
    QCOMPARE(seen, QString("QPrintPreviewDialog"));
    QVERIFY(laidOutWhileOpen);
    QCOMPARE(ReportText(&main, form.toLatin1(), "QRITIPOCALC"), subtitle);
    // Only the previewed report was laid out.
    for (const char* other : {"Form2", "Form3", "Form4"}) {
        if (form != other)
            QVERIFY(!ReportOn(&main, other)->LaidOut());
    }
}

void ReportOutput::setupCancelChangesNothing() {
    FakeMainWindow main;
    main.SetPage(1);
    TQuickRep* report = ReportOn(&main, "Form3");
    QTemporaryDir dir;
    PrintToFile(report, dir.filePath("kept.pdf"), 3);
    QString seen;
    OnNextModal([&](QWidget* modal) {
        seen = modal ? modal->metaObject()->className() : QString();
        if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
            dialog->printer()->setCopyCount(9);
            dialog->reject();
        }
    });
    SBPRINTSETUPClick(&main);
    QVERIFY(seen.contains("PrintDialog"));
    QCOMPARE(report->Printer().copyCount(), 3);
    QCOMPARE(report->Printer().outputFileName(), dir.filePath("kept.pdf"));
    // The set-up fills the report too.
    QCOMPARE(ReportText(&main, "Form3", "QRTFVPMIN"), Regional("10.0 Vac"));
}

void ReportOutput::setupOkKeepsCopiesForThatReportOnly() {
    FakeMainWindow main;
    main.SetPage(1);
    QTemporaryDir dir;
    PrintToFile(ReportOn(&main, "Form3"), dir.filePath("ferrite.pdf"), 1);
    bool copiesSet = false;
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        if (!dialog)
            return;
        if (auto* copies = dialog->findChild<QSpinBox*>("copies")) {
            copies->setValue(2);
            copiesSet = true;
        }
        dialog->accept();
    });
    SBPRINTSETUPClick(&main);
    if (!copiesSet)
        QSKIP("this platform's print dialog has no copies field to set");
    QCOMPARE(ReportOn(&main, "Form3")->Printer().copyCount(), 2);
    QCOMPARE(ReportOn(&main, "Form2")->Printer().copyCount(), 1);
    QCOMPARE(ReportOn(&main, "Form4")->Printer().copyCount(), 1);
    SBPRINTClick(&main);
    QCOMPARE(PdfPages(dir.filePath("ferrite.pdf")), 2);
}

void ReportOutput::exportToAnUnwritablePlaceFails() {
    FakeMainWindow main;
    QTemporaryDir dir;
    QVERIFY(!ReportOn(&main, "Form2")->exportPdf(dir.filePath("missing/folder/report.pdf")));
    QVERIFY(!ReportOn(&main, "Form2")->exportPdf(QString()));
    // A printer writing into a place that cannot be written prints nothing.
    PrintToFile(ReportOn(&main, "Form2"), dir.filePath("missing/folder/print.pdf"), 1);
    QCOMPARE(ReportOn(&main, "Form2")->Print(&main), 0);
}

void ReportOutput::setupOffersTheLaidOutRange() {
    FakeMainWindow main;
    main.SetPage(2);
    TQuickRep* report = ReportOn(&main, "Form4");
    QList<int> range;
    auto capture = [&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
            range = {dialog->minPage(), dialog->maxPage()};
            dialog->reject();
        }
    };
    OnNextModal(capture);
    SBPRINTSETUPClick(&main);
    QCOMPARE(range, QList<int>({0, 9999}));
    QTemporaryDir dir;
    QVERIFY(report->exportPdf(dir.filePath("laid.pdf")));
    OnNextModal(capture);
    SBPRINTSETUPClick(&main);
    QCOMPARE(range, QList<int>({1, 1}));
}

void ReportOutput::dateOfPrinting() {
    QRSysData::SetClock([] { return QDate(2026, 3, 5); });
    FakeMainWindow main;
    const QString expected = QLocale::system().toString(QDate(2026, 3, 5), QLocale::ShortFormat);
    QCOMPARE(ReportText(&main, "Form4", "QRSysData1"), expected);
    QTemporaryDir dir;
    QVERIFY(ReportOn(&main, "Form4")->exportPdf(dir.filePath("date.pdf")));
    QVERIFY(PdfText(dir.filePath("date.pdf")).contains(expected));
}

QTEST_MAIN(ReportOutput)
#include "test_report_output.moc"
