// The reports driven through the real main window: its fields, its calculations and its
// print buttons.
#include "main_window.h"
#include "quick_rep.h"
#include "report_commands.h"
#include "support_fake_window.h"
#include "support_ferrite_rows.h"
#include "support_pdf.h"
#include "support_report_access.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

using velkor::testing::Regional;
using velkor::testing::ReportPicture;
using velkor::testing::ReportText;
using namespace velkor::reports;

namespace {

struct Window {
    std::unique_ptr<TForm1> main{CreateForms()};

    template <typename T = QObject> T* Find(const char* name) const {
        return main->findChild<T*>(name);
    }
    void SetPage(int index) const { Find<QTabWidget>("PageControl1")->setCurrentIndex(index); }
    void SetSubPage(int index) const { Find<QTabWidget>("PageControl2")->setCurrentIndex(index); }
    void Set(const char* name, const QString& text) const {
        if (auto* list = Find<QComboBox>(name))
            list->setEditText(text);
        else
            Find<QLineEdit>(name)->setText(text);
    }
    QString Text(const char* name) const { return Find<QLineEdit>(name)->text(); }
    void Click(const char* name) const { Find<QAbstractButton>(name)->click(); }
    // Types a text into a cell of the secondaries grid as the user would.
    bool TypeCell(int column, int row, const QString& text) const {
        auto* grid = Find<QTableWidget>("SGTAINSEC");
        grid->setCurrentCell(row, column);
        grid->editItem(grid->item(row, column));
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        if (!editor)
            return false;
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the editor commits and closes
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // and goes
        return grid->item(row, column)->text() == text;
    }
    TQuickRep* Report(const char* form) const {
        return qobject_cast<TQuickRep*>(velkor::testing::Report(main.get(), form));
    }
    QString Label(const char* form, const char* name) const {
        return ReportText(main.get(), form, name);
    }
};

void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, qApp, [action] { action(QApplication::activeModalWidget()); });
}

bool CommaRegion() {
    return QLocale::system().decimalPoint() == ',';
}

} // namespace

class ReportWindow : public QObject {
    Q_OBJECT
private slots:
    void fieldsTheFillsReadExist();
    void ferriteAfterWorkedExample_data();
    void ferriteAfterWorkedExample();
    void ferriteBeforeAnyCalculation();
    void ferriteAfterInputChanged();
    void ferriteFluxBelowAThousandKeepsItsBlank();
    void inductorRowsAndSubPages();
    void inductorSingleLayerExample();
    void mainsAfterWorkedExample();
    void mainsCopiesEveryFieldAsShown();
    void mainsAlarmsPrintMarked();
    void inductorPrintsTheVisibleSubPagesInductance();
    void buttonsActOnTheVisiblePage();
    void exportsAfterWorkedExamples();
};

