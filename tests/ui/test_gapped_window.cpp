// The gapped-core sub-page through the real window: its place and defaults, the worked designs
// typed with real keys and "Calcola" clicked, the boxes of a core, a material and an input it
// cannot use, the three alarm looks coming and going, and the other sub-pages left as they were.
#include "main_window.h"
#include "support_window.h"

#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace window_testing;

namespace {

const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

const char* const kResults[] = {"NGAP",    "TRAFGAP",  "FRINGGAP", "ALGAP",   "BPKGAP",   "DBGAP",
                                "FILOGAP", "RIEMPGAP", "RDCGAP",   "PNUCGAP", "PRAMEGAP", "TGAP"};

using Texts = QList<std::pair<QString, QString>>;

// The design data of the defaults, as typed under a decimal comma.
const Texts kDefaults = {{"LGAP", "100"},  {"IPKGAP", "5"},    {"IRMSGAP", "4,5"},
                         {"DIGAP", "1"},   {"FGAP", "100000"}, {"BMGAP", "300"},
                         {"JGAP", "4"},    {"TAMBGAP", "40"},  {"COREGAP", "ETD 29/16/10"},
                         {"MATGAP", "N87"}};

void TypeAll(QWidget* root, const Texts& texts) {
    for (const auto& [name, text] : texts)
        TypeInto(root, name, Local(text));
}

} // namespace

Q_DECLARE_METATYPE(Texts)

class GappedWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void subPageAndDefaults();
    void workedDesigns_data();
    void workedDesigns();
    void refusals_data();
    void refusals();
    void alarmLooksComeAndGo();
    void pickersApplyTheNameAlone();
    void calculationKeys();

private:
    QTemporaryDir emptyFolder_;
    std::unique_ptr<TForm1> window_;
};

void GappedWindow::initTestCase() {
    // The shipped library, and none in the current folder.
    QVERIFY(emptyFolder_.isValid());
    QVERIFY(QDir::setCurrent(emptyFolder_.path()));
    qputenv("VELKOR_DATA_DIR", VELKOR_SOURCE_DIR "/resources");
}

void GappedWindow::init() {
    window_ = std::make_unique<TForm1>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void GappedWindow::cleanup() {
    window_.reset();
}

void GappedWindow::subPageAndDefaults() {
    auto* subPages = Control<QTabWidget>(window_.get(), "PageControl2");
    QVERIFY(subPages);
    QCOMPARE(subPages->widget(2)->objectName(), QString("TabSheet7"));
    QCOMPARE(subPages->tabText(2), QString(" Con traferro "));
    QCOMPARE(subPages->currentIndex(), 0);
    QCOMPARE(Text(window_.get(), "LabelTitleGAP"),
             QString("Induttori su nucleo in ferrite con traferro"));
    for (const auto& [name, text] : kDefaults)
        QCOMPARE(Text(window_.get(), name), Local(text));
    for (const char* name : kResults) {
        auto* field = Control<QLineEdit>(window_.get(), name);
        QVERIFY2(field && field->isReadOnly() && field->text().isEmpty(), name);
    }
}

void GappedWindow::workedDesigns_data() {
    QTest::addColumn<Texts>("inputs");
    QTest::addColumn<Texts>("expected");
    QTest::newRow("the defaults") << Texts{}
                                  << Texts{{"NGAP", "  22"},
                                           {"TRAFGAP", "0,565"},
                                           {"FRINGGAP", "1,281"},
                                           {"ALGAP", "  207"},
                                           {"BPKGAP", " 297"},
                                           {"DBGAP", "  59"},
                                           {"FILOGAP", "9 × 0,40 (AWG 26)"},
                                           {"RIEMPGAP", "0,17"},
                                           {"RDCGAP", " 19,7"},
                                           {"PNUCGAP", "0,02"},
                                           {"PRAMEGAP", "0,42"},
                                           {"TGAP", " 49"}};
    QTest::newRow("E 25/13/7") << Texts{{"COREGAP", "E 25/13/7"}}
                               << Texts{{"NGAP", "  33"},
                                        {"TRAFGAP", "1,049"},
                                        {"FRINGGAP", "1,514"},
                                        {"ALGAP", "   92"},
                                        {"BPKGAP", " 292"},
                                        {"DBGAP", "  58"},
                                        {"FILOGAP", "9 × 0,40 (AWG 26)"},
                                        {"RIEMPGAP", "0,39"},
                                        {"RDCGAP", " 28,3"},
                                        {"PNUCGAP", "0,01"},
                                        {"PRAMEGAP", "0,65"},
                                        {"TGAP", " 59"}};
    QTest::newRow("470 µH in 3C90")
        << Texts{{"LGAP", "470"},   {"IPKGAP", "2"},  {"IRMSGAP", "1,8"}, {"DIGAP", "0,5"},
                 {"FGAP", "50000"}, {"BMGAP", "250"}, {"MATGAP", "3C90"}}
        << Texts{{"NGAP", "  50"},
                 {"TRAFGAP", "0,639"},
                 {"FRINGGAP", "1,309"},
                 {"ALGAP", "  188"},
                 {"BPKGAP", " 246"},
                 {"DBGAP", "  61"},
                 {"FILOGAP", "2 × 0,56 (AWG 23)"},
                 {"RIEMPGAP", "0,17"},
                 {"RDCGAP", "102,4"},
                 {"PNUCGAP", "0,01"},
                 {"PRAMEGAP", "0,35"},
                 {"TGAP", " 48"}};
}

void GappedWindow::workedDesigns() {
    QFETCH(Texts, inputs);
    QFETCH(Texts, expected);
    TypeAll(window_.get(), inputs);
    const QList<BoxSeen> boxes = AnswerAllBoxes([&] { Click(window_.get(), "SBCALCGAP"); });
    QVERIFY(boxes.isEmpty());
    QCOMPARE(Control<QTabWidget>(window_.get(), "PageControl2")->currentIndex(), 2);
    for (const auto& [name, text] : expected)
        QCOMPARE(Text(window_.get(), name), Local(text));
    for (const char* name : {"BPKGAP", "RIEMPGAP", "TGAP"})
        QVERIFY2(Background(window_.get(), name) != kRed, name);
    // The other sub-pages are as they were.
    for (const char* name : {"NSSS", "EDRESRAME", "NSNUC", "RRNUC"})
        QCOMPARE(Text(window_.get(), name), QString());
}

void GappedWindow::refusals_data() {
    QTest::addColumn<Texts>("inputs");
    QTest::addColumn<QString>("box");
    QTest::newRow("unknown core") << Texts{{"COREGAP", "ETD 99"}} << "Core";
    QTest::newRow("a toroid") << Texts{{"COREGAP", "T 25/15/10"}} << "Core";
    QTest::newRow("unknown material") << Texts{{"MATGAP", "N999"}} << "Materiale";
    QTest::newRow("zero frequency") << Texts{{"FGAP", "0"}} << "Frequenza";
}

void GappedWindow::refusals() {
    QFETCH(Texts, inputs);
    QFETCH(QString, box);
    // A design first, so that the refusal is seen to leave it.
    AnswerAllBoxes([&] { Click(window_.get(), "SBCALCGAP"); });
    QCOMPARE(Text(window_.get(), "NGAP"), QString("  22"));
    TypeAll(window_.get(), inputs);
    const QList<BoxSeen> boxes = AnswerAllBoxes([&] { Click(window_.get(), "SBCALCGAP"); });
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.front().text, "Campo errato o nullo : " + box);
    QCOMPARE(Text(window_.get(), "NGAP"), QString("  22"));
    QCOMPARE(Text(window_.get(), "TGAP"), QString(" 49"));
}

