// Every text of the window readable under the default light palette and under a dark Fusion
// palette: each page and sub-page is drawn after the worked examples and after designs that
// raise the alarm looks, and every visible control that shows text is measured on its picture
// (WCAG 2.1 contrast ratio, support_contrast.h): each text is drawn once as shown and once in
// no colour, and its pixels are measured against what lies behind them, buttons and drop-downs
// included. The graphics that identify a control reach 3 : 1 against what surrounds them: radio
// and check indicators, the buttons' pictures (along their edge), the spin and list arrows.
// Also: the window following a palette change, looks named in the light palette kept exactly,
// and the hints readable. With VELKOR_SCREENSHOTS set, writes a picture of every page in each
// palette.
#include "looks.h"
#include "main_window.h"
#include "manual_loader.h"
#include "support_contrast.h"
#include "support_window.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

using namespace window_testing;
using velkor::ui::ContrastRatio;

namespace {

const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

// A dark Fusion palette as desktops set it: dark grey window and fields, white text.
QPalette DarkFusion(const QColor& tipBase = QColor(53, 53, 53), const QColor& tipText = kWhite) {
    QPalette dark;
    const QColor window(53, 53, 53), base(42, 42, 42), grey(127, 127, 127);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, kWhite);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    dark.setColor(QPalette::ToolTipBase, tipBase);
    dark.setColor(QPalette::ToolTipText, tipText);
    dark.setColor(QPalette::Text, kWhite);
    dark.setColor(QPalette::PlaceholderText, grey);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, kWhite);
    dark.setColor(QPalette::BrightText, kRed);
    dark.setColor(QPalette::Link, QColor(42, 130, 218));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, QColor(35, 35, 35));
    dark.setColor(QPalette::Light, QColor(90, 90, 90));
    dark.setColor(QPalette::Midlight, QColor(66, 66, 66));
    dark.setColor(QPalette::Mid, QColor(44, 44, 44));
    dark.setColor(QPalette::Dark, QColor(35, 35, 35));
    dark.setColor(QPalette::Shadow, QColor(20, 20, 20));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, grey);
    return dark;
}

// The pages and sub-pages of the window: page index, sub-page index, name.
struct Shown {
    int page;
    int subPage;
    const char* name;
};
constexpr Shown kShown[] = {
    {0, 0, "inductors_single_layer"},
    {0, 1, "inductors_closed_core"},
    {0, 2, "inductors_gapped"},
    {1, 0, "ferrite"},
    {2, 0, "mains"},
    {3, 0, "manual"},
    {4, 0, "flyback"},
};

// Every page in turn: `look` called with the window showing it, and its name.
void ForEachPage(QWidget* window, const std::function<void(const QString&)>& look) {
    auto* pages = Control<QTabWidget>(window, "PageControl1");
    auto* subPages = Control<QTabWidget>(window, "PageControl2");
    for (const Shown& shown : kShown) {
        pages->setCurrentIndex(shown.page);
        subPages->setCurrentIndex(shown.subPage);
        QApplication::processEvents();
        look(QString::fromLatin1(shown.name));
    }
}

void TypeSecondary(QWidget* root, const char* volts, const char* amps) {
    TypeIntoCell(root, "SGTAINSEC", 0, 1, volts);
    TypeIntoCell(root, "SGTAINSEC", 1, 1, amps);
}

void TypeBobbin(QWidget* root, const char* side) {
    TypeInto(root, "EDDIAM", Local("0,5"));
    for (const auto& [name, text] : {std::pair{"NSNUC", "100"},
                                     {"D1NUC", "10"},
                                     {"D2NUC", "10"},
                                     {"D3NUC", "20"},
                                     {"D4NUC", side},
                                     {"D5NUC", "20"}})
        TypeInto(root, name, text);
}

// The worked examples of every page: the resonance and the single-layer coil, a bobbin that
// fits, the default ferrite design, the mains transformer of one 12 V, 2 A secondary, the
// default flyback.
void RunWorkedExamples(QWidget* root) {
    RunResonanceAndCoil(root);
    TypeBobbin(root, "13");
    AnswerAllBoxes([&] { Click(root, "SBALTRONUC"); });
    AnswerAllBoxes([&] { Click(root, "SBCALC"); });
    TypeSecondary(root, "12", "2");
    AnswerAllBoxes([&] { Click(root, "SBTACALC"); });
    QCOMPARE(Text(root, "RAPIMPAC"), Local("0,28"));
    AnswerAllBoxes([&] { Click(root, "SBCALCGAP"); });
    QCOMPARE(Text(root, "NGAP"), QString("  22"));
    AnswerAllBoxes([&] { Click(root, "SBCALCFB"); });
}