void ReportWindow::fieldsTheFillsReadExist() {
    Window window;
    const char* texts[] = {
        "IFREQ",     "CBUFR",      "IIND",      "CBUIR",      "ISS",      "CBUISS",   "ICAP",
        "CBUCR",     "IXL",        "IXC",       "EDINOM",     "EDDENS",   "EDDIAM",   "ALNUC",
        "NSNUC",     "D1NUC",      "D2NUC",     "D3NUC",      "D4NUC",    "D5NUC",    "RRNUC",
        "LFNUC",     "NPNUC",      "PESONUC",   "MESS",       "NSSS",     "DSS",      "LSS",
        "EDRESRAME", "EDLUNGRAME", "VPMIN",     "VPMAX",      "IPRIM",    "IPPEEK",   "FREQ",
        "FATTF",     "VSPP",       "VSRMS",     "PSEC",       "ISEC",     "DCMQ",     "Edit1",
        "Edit2",     "AL",         "BSAT",      "BMAXEFF",    "PUN",      "ETA",      "AE",
        "AC",        "AEACMIN",    "AEAC",      "NSP",        "DFP",      "LPRIM",    "XLPRIM",
        "NSS",       "DFS",        "LSEC",      "XLSEC",      "EDKNAGSS", "EDCORRSS", "DELTAFER",
        "FILOP",     "FILOS",      "RIEMPFER",  "TAVP",       "TAIP",     "TAFREQ",   "TAPTOT",
        "TAPMAX",    "TADENS",     "CBTAINDUZ", "TARESA",     "PEFE",     "TASEZL",   "TAPESOFERRO",
        "TALA",      "TALB",       "TALC",      "TALD",       "TALE",     "RAPIMPAC", "TACA",
        "TACC",      "TACX",       "TANSP",     "TASVP",      "TADF",     "TANP",     "TALFILO",
        "TAPESO",    "TARESRAME",  "TASVS",     "TAPERFERRO", "TAPERP",   "TAPERS",   "TAPERTOT",
        "TADT",      "TAMBFER",    "PNUCLEO",   "PRAME",      "TNUCLEO",  "RENDCALC"};
    for (const char* name : texts) {
        QObject* field = window.Find(name);
        QVERIFY2(field && (qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field)),
                 name);
    }
    QVERIFY(window.Find<QLabel>("UnitEDCORRSS"));
    for (const char* name : {"RBC1NUC", "RBC2NUC", "CBAUTOCART", "RBTASING", "RBTADOPPIO"})
        QVERIFY2(window.Find<QAbstractButton>(name), name);
    for (const char* name : {"SGTAINSEC", "SGTAOUTSEC"}) {
        auto* grid = window.Find<QTableWidget>(name);
        QVERIFY2(grid && grid->rowCount() == 7, name);
    }
    for (const char* form : {"Form2", "Form3", "Form4"}) {
        auto* widget = window.Find<QWidget>(form);
        QVERIFY2(widget && widget->isWindow() && !widget->isVisible(), form);
        QVERIFY(window.Report(form));
    }
}

void ReportWindow::ferriteAfterWorkedExample_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    for (const auto& [label, expected] : kFerriteWorkedExampleRows)
        QTest::newRow(label) << QString(label) << Regional(QString::fromUtf8(expected));
}

void ReportWindow::ferriteAfterWorkedExample() {
    QFETCH(QString, label);
    QFETCH(QString, expected);
    Window window;
    window.SetPage(1);
    window.Click("SBCALC");
    FillActiveReport(window.main.get());
    QCOMPARE(window.Label("Form3", label.toLatin1()), expected);
}

void ReportWindow::ferriteBeforeAnyCalculation() {
    Window window;
    window.SetPage(1);
    FillActiveReport(window.main.get());
    QCOMPARE(window.Label("Form3", "QRTFVPMIN"), window.Text("VPMIN") + " Vac");
    QCOMPARE(window.Label("Form3", "QRTFCORE"), QString("EC52"));
    QCOMPARE(window.Label("Form3", "QRTFIP"), QString(" A"));
    QCOMPARE(window.Label("Form3", "QRTFAEAC"), QString(" cm^4"));
    QCOMPARE(window.Label("Form3", "QRTFNSP"), QString());
    QCOMPARE(window.Label("Form3", "QRTFNSS"), QString());
    QCOMPARE(window.Label("Form3", "QRTFXLS"), QString(" ohm"));
}

void ReportWindow::ferriteAfterInputChanged() {
    Window window;
    window.SetPage(1);
    window.Click("SBCALC");
    window.Set("AC", "45");
    FillActiveReport(window.main.get());
    QCOMPARE(window.Label("Form3", "QRTFAC"), QString("45 mm²"));
    QCOMPARE(window.Label("Form3", "QRTFAEAC"), Regional("0.1560 cm^4"));
}