// Each check's alarm look comes with its failing design and goes with the defaults.
void GappedWindow::alarmLooksComeAndGo() {
    const std::pair<const char*, Texts> cases[] = {
        {"BPKGAP", {{"BMGAP", "450"}}},
        {"RIEMPGAP", {{"JGAP", "1"}}},
        {"TGAP", {{"COREGAP", "E 25/13/7"}, {"JGAP", "10"}, {"TAMBGAP", "60"}}},
    };
    AnswerAllBoxes([&] { Click(window_.get(), "SBCALCGAP"); });
    const QColor normal = Background(window_.get(), "BPKGAP");
    QVERIFY(normal != kRed);
    for (const auto& [field, inputs] : cases) {
        TypeAll(window_.get(), inputs);
        AnswerAllBoxes([&] { Click(window_.get(), "SBCALCGAP"); });
        QCOMPARE(Background(window_.get(), field), kRed);
        QCOMPARE(TextColour(window_.get(), field), kWhite);
        QVERIFY(Bold(window_.get(), field));
        TypeAll(window_.get(), kDefaults);
        AnswerAllBoxes([&] { Click(window_.get(), "SBCALCGAP"); });
        QCOMPARE(Background(window_.get(), field), normal);
        QVERIFY(!Bold(window_.get(), field));
    }
}

// Typed names applied with Enter take the library's canonical names and change nothing else;
// the design then runs on them.
void GappedWindow::pickersApplyTheNameAlone() {
    QWidget* root = window_.get();
    const QString ae = Text(root, "AE");
    TypeInto(root, "COREGAP", "e25/13/7");
    QTest::keyClick(Control<QLineEdit>(root, "COREGAP"), Qt::Key_Return);
    TypeInto(root, "MATGAP", "n87");
    QTest::keyClick(Control<QLineEdit>(root, "MATGAP"), Qt::Key_Return);
    QCOMPARE(Text(root, "COREGAP"), QString("E 25/13/7"));
    QCOMPARE(Text(root, "MATGAP"), QString("N87"));
    QCOMPARE(Text(root, "AE"), ae);
    for (const char* name : kResults)
        QCOMPARE(Text(root, name), QString());
    AnswerAllBoxes([&] { Click(root, "SBCALCGAP"); });
    QCOMPARE(Text(root, "NGAP"), QString("  33"));
    QCOMPARE(Text(root, "TGAP"), QString(" 59"));
}

// F9 and Ctrl+Return press this sub-page's "Calcola", also from a field; its hint names them.
void GappedWindow::calculationKeys() {
    QWidget* root = window_.get();
    TypeInto(root, "LGAP", "100"); // shows the sub-page, the field keeps the focus
    AnswerAllBoxes([&] { QTest::keyClick(Control<QLineEdit>(root, "LGAP"), Qt::Key_F9); });
    QCOMPARE(Text(root, "NGAP"), QString("  22"));
    TypeInto(root, "COREGAP", "E 25/13/7");
    AnswerAllBoxes([&] {
        QTest::keyClick(Control<QLineEdit>(root, "COREGAP"), Qt::Key_Return, Qt::ControlModifier);
    });
    QCOMPARE(Text(root, "NGAP"), QString("  33"));
    QVERIFY(FindControl(root, "SBCALCGAP")->toolTip().endsWith(" (F9 o Ctrl+Invio)"));
}

QTEST_MAIN(GappedWindow)
#include "test_gapped_window.moc"
