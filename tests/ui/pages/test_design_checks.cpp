// The design checks through the real window: Nagaoka's correction on the single-layer
// sub-page after each of its five buttons, the skin depth, the wires to buy and the window
// fill on the ferrite page, what a failing calculation leaves of them, and where they stand.
#include "main_window.h"
#include "support_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace window_testing;

namespace {

const QColor kFerriteTint(214, 252, 254);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

// The controls these checks add, with the captions and unit labels beside them.
const char* const kNewControls[] = {
    "LabelEDKNAGSS", "EDKNAGSS",      "LabelEDCORRSS", "EDCORRSS", "UnitEDCORRSS",
    "LabelFILOP",    "FILOP",         "LabelFILOS",    "FILOS",    "LabelDELTAFER",
    "DELTAFER",      "LabelRIEMPFER", "RIEMPFER",
};

bool ReadOnly(QWidget* root, const QString& name) {
    auto* edit = Control<QLineEdit>(root, name);
    return edit && edit->isReadOnly();
}

// The single-layer sub-page of the worked values: D 10 mm, l 20 mm, µe 1, no wire diameter.
void TypeCoil(QWidget* root) {
    TypeInto(root, "DSS", "10");
    TypeInto(root, "LSS", "20");
}

} // namespace

class TestDesignChecks : public QObject {
    Q_OBJECT
private slots:
    void nagaokaAfterEachButton_data();
    void nagaokaAfterEachButton();
    void nagaokaAfterAFailingButton();
    void ferriteChecks_data();
    void ferriteChecks();
    void ferriteChecksAfterAFailingDesign();
    void newControlsStandClear();
};

void TestDesignChecks::nagaokaAfterEachButton_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("inductance"); // µH; empty: not typed
    QTest::addColumn<QString>("turns");      // empty: not typed
    QTest::addColumn<QString>("k");
    QTest::addColumn<QString>("corrected"); // decimal comma written as ','
    QTest::addColumn<QString>("unit");
    QTest::newRow("turns") << "SBCNSSS"
                           << "100"
                           << ""
                           << "0,8181"
                           << " 157,4"
                           << "spire";
    QTest::newRow("inductance") << "SBCISS"
                                << ""
                                << "20"
                                << "0,8181"
                                << "1,615"
                                << "µH";
    QTest::newRow("diameter") << "SBCDSS"
                              << "100"
                              << "142,4"
                              << "0,8182"
                              << "11,2"
                              << "mm";
    QTest::newRow("length") << "SBCLSS"
                            << "100"
                            << "142,4"
                            << "0,8182"
                            << "15,5"
                            << "mm";
    QTest::newRow("permeability") << "SBCMESS"
                                  << "100"
                                  << "142,4"
                                  << "0,8181"
                                  << " 1,22"
                                  << "";
}

void TestDesignChecks::nagaokaAfterEachButton() {
    QFETCH(QString, button);
    QFETCH(QString, inductance);
    QFETCH(QString, turns);
    QFETCH(QString, k);
    QFETCH(QString, corrected);
    QFETCH(QString, unit);
    Window window;
    QWidget* root = window.get();
    TypeCoil(root);
    if (!inductance.isEmpty())
        TypeInto(root, "ISS", inductance);
    if (!turns.isEmpty())
        TypeInto(root, "NSSS", Local(turns));
    QVERIFY(AnswerAllBoxes([&] { Click(root, button); }).isEmpty());
    QCOMPARE(Text(root, "EDKNAGSS"), Local(k));
    QCOMPARE(Text(root, "EDCORRSS"), Local(corrected));
    QCOMPARE(Text(root, "UnitEDCORRSS"), unit);
    QCOMPARE(Text(root, "LabelEDKNAGSS"), QString("K Nagaoka"));
    QCOMPARE(Text(root, "LabelEDCORRSS"), QString("Con correzione di Nagaoka"));
    // Read-only results in the tint of the sub-page's other results.
    for (const char* name : {"EDKNAGSS", "EDCORRSS"}) {
        QVERIFY2(ReadOnly(root, name), name);
        QCOMPARE(Background(root, name), Background(root, "EDDMFSC"));
    }
}

void TestDesignChecks::nagaokaAfterAFailingButton() {
    Window window;
    QWidget* root = window.get();
    TypeCoil(root);
    TypeInto(root, "ISS", "100");
    Click(root, "SBCNSSS");
    QCOMPARE(Text(root, "EDCORRSS"), Local(" 157,4"));
    // A zero permeability stops the turns with a box: the correction keeps its texts.
    TypeInto(root, "MESS", "0");
    const QList<BoxSeen> boxes = AnswerAllBoxes([&] { Click(root, "SBCNSSS"); });
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QString("Campo errato o nullo : Permeabilità relativa nucleo"));
    QCOMPARE(Text(root, "EDKNAGSS"), Local("0,8181"));
    QCOMPARE(Text(root, "EDCORRSS"), Local(" 157,4"));
    QCOMPARE(Text(root, "UnitEDCORRSS"), QString("spire"));
    // A coil of no diameter completes its derived values but has no correction.
    TypeInto(root, "MESS", "1");
    TypeInto(root, "DSS", "0");
    TypeInto(root, "NSSS", "20");
    QVERIFY(AnswerAllBoxes([&] { Click(root, "SBCISS"); }).isEmpty());
    QCOMPARE(Text(root, "EDKNAGSS"), QString("?"));
    QCOMPARE(Text(root, "EDCORRSS"), QString("?"));
    QCOMPARE(Text(root, "UnitEDCORRSS"), QString());
}

