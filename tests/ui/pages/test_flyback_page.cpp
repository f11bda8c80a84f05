// The flyback page through the real window: where it stands among the pages, its fields, the
// worked cases typed with real key events and "Calcola", an alarm look, a refusal box and the
// report of page 4.
#include "main_window.h"
#include "manual_loader.h"
#include "report_commands.h"
#include "support_window.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <tuple>
#include <utility>
#include <vector>

using namespace window_testing;

namespace {

using Texts = std::vector<std::pair<const char*, const char*>>; // decimal comma as ','

const QColor kFerriteTint(214, 252, 254);
const QColor kRed(255, 0, 0);

const char* const kResults[] = {"NRATFB",  "LPFB",   "IPKFB",   "IRMSPFB", "IRMSSFB",
                                "NPFB",    "NSFB",   "DFB",     "VORFB",   "VDSFB",
                                "TRAFFB",  "BPKFB",  "DBFB",    "FILOPFB", "FILOSFB",
                                "RIEMPFB", "PNUCFB", "PRAMEFB", "TFB",     "RENDFB"};

// Types each input (a spin field or a name) and clicks "Calcola"; no box may open.
void Calculate(QWidget* root, const Texts& inputs) {
    for (const auto& [field, text] : inputs)
        TypeInto(root, field, Local(QString::fromUtf8(text)));
    const QList<BoxSeen> boxes = AnswerAllBoxes([&] { Click(root, "SBCALCFB"); });
    QVERIFY2(boxes.isEmpty(), boxes.isEmpty() ? "" : qPrintable(boxes[0].text));
}

} // namespace

class TestFlybackPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pageIndexContract();
    void fieldsAndDefaults();
    void workedCases_data();
    void workedCases();
    void dutyAlarmOnAndOff();
    void vinMaxBelowVinMinIsRefused();
    void pickersApplyTheNameAlone();
    void reportOfPageFour();
};

void TestFlybackPage::initTestCase() {
    // The window finds the shipped parts library as an installation's data folder.
    qputenv(velkor::kDataDirVariable, VELKOR_SOURCE_DIR "/resources");
}