// Designs that raise the alarm looks: an overflowing bobbin, a core window too small for the
// ferrite design, an oversize lamination with an overfull typed bobbin, a flyback whose whole
// turns push the duty over and whose flux passes saturation.
void RunAlarms(QWidget* root) {
    TypeBobbin(root, "12");
    AnswerAllBoxes([&] { Click(root, "SBALTRONUC"); });
    TypeInto(root, "AC", "10");
    AnswerAllBoxes([&] { Click(root, "SBCALC"); });
    TypeSecondary(root, "100", "20");
    Click(root, "CBAUTOCART");
    TypeInto(root, "TACA", Local("83,5"));
    TypeInto(root, "TACC", "119");
    TypeInto(root, "TACX", "90");
    AnswerAllBoxes([&] { Click(root, "SBTACALC"); });
    // A gapped core past saturation, its window and its temperature.
    TypeInto(root, "COREGAP", "E 25/13/7");
    TypeInto(root, "BMGAP", "450");
    TypeInto(root, "JGAP", "2");
    TypeInto(root, "TAMBGAP", "120");
    AnswerAllBoxes([&] { Click(root, "SBCALCGAP"); });
    TypeInto(root, "DMAXFB", Local("0,33"));
    TypeInto(root, "BMFB", "450");
    AnswerAllBoxes([&] { Click(root, "SBCALCFB"); });
    for (const char* name : {"D4NUC", "D5NUC", "AEAC", "TALC", "RAPIMPAC", "TADT", "BPKGAP",
                             "RIEMPGAP", "TGAP", "DFB", "BPKFB"})
        QVERIFY2(Background(root, name) == kRed, name);
}

// The scenarios of the test rows, by name.
void RunScenario(const QString& name, QWidget* root) {
    if (name == QLatin1String("alarms"))
        RunAlarms(root);
    else
        RunWorkedExamples(root);
}

// Runs the test window in `start`, a scenario, then switches to `then` (when valid).
class PaletteFixture {
public:
    explicit PaletteFixture(const QPalette& start) { QApplication::setPalette(start); }
    ~PaletteFixture() { QApplication::setPalette(initial_); }
    PaletteFixture(const PaletteFixture&) = delete;
    PaletteFixture& operator=(const PaletteFixture&) = delete;

private:
    QPalette initial_ = QApplication::palette();
};

// The window opened with the manual in place, as a user starts the program.
std::unique_ptr<Window> OpenWindow() {
    // The parts library, read when the flyback page first calculates, from the shipped data.
    qputenv(velkor::kDataDirVariable, VELKOR_SOURCE_DIR "/resources");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(VELKOR_SOURCE_DIR "/resources");
    auto window = std::make_unique<Window>();
    QDir::setCurrent(previous);
    return window;
}

} // namespace

class TestPalettes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void contrastRatio_data();
    void contrastRatio();
    void everyTextReadable_data();
    void everyTextReadable();
    void lightLooksKeptAfterDark();
    void hintsReadable_data();
    void hintsReadable();

private:
    QPalette light_;
};

void TestPalettes::initTestCase() {
    // The gapped-core designs look their core up in the shipped library.
    qputenv("VELKOR_DATA_DIR", VELKOR_SOURCE_DIR "/resources");
    light_ = QApplication::palette();
    QVERIFY(!velkor::ui::IsDark(light_));
    QVERIFY(velkor::ui::IsDark(DarkFusion()));
}

void TestPalettes::contrastRatio_data() {
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << kWhite << 21.0;
    QTest::newRow("same colour") << QColor(118, 118, 118) << QColor(118, 118, 118) << 1.0;
    QTest::newRow("white on alarm red") << kWhite << kRed << 3.998;
    QTest::newRow("black on alarm red") << QColor(Qt::black) << kRed << 5.252;
    QTest::newRow("AA grey on white") << QColor(118, 118, 118) << kWhite << 4.542;
}

void TestPalettes::contrastRatio() {
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(ContrastRatio(first, second) - ratio) < 0.005,
             qPrintable(QString::number(ContrastRatio(first, second))));
    QCOMPARE(ContrastRatio(second, first), ContrastRatio(first, second));
}

void TestPalettes::everyTextReadable_data() {
    QTest::addColumn<QPalette>("start");
    QTest::addColumn<QPalette>("then"); // switched to after the scenario; start again if equal
    QTest::addColumn<QString>("scenario");
    const QPalette dark = DarkFusion();
    const QString worked = QStringLiteral("worked examples");
    const QString alarms = QStringLiteral("alarms");
    QTest::newRow("light, worked examples") << light_ << light_ << worked;
    QTest::newRow("light, alarms") << light_ << light_ << alarms;
    QTest::newRow("dark, worked examples") << dark << dark << worked;
    QTest::newRow("dark, alarms") << dark << dark << alarms;
    QTest::newRow("light to dark, worked examples") << light_ << dark << worked;
    QTest::newRow("light to dark, alarms") << light_ << dark << alarms;
    QTest::newRow("dark to light, alarms") << dark << light_ << alarms;
}