void ReportWindow::ferriteFluxBelowAThousandKeepsItsBlank() {
    Window window;
    window.SetPage(1);
    // 4.3 V at the top of the supply: 4.3e8 / (0.52 cm² x 20000 Hz x 4 x 12 turns) = 861 G.
    window.Set("VPMAX", Regional("4.3"));
    window.Click("SBCALC");
    QCOMPARE(window.Text("BMAXEFF"), QString(" 861"));
    FillActiveReport(window.main.get());
    QCOMPARE(window.Label("Form3", "QRTFBMAX"), QString(" 861 Gauss"));
    QCOMPARE(window.Label("Form3", "QRTFNSP"), Regional("12 (12.0)"));
}

void ReportWindow::inductorRowsAndSubPages() {
    Window window;
    window.SetPage(0);
    window.Set("IFREQ", "100");
    window.Find<QComboBox>("CBUFR")->setCurrentIndex(1);
    window.Set("ISS", "22");
    window.Find<QComboBox>("CBUISS")->setCurrentIndex(2);
    window.Set("NPNUC", "3");
    window.Set("D4NUC", "25");
    FillActiveReport(window.main.get());
    QCOMPARE(window.Label("Form2", "QRIFREQ"), QString("100 KHz"));
    QCOMPARE(window.Label("Form2", "QRIIND"), QString("22 µH"));
    QCOMPARE(window.Label("Form2", "QRILB01"), QString("Permeabilità µe"));
    QCOMPARE(window.Label("Form2", "QRIDATA01"), QString("1"));
    QCOMPARE(window.Label("Form2", "QRLabel26"), QString());
    QCOMPARE(ReportPicture(window.main.get(), "Form2", "QRImage2"),
             QString(":/pictures/image3_single_layer.svg"));

    // The closed core with the round bobbin: its picture, its inductance, and Dim. X still
    // printed.
    window.SetSubPage(1);
    window.Set("INUC", "47");
    window.Click("RBC2NUC");
    FillActiveReport(window.main.get());
    QCOMPARE(window.Label("Form2", "QRIIND"), QString("47 µH"));
    QCOMPARE(window.Label("Form2", "QRLabel26"), QString("Numero Passate"));
    QCOMPARE(window.Label("Form2", "QRINPASS"), QString("3"));
    QCOMPARE(window.Label("Form2", "QRILBDIM04"), QString("Dim. X"));
    QCOMPARE(window.Label("Form2", "QRIDATADIM04"), QString("25 mm"));
    QCOMPARE(ReportPicture(window.main.get(), "Form2", "QRImage2"),
             QString(":/pictures/img2_round_bobbin.svg"));
    window.Click("RBC1NUC");
    FillActiveReport(window.main.get());
    QCOMPARE(ReportPicture(window.main.get(), "Form2", "QRImage2"),
             QString(":/pictures/img1_square_bobbin.svg"));

    // Back to the single layer: the closed-core rows go, captions included.
    window.SetSubPage(0);
    FillActiveReport(window.main.get());
    QCOMPARE(window.Label("Form2", "QRLabel26"), QString());
    QCOMPARE(window.Label("Form2", "QRLabel20"), QString());
    QCOMPARE(window.Label("Form2", "QRIDATADIM04"), QString());
    QCOMPARE(window.Label("Form2", "QRILBDIM05"), QString());
}

void ReportWindow::inductorSingleLayerExample() {
    // D 10 mm, l 20 mm and 100 µH: the turns and Nagaoka's correction of the page.
    Window window;
    window.SetPage(0);
    window.Set("DSS", "10");
    window.Set("LSS", "20");
    window.Set("ISS", "100");
    window.Click("SBCNSSS");
    FillActiveReport(window.main.get());
    QCOMPARE(window.Label("Form2", "QRINSPIRE"), Regional(" 142.4"));
    QCOMPARE(window.Label("Form2", "QRILBKNAG"), QString("K Nagaoka"));
    QCOMPARE(window.Label("Form2", "QRIKNAG"), Regional("0.8181"));
    QCOMPARE(window.Label("Form2", "QRILBCORR"), QString("Con correzione di Nagaoka"));
    QCOMPARE(window.Label("Form2", "QRICORR"), Regional(" 157.4 spire"));
    window.SetSubPage(1);
    FillActiveReport(window.main.get());
    QCOMPARE(window.Label("Form2", "QRIKNAG"), QString());
    QCOMPARE(window.Label("Form2", "QRICORR"), QString());
}

