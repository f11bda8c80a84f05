// The flyback report: its fill from the page's fields, what a page without results gives, and
// that page 4 fills this report alone.
#include "fill_support.h"
#include "report_commands.h"
#include "report_fills.h"
#include "support_fake_window.h"
#include "support_report_access.h"

#include <QLineEdit>
#include <QtTest>

#include <utility>

using velkor::testing::FakeMainWindow;
using velkor::testing::Regional;
using velkor::testing::ReportPicture;
using velkor::testing::ReportText;
using namespace velkor::reports;

class FlybackReport : public QObject {
    Q_OBJECT
private slots:
    void workedExample_data();
    void workedExample();
    void beforeAnyCalculation();
    void questionMarkCarriesNoUnit();
    void alarmLooksPrintTheirMark();
    void onlyPageFourFillsIt();
};

void FlybackReport::workedExample_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected"); // decimal point written as '.'
    const std::pair<const char*, const char*> rows[] = {
        {"QRFBVINMIN", "100 V"},
        {"QRFBVINMAX", "375 V"},
        {"QRFBVOUT", "12 V"},
        {"QRFBIOUT", "2 A"},
        {"QRFBVF", "0.7 V"},
        {"QRFBFSW", "100000 Hz"},
        {"QRFBDMAX", "0.45"},
        {"QRFBETA", "85 %"},
        {"QRFBKRP", "0.6"},
        {"QRFBCORE", "E 25/13/7"},
        {"QRFBMAT", "N87"},
        {"QRFBBMAX", "300 mT"},
        {"QRFBDENS", "5 A/mm²"},
        {"QRFBTAMB", "40 °C"},
        {"QRFBTRAF", "0.187 mm"},
        {"QRFBBPK", "299 mT"},
        {"QRFBDB", "254 mT"},
        {"QRFBNP", "49"},
        {"QRFBLP", "836.7 µH"},
        {"QRFBD", "0.438"},
        {"QRFBIPK", "0.907 A"},
        {"QRFBIRMSP", "0.438 A"},
        {"QRFBVDS", "452.8 V"},
        {"QRFBFILOP", "1 × 0.355 (AWG 27)"},
        {"QRFBNS", "8"},
        {"QRFBNRAT", "6.125"},
        {"QRFBVOR", "77.8 V"},
        {"QRFBIRMSS", "2.755 A"},
        {"QRFBFILOS", "5 × 0.40 (AWG 26)"},
        {"QRFBPNUC", "0.54 W"},
        {"QRFBPRAME", "0.41 W"},
        {"QRFBRIEMP", "0.10"},
        {"QRFBTEMP", "68 °C"},
        {"QRFBREND", "96.2 %"},
    };
    for (const auto& [label, expected] : rows)
        QTest::newRow(label) << QString(label) << QString::fromUtf8(expected);
}

void FlybackReport::workedExample() {
    QFETCH(QString, label);
    QFETCH(QString, expected);
    FakeMainWindow main;
    main.FlybackWorkedExample();
    FillFlybackReport(&main);
    QCOMPARE(ReportText(&main, "Form5", label.toLatin1()), Regional(expected));
    QCOMPARE(ReportPicture(&main, "Form5", "QRFBIMAGE"), QString(":/pictures/image8_flyback.svg"));
}

void FlybackReport::beforeAnyCalculation() {
    FakeMainWindow main;
    FillFlybackReport(&main);
    QCOMPARE(ReportText(&main, "Form5", "QRFBVINMIN"), QString("100 V"));
    QCOMPARE(ReportText(&main, "Form5", "QRFBCORE"), QString("E 25/13/7"));
    for (const char* label : {"QRFBLP", "QRFBNP", "QRFBTEMP", "QRFBFILOP"})
        QCOMPARE(ReportText(&main, "Form5", label), QString());
}

void FlybackReport::questionMarkCarriesNoUnit() {
    FakeMainWindow main;
    main.FlybackWorkedExample();
    for (const char* field : {"TRAFFB", "PNUCFB", "TFB", "RENDFB"})
        main.Set(field, "?");
    FillFlybackReport(&main);
    for (const char* label : {"QRFBTRAF", "QRFBPNUC", "QRFBTEMP", "QRFBREND"})
        QCOMPARE(ReportText(&main, "Form5", label), QString("?"));
}

void FlybackReport::alarmLooksPrintTheirMark() {
    FakeMainWindow main;
    main.FlybackWorkedExample();
    const char* const alarmed[] = {"BPKFB", "RIEMPFB", "TFB", "DFB"};
    for (const char* field : alarmed) {
        auto* edit = main.findChild<QLineEdit*>(field);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, QColor(255, 0, 0));
        edit->setPalette(palette);
    }
    FillFlybackReport(&main);
    TQuickRep* report = ReportOf(&main, "Form5");
    for (const char* label : {"QRFBBPK", "QRFBRIEMP", "QRFBTEMP", "QRFBD"})
        QVERIFY2(report->findChild<QRLabel*>(label)->Alarm(), label);
    for (const char* label : {"QRFBLP", "QRFBDB", "QRFBPNUC", "QRFBNP"})
        QVERIFY2(!report->findChild<QRLabel*>(label)->Alarm(), label);
}

void FlybackReport::onlyPageFourFillsIt() {
    FakeMainWindow main;
    main.FlybackWorkedExample();
    for (int page : {0, 1, 2, 3}) {
        main.SetPage(page);
        FillActiveReport(&main);
        QCOMPARE(ReportText(&main, "Form5", "QRFBLP"), QString("QRFBLP"));
    }
    FakeMainWindow fresh;
    fresh.FlybackWorkedExample();
    fresh.SetPage(4);
    FillActiveReport(&fresh);
    QCOMPARE(ReportText(&fresh, "Form5", "QRFBLP"), Regional("836.7 µH"));
    for (const auto& [form, label] :
         {std::pair{"Form2", "QRIFREQ"}, {"Form3", "QRTFIP"}, {"Form4", "QRTAIP"}})
        QCOMPARE(ReportText(&fresh, form, label), QString(label));
    QCOMPARE(ReportText(&fresh, "Form5", "QRITIPOCALC"), QString("Calcolo trasformatori flyback"));
}

QTEST_MAIN(FlybackReport)
#include "test_flyback_report.moc"