void TestPalettes::everyTextReadable() {
    QFETCH(QPalette, start);
    QFETCH(QPalette, then);
    QFETCH(QString, scenario);
    PaletteFixture palette(start);
    const auto window = OpenWindow();
    RunScenario(scenario, window->get());
    if (QTest::currentTestFailed())
        return;
    QApplication::setPalette(then);
    QApplication::processEvents();

    const QString row = QString::fromUtf8(QTest::currentDataTag());
    const QString folder = qEnvironmentVariable("VELKOR_SCREENSHOTS");
    QStringList faults;
    ForEachPage(window->get(), [&](const QString& page) {
        faults << Unreadable(window->get(), page);
        if (!folder.isEmpty())
            QVERIFY(window->get()->grab().save(
                QStringLiteral("%1/palette_%2_%3.png")
                    .arg(folder, QString(row).replace(", ", "_").replace(' ', '_'), page)));
    });
    faults.removeDuplicates();
    if (!faults.isEmpty()) // every fault, beyond what a failure message holds
        qWarning().noquote() << faults.join('\n');
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestPalettes::lightLooksKeptAfterDark() {
    // Looks set under the light palette, through a dark one and back, are the named colours
    // again: the tints, the alarm, the window-text colours and the navy and green captions.
    PaletteFixture palette(light_);
    const auto window = OpenWindow();
    QWidget* root = window->get();
    RunAlarms(root);
    const auto looks = [&] {
        QStringList seen;
        for (const char* name : {"AEAC", "BMAXEFF", "TALC", "RAPIMPAC", "TAPERTOT", "TADT", "TASVS",
                                 "D4NUC", "D1NUC", "TANSP", "Edit1", "VPMIN"})
            seen << QStringLiteral("%1 %2 %3 %4")
                        .arg(name, Background(root, name).name(), TextColour(root, name).name())
                        .arg(Bold(root, name));
        for (const char* name : {"GroupBox1", "GroupBox4", "LabelVPMIN"})
            seen << name +
                        Control<QWidget>(root, name)->palette().color(QPalette::WindowText).name();
        seen << root->palette().color(QPalette::WindowText).name();
        seen << Control<QTableWidget>(root, "SGTAINSEC")->item(0, 0)->background().color().name();
        return seen;
    };
    const QStringList before = looks();
    QApplication::setPalette(DarkFusion());
    QApplication::processEvents();
    QVERIFY(Background(root, "BMAXEFF") != QColor(214, 252, 254));
    QCOMPARE(Background(root, "AEAC"), kRed);
    QCOMPARE(TextColour(root, "AEAC"), kWhite);
    QVERIFY(Bold(root, "AEAC"));
    QCOMPARE(Background(root, "TALC"), kRed);
    QCOMPARE(TextColour(root, "TALC"), kWhite);
    QApplication::setPalette(light_);
    QApplication::processEvents();
    QCOMPARE(looks(), before);
    QCOMPARE(Background(root, "BMAXEFF"), QColor(214, 252, 254));
    QCOMPARE(Background(root, "TADT"), kRed); // 2000 VA rise above 65 °C
    QCOMPARE(TextColour(root, "TADT"), kWhite);
    QCOMPARE(Background(root, "TASVS"), QColor(216, 228, 248));
}

void TestPalettes::hintsReadable_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << light_;
    QTest::newRow("dark") << DarkFusion();
    // A common dark palette whose hints are white on white.
    QTest::newRow("dark, white hints") << DarkFusion(kWhite, kWhite);
}

void TestPalettes::hintsReadable() {
    QFETCH(QPalette, palette);
    PaletteFixture fixture(light_);
    const auto window = OpenWindow();
    QApplication::setPalette(palette);
    QApplication::processEvents();
    QWidget* field = FindControl(window->get(), "EDDIAM");
    QToolTip::showText(field->mapToGlobal(QPoint(4, 4)), field->toolTip(), field);
    QWidget* tip = nullptr;
    QTRY_VERIFY((tip = [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel") && top->isVisible())
                return top;
        return static_cast<QWidget*>(nullptr);
    }()));
    const Reading reading = Read(tip->grab(tip->rect().adjusted(2, 2, -2, -2)).toImage());
    QToolTip::hideText();
    QVERIFY2(reading.contrast >= kNormalText,
             qPrintable(QStringLiteral("%1 on %2: %3")
                            .arg(reading.text.name(), reading.background.name())
                            .arg(reading.contrast)));
}

QTEST_MAIN(TestPalettes)
#include "test_palettes.moc"