void ReportWindow::mainsAfterWorkedExample() {
    if (!CommaRegion())
        QSKIP("the page's list items and iron loss are written with a decimal comma");
    Window window;
    window.main->show();
    window.SetPage(2);
    QVERIFY(window.TypeCell(0, 1, "12"));
    QVERIFY(window.TypeCell(1, 1, "2"));
    QVERIFY(window.TypeCell(0, 3, "5")); // a voltage without a current
    QWidget* box = nullptr;
    OnNextModal([&](QWidget* modal) {
        box = modal;
        if (modal)
            modal->close();
    });
    window.Click("SBTACALC");
    QCoreApplication::processEvents();
    QVERIFY(!box);
    FillActiveReport(window.main.get());
    const std::pair<const char*, const char*> expected[] = {
        {"QRTAIP", "0,123 A"},   {"QRTAPMAX", "   27 VA"},
        {"QRTASEZL", "784 mm²"}, {"QRTADNC", "28 mm"},
        {"QRTAFATTR", "0,28"},   {"QRTADELTAT", "31,2 °C"},
        {"QRTANSP", " 1202"},    {"QRTAINDUZ", "1,1 Wb/m²"},
        {"QRTARESA", "0,85"},    {"QRLabel8", "(Calcolati dalle dim. del ferro)"}};
    for (const auto& [label, text] : expected)
        QCOMPARE(window.Label("Form4", label), QString::fromUtf8(text));
    const QString header =
        QString::fromUtf8("    Vs   Is(A)  spire  Ø mm   #pass     mt     gr    ohm");
    QCOMPARE(window.Label("Form4", "QRMEMOSECIN"), QString("  12,0 Vac   2,000 A     24 VA"));
    QCOMPARE(window.Label("Form4", "QRMEMOSECOUT"),
             header + "\n   12,0  2,000     69   0,80    1,4   12,9     60     0,5");

    // Printing twice gives the same memos.
    FillActiveReport(window.main.get());
    QCOMPARE(window.Label("Form4", "QRMEMOSECOUT").count('\n'), 1);

    window.Click("RBTADOPPIO");
    window.Click("CBAUTOCART");
    FillActiveReport(window.main.get());
    QCOMPARE(window.Label("Form4", "QRLabel8"), QString("(Impostati dall'operatore)"));
    QCOMPARE(ReportPicture(window.main.get(), "Form4", "QRTAIMG2"),
             QString(":/pictures/taimg2_double_bobbin.svg"));
}

void ReportWindow::mainsCopiesEveryFieldAsShown() {
    Window window;
    window.SetPage(2);
    const std::pair<const char*, const char*> rows[] = {{"QRTAVP", "TAVP"},
                                                        {"QRTAFREQ", "TAFREQ"},
                                                        {"QRTADENS", "TADENS"},
                                                        {"QRTAPERDFERRO", "PEFE"},
                                                        {"QRTAINDUZ", "CBTAINDUZ"}};
    FillActiveReport(window.main.get());
    for (const auto& [label, field] : rows) {
        const QString shown = window.Find<QComboBox>(field)
                                  ? window.Find<QComboBox>(field)->currentText()
                                  : window.Text(field);
        QVERIFY2(!shown.isEmpty(), field);
        QVERIFY2(window.Label("Form4", label).startsWith(shown), label);
    }
    // Before any calculation: suffixes alone and the windings header only.
    QCOMPARE(window.Label("Form4", "QRTADNC"), QString(" mm"));
    QCOMPARE(window.Label("Form4", "QRTANSP"), QString());
    QCOMPARE(window.Label("Form4", "QRMEMOSECIN"), QString());
    QCOMPARE(window.Label("Form4", "QRMEMOSECOUT").count('\n'), 0);
}