void TestDesignChecks::ferriteChecks_data() {
    QTest::addColumn<QString>("field"); // an input changed from its default; empty: none
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("depth");
    QTest::addColumn<QString>("primary");
    QTest::addColumn<QString>("secondary");
    QTest::addColumn<QString>("fill");
    QTest::addColumn<bool>("alarm");
    const QString primary = "1 × 0,80 (AWG 20)";
    const QString secondary = "1 × 0,10 (AWG 38)";
    QTest::newRow("defaults") << ""
                              << ""
                              << "0,473" << primary << secondary << "0,37" << false;
    QTest::newRow("small window") << "AC"
                                  << "10"
                                  << "0,473" << primary << secondary << "1,12" << true;
    QTest::newRow("no window") << "AC"
                               << "0"
                               << "0,473" << primary << secondary << "?" << true;
    QTest::newRow("100 kHz") << "FREQ"
                             << "100000"
                             << "0,212"
                             << "11 × 0,40 (AWG 26)" << secondary << "0,12" << false;
}

void TestDesignChecks::ferriteChecks() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, depth);
    QFETCH(QString, primary);
    QFETCH(QString, secondary);
    QFETCH(QString, fill);
    QFETCH(bool, alarm);
    Window window;
    QWidget* root = window.get();
    if (!field.isEmpty())
        TypeInto(root, field, text);
    QVERIFY(AnswerAllBoxes([&] { Click(root, "SBCALC"); }).isEmpty());
    QCOMPARE(Text(root, "DELTAFER"), Local(depth));
    QCOMPARE(Text(root, "FILOP"), Local(primary));
    QCOMPARE(Text(root, "FILOS"), Local(secondary));
    QCOMPARE(Text(root, "RIEMPFER"), Local(fill));
    QCOMPARE(Background(root, "RIEMPFER"), alarm ? kRed : kFerriteTint);
    QCOMPARE(TextColour(root, "RIEMPFER"), alarm ? kWhite : TextColour(root, "DFP"));
    QCOMPARE(Bold(root, "RIEMPFER"), alarm);
    for (const char* name : {"DELTAFER", "FILOP", "FILOS", "RIEMPFER"})
        QVERIFY2(ReadOnly(root, name), name);
    for (const char* name : {"DELTAFER", "FILOP", "FILOS"})
        QCOMPARE(Background(root, name), kFerriteTint);
    // A fitting window after a full one returns the fill to the page's look.
    if (alarm) {
        TypeInto(root, "AC", "30");
        Click(root, "SBCALC");
        QCOMPARE(Text(root, "RIEMPFER"), Local("0,37"));
        QCOMPARE(Background(root, "RIEMPFER"), kFerriteTint);
        QVERIFY(!Bold(root, "RIEMPFER"));
    }
}

void TestDesignChecks::ferriteChecksAfterAFailingDesign() {
    Window window;
    QWidget* root = window.get();
    TypeInto(root, "AC", "10");
    Click(root, "SBCALC");
    QCOMPARE(Background(root, "RIEMPFER"), kRed);
    // A zero current density stops the design at its third step: the checks stay as they were.
    TypeInto(root, "AC", "30");
    TypeInto(root, "DCMQ", "0");
    const BoxSeen box = AnswerNextBox([&] { Click(root, "SBCALC"); });
    QCOMPARE(box.text, QString("Floating point division by zero."));
    QCOMPARE(Text(root, "AEAC"), Local("0,1560"));
    QCOMPARE(Text(root, "DELTAFER"), Local("0,473"));
    QCOMPARE(Text(root, "FILOP"), Local("1 × 0,80 (AWG 20)"));
    QCOMPARE(Text(root, "RIEMPFER"), Local("1,12"));
    QCOMPARE(Background(root, "RIEMPFER"), kRed);
    QVERIFY(Bold(root, "RIEMPFER"));
}

void TestDesignChecks::newControlsStandClear() {
    // Each new control lies inside its container and on no other control beside it.
    Window window;
    for (const char* name : kNewControls) {
        QWidget* widget = FindControl(window.get(), name);
        QVERIFY2(widget, name);
        QWidget* parent = widget->parentWidget();
        QVERIFY2(parent->rect().contains(widget->geometry()), name);
        for (QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == widget || other->isHidden() || other->objectName().isEmpty())
                continue;
            QVERIFY2(!other->geometry().intersects(widget->geometry()),
                     qPrintable(QString("%1 and %2").arg(name, other->objectName())));
        }
    }
}

QTEST_MAIN(TestDesignChecks)
#include "test_design_checks.moc"