void TestFlybackPage::pageIndexContract() {
    Window window;
    auto* pages = Control<QTabWidget>(window.get(), "PageControl1");
    QVERIFY(pages);
    const std::pair<const char*, const char*> expected[] = {
        {"TabSheet2", " Induttanze "},
        {"TabSheet1", " Trasformatori ferrite "},
        {"TabSheet6", " Trasformatori di alimentazione "},
        {"TabSheet4", "Documentazione"},
        {"TabSheet8", " Flyback "},
    };
    QCOMPARE(pages->count(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(pages->widget(i)->objectName(), QString(expected[i].first));
        QCOMPARE(pages->tabText(i), QString(expected[i].second));
    }
    QVERIFY(pages->widget(4)->isAncestorOf(FindControl(window.get(), "SBCALCFB")));
}

void TestFlybackPage::fieldsAndDefaults() {
    Window window;
    const std::pair<const char*, const char*> defaults[] = {
        {"VINMINFB", "100"},     {"VINMAXFB", "375"}, {"VOUTFB", "12"},   {"IOUTFB", "2"},
        {"VFFB", "0,7"},         {"FSWFB", "100000"}, {"DMAXFB", "0,45"}, {"ETAFB", "85"},
        {"KRPFB", "0,6"},        {"BMFB", "300"},     {"JFB", "5"},       {"TAMBFB", "40"},
        {"COREFB", "E 25/13/7"}, {"MATFB", "N87"},
    };
    for (const auto& [field, text] : defaults)
        QCOMPARE(Text(window.get(), field), Local(QString::fromUtf8(text)));
    QCOMPARE(Text(window.get(), "LabelKRPFB"), QString("Ondulazione KRP"));
    QCOMPARE(FindControl(window.get(), "KRPFB")->toolTip(),
             QString::fromUtf8("ΔI / Ipicco del primario a VIN min: 1 = modo discontinuo al "
                               "limite, meno di 1 = modo continuo"));
    for (const char* field : kResults) {
        auto* edit = Control<QLineEdit>(window.get(), field);
        QVERIFY2(edit && edit->isReadOnly(), field);
        QVERIFY2(!edit->property("velkorHint").toString().isEmpty(), field);
    }
    QCOMPARE(Text(window.get(), "LabelRENDFB"), QString("Rendimento trasformatore (%)"));
    QCOMPARE(Control<QAbstractButton>(window.get(), "SBCALCFB")->text(), QString("Calcola"));
}

void TestFlybackPage::workedCases_data() {
    QTest::addColumn<Texts>("inputs");
    QTest::addColumn<Texts>("expected");
    QTest::newRow("defaults") << Texts{}
                              << Texts{{"NRATFB", "6,125"},
                                       {"LPFB", " 836,7"},
                                       {"IPKFB", "0,907"},
                                       {"NPFB", "  49"},
                                       {"NSFB", "   8"},
                                       {"VDSFB", "452,8"},
                                       {"TRAFFB", "0,187"},
                                       {"FILOPFB", "1 × 0,355 (AWG 27)"},
                                       {"FILOSFB", "5 × 0,40 (AWG 26)"},
                                       {"TFB", " 68"},
                                       {"RENDFB", "96,2"}};
    QTest::newRow("KRP 1") << Texts{{"KRPFB", "1"}}
                           << Texts{{"LPFB", " 358,6"}, {"IPKFB", "1,257"}, {"NPFB", "  29"},
                                    {"NSFB", "   5"},   {"DBFB", " 299"},   {"TFB", " 72"}};
    QTest::newRow("EFD 25/13/9") << Texts{{"VINMINFB", "200"}, {"VOUTFB", "5"},
                                          {"IOUTFB", "4"},     {"VFFB", "0,5"},
                                          {"FSWFB", "65000"},  {"DMAXFB", "0,4"},
                                          {"ETAFB", "80"},     {"KRPFB", "0,5"},
                                          {"BMFB", "280"},     {"COREFB", "EFD 25/13/9"},
                                          {"MATFB", "N97"}}
                                 << Texts{{"LPFB", "5907,7"},
                                          {"NPFB", " 153"},
                                          {"NSFB", "   6"},
                                          {"DFB", "0,412"},
                                          {"VDSFB", "515,3"},
                                          {"TRAFFB", "0,318"},
                                          {"FILOSFB", "6 × 0,50 (AWG 24)"},
                                          {"TFB", " 57"}};
}

void TestFlybackPage::workedCases() {
    QFETCH(Texts, inputs);
    QFETCH(Texts, expected);
    Window window;
    Calculate(window.get(), inputs);
    for (const auto& [field, text] : expected)
        QCOMPARE(Text(window.get(), field), Local(QString::fromUtf8(text)));
}

void TestFlybackPage::dutyAlarmOnAndOff() {
    Window window;
    Calculate(window.get(), {{"DMAXFB", "0,33"}});
    QCOMPARE(Background(window.get(), "DFB"), kRed);
    QVERIFY(Bold(window.get(), "DFB"));
    Calculate(window.get(), {{"DMAXFB", "0,45"}});
    QCOMPARE(Background(window.get(), "DFB"), kFerriteTint);
    QVERIFY(!Bold(window.get(), "DFB"));
}

void TestFlybackPage::vinMaxBelowVinMinIsRefused() {
    Window window;
    Calculate(window.get(), {});
    const QString lp = Text(window.get(), "LPFB");
    TypeInto(window.get(), "KRPFB", "1");
    TypeInto(window.get(), "VINMAXFB", "90");
    const QList<BoxSeen> boxes = AnswerAllBoxes([&] { Click(window.get(), "SBCALCFB"); });
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QString("Campo errato o nullo : VIN max"));
    QCOMPARE(Text(window.get(), "LPFB"), lp);
}

void TestFlybackPage::pickersApplyTheNameAlone() {
    Window window;
    QWidget* root = window.get();
    for (const auto& [field, typed, applied] :
         {std::tuple{"COREFB", "efd25/13/9", "EFD 25/13/9"}, {"MATFB", "n97", "N97"}}) {
        TypeInto(root, field, typed);
        QTest::keyClick(FindControl(root, field), Qt::Key_Return);
        QCOMPARE(Text(root, field), QString(applied));
    }
    // Nothing else is written: the inputs keep their texts, the results stay empty.
    QCOMPARE(Text(root, "BMFB"), QString("300"));
    QCOMPARE(Text(root, "VINMINFB"), QString("100"));
    for (const char* field : kResults)
        QVERIFY2(Text(root, field).isEmpty(), field);
}

void TestFlybackPage::reportOfPageFour() {
    Window window;
    Calculate(window.get(), {});
    velkor::reports::FillActiveReport(window.get());
    auto* form = window->findChild<QWidget*>("Form5");
    QVERIFY(form);
    const QObject* label = form->findChild<QObject*>("QRFBLP");
    QVERIFY(label);
    QCOMPARE(label->property("text").toString(), Local(QString::fromUtf8("836,7 µH")));
}

QTEST_MAIN(TestFlybackPage)
#include "test_flyback_page.moc"