// A 2000 VA design: the lamination out of the table and a rise above 65 °C have the alarm
// look, and their values print bold with " (!)"; a 24 VA design prints them plain again.
void ReportWindow::mainsAlarmsPrintMarked() {
    Window window;
    window.main->show();
    window.SetPage(2);
    QVERIFY(window.TypeCell(0, 1, "100"));
    QVERIFY(window.TypeCell(1, 1, "20"));
    window.Click("SBTACALC");
    FillActiveReport(window.main.get());
    TQuickRep* report = window.Report("Form4");
    for (const char* name : {"QRTADNC", "QRTADELTAT"})
        QVERIFY2(report->findChild<QRLabel*>(name)->Alarm(), name);
    for (const char* name : {"QRTAPMAX", "QRTAIP", "QRTANSP"})
        QVERIFY2(!report->findChild<QRLabel*>(name)->Alarm(), name);
    QTemporaryDir dir;
    QPdfWriter device(dir.filePath("measure.pdf"));
    QVERIFY(report->findChild<QRLabel*>("QRTADNC")->PrintedText(&device).endsWith("mm (!)"));

    window.Set("TARESA", "");
    QVERIFY(window.TypeCell(0, 1, "12"));
    QVERIFY(window.TypeCell(1, 1, "2"));
    window.Click("SBTACALC");
    FillActiveReport(window.main.get());
    for (const char* name : {"QRTADNC", "QRTADELTAT"})
        QVERIFY2(!report->findChild<QRLabel*>(name)->Alarm(), name);
}

// With the resonance inductance empty the report prints the visible sub-page's own: the
// closed core's 1 mH, not the single layer's 100 µH.
void ReportWindow::inductorPrintsTheVisibleSubPagesInductance() {
    Window window;
    window.SetPage(0);
    window.Set("IIND", "");
    window.Set("ISS", "100");
    window.Set("INUC", "1");
    window.Find<QComboBox>("CBUINUC")->setCurrentIndex(1); // mH
    window.SetSubPage(1);
    FillActiveReport(window.main.get());
    QCOMPARE(window.Label("Form2", "QRIIND"), QString("1 mH"));
    window.SetSubPage(0);
    FillActiveReport(window.main.get());
    QCOMPARE(window.Label("Form2", "QRIIND"), QString("100 µH"));
}

void ReportWindow::buttonsActOnTheVisiblePage() {
    if (!velkor::testing::PopplerAvailable())
        QSKIP("pdfinfo is needed to count printed pages");
    Window window;
    QTemporaryDir dir;
    auto toFile = [&](const char* form, const QString& name, int copies) {
        QPrinter chosen(QPrinter::HighResolution);
        chosen.setOutputFormat(QPrinter::PdfFormat);
        chosen.setOutputFileName(dir.filePath(name));
        chosen.setCopyCount(copies);
        window.Report(form)->ApplySetup(chosen);
    };
    toFile("Form3", "ferrite.pdf", 2);
    toFile("Form4", "mains.pdf", 1);

    // The manual page: nothing is filled, printed, previewed or set up.
    window.SetPage(3);
    for (const char* button : {"SBPRINT", "SBPREVIEW", "SBPRINTSETUP"}) {
        QWidget* seen = nullptr;
        OnNextModal([&](QWidget* modal) {
            seen = modal;
            if (modal)
                modal->close();
        });
        window.Click(button);
        QCoreApplication::processEvents();
        QVERIFY2(!seen, button);
    }
    QVERIFY(!QFile::exists(dir.filePath("ferrite.pdf")));
    QCOMPARE(window.Label("Form3", "QRTFVPMIN"), QString("QRTFVPMIN"));

    // Preview on the inductor page, then on the ferrite page.
    for (const auto& [page, subtitle] :
         {std::pair{0, "Calcolo Induttori"}, std::pair{1, "Calcolo trasformatori in ferrite"}}) {
        window.SetPage(page);
        QString seen;
        OnNextModal([&](QWidget* modal) {
            seen = modal ? modal->metaObject()->className() : QString();
            if (modal)
                modal->close();
        });
        window.Click("SBPREVIEW");
        QCOMPARE(seen, QString("QPrintPreviewDialog"));
        QCOMPARE(window.Label(page == 0 ? "Form2" : "Form3", "QRITIPOCALC"), QString(subtitle));
    }

    // Two copies chosen for the ferrite report; the mains report still prints one.
    window.SetPage(1);
    window.Click("SBPRINT");
    window.SetPage(2);
    window.Click("SBPRINT");
    QCOMPARE(velkor::testing::PdfPages(dir.filePath("ferrite.pdf")), 2);
    QCOMPARE(velkor::testing::PdfPages(dir.filePath("mains.pdf")), 1);
    QVERIFY(velkor::testing::PdfText(dir.filePath("mains.pdf"))
                .contains("Calcolo trasformatori di alimentazione"));
}

void ReportWindow::exportsAfterWorkedExamples() {
    if (!velkor::testing::PopplerAvailable())
        QSKIP("pdftotext is needed to read the reports back");
    Window window;
    window.main->show();
    window.SetPage(0);
    window.Set("IFREQ", "100");
    window.Set("ICAP", "47");
    window.Click("SBCIR"); // the inductance that resonates at 100 kHz with 47 nF
    window.Set("DSS", "12");
    window.Set("LSS", "30");
    window.Set("NSSS", "40");
    window.SetPage(1);
    window.Click("SBCALC");
    window.SetPage(2);
    QVERIFY(window.TypeCell(0, 1, "12"));
    QVERIFY(window.TypeCell(1, 1, "2"));
    if (CommaRegion())
        window.Click("SBTACALC");

    QTemporaryDir dir;
    const QString look = qEnvironmentVariable("VELKOR_REPORT_LOOK_DIR");
    struct Case {
        int page;
        const char* form;
        const char* subtitle;
        QStringList samples;
    };
    const Case cases[] = {
        {0, "Form2", "Calcolo Induttori", {"100 KHz", "47 nF", "Diametro D", "12 mm", "40"}},
        {1,
         "Form3",
         "Calcolo trasformatori in ferrite",
         {Regional("1.600 A"), Regional("12 (12.0)"), "2784 Gauss", "182403 ohm", "Verifiche",
          Regional("0.473 mm"), Regional("1 × 0.80 (AWG 20)"), Regional("0.37")}},
        {2, "Form4", "Calcolo trasformatori di alimentazione",
         CommaRegion() ? QStringList{"0,123 A", "784 mm²", "31,2 °C", "12,0 Vac", "24 VA"}
                       : QStringList{"230 Vac", Regional("12.0 Vac"), "24 VA"}},
    };
    for (const Case& item : cases) {
        window.SetPage(item.page);
        FillActiveReport(window.main.get());
        const QString file = dir.filePath(QString(item.form) + ".pdf");
        QVERIFY(window.Report(item.form)->exportPdf(file));
        if (!look.isEmpty())
            QFile::copy(file, look + "/window_" + item.form + ".pdf");
        const QString text = velkor::testing::PdfText(file, false);
        QVERIFY2(text.contains(QRegularExpression("CALCOLI\\s+MAGNETICI")), qPrintable(text));
        QVERIFY2(text.contains(item.subtitle), qPrintable(text));
        for (const QString& sample : item.samples)
            QVERIFY2(text.contains(sample), qPrintable(sample + " not in:\n" + text));
    }
}

QTEST_MAIN(ReportWindow)
#include "test_report_window.moc"
