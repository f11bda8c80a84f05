// The three report fills against a window holding the fields under their component names.
#include "report_commands.h"
#include "report_elements.h"
#include "report_fills.h"
#include "support_fake_window.h"
#include "support_ferrite_rows.h"
#include "support_report_access.h"

#include <QtTest>

using velkor::testing::FakeMainWindow;
using velkor::testing::FakeWindowWithTable;
using velkor::testing::Regional;
using velkor::testing::ReportPicture;
using velkor::testing::ReportText;
using namespace velkor::reports;

class ReportFills : public QObject {
    Q_OBJECT
private slots:
    void ferriteWorkedExample_data();
    void ferriteWorkedExample();
    void ferriteKeepsLeadingBlanksOfUntrimmedRows();
    void ferriteBeforeAnyCalculation();
    void ferriteInputChangedAfterCalculation();
    void ferriteLossRows();

    void inductorCommonRows();
    void inductorFallsBackToSingleLayerInductance_data();
    void inductorFallsBackToSingleLayerInductance();
    void inductorClosedCore_data();
    void inductorClosedCore();
    void inductorSingleLayerBlanksClosedCoreRows();
    void inductorGappedCore();
    void inductorSingleLayerNagaoka_data();
    void inductorSingleLayerNagaoka();
    void inductorBeforeAnyCalculation();

    void mainsWorkedExample_data();
    void mainsWorkedExample();
    void mainsMemos();
    void mainsSkipsIncompleteRows();
    void mainsReadsSecondaryTableOfWindow();
    void mainsBobbinSectionAndPicture();
    void mainsBeforeAnyCalculation();
    void fillingTwiceGivesTheSameMemos();

    void activeReportFollowsPage();
};

void ReportFills::ferriteWorkedExample_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected"); // decimal point written as '.'
    for (const auto& [label, expected] : kFerriteWorkedExampleRows)
        QTest::newRow(label) << QString(label) << QString::fromUtf8(expected);
}

void ReportFills::ferriteWorkedExample() {
    QFETCH(QString, label);
    QFETCH(QString, expected);
    FakeMainWindow main;
    main.FerriteWorkedExample();
    FillFerriteReport(&main);
    QCOMPARE(ReportText(&main, "Form3", label.toLatin1()), Regional(expected));
}

void ReportFills::ferriteKeepsLeadingBlanksOfUntrimmedRows() {
    FakeMainWindow main;
    main.FerriteWorkedExample();
    main.Set("BMAXEFF", " 850");
    main.Set("VSRMS", Regional(" 7.1"));
    main.Set("DFP", Regional(" 0.77 "));
    FillFerriteReport(&main);
    QCOMPARE(ReportText(&main, "Form3", "QRTFBMAX"), QString(" 850 Gauss"));
    QCOMPARE(ReportText(&main, "Form3", "QRTFVSRMS"), Regional(" 7.1 Vac"));
    QCOMPARE(ReportText(&main, "Form3", "QRTFDFP"), Regional("0.77 mm"));
}

void ReportFills::ferriteBeforeAnyCalculation() {
    FakeMainWindow main;
    FillFerriteReport(&main);
    QCOMPARE(ReportText(&main, "Form3", "QRTFVPMIN"), Regional("10.0 Vac"));
    QCOMPARE(ReportText(&main, "Form3", "QRTFIP"), QString(" A"));
    QCOMPARE(ReportText(&main, "Form3", "QRTFBMAX"), QString(" Gauss"));
    QCOMPARE(ReportText(&main, "Form3", "QRTFAEAC"), QString(" cm^4"));
    QCOMPARE(ReportText(&main, "Form3", "QRTFINDS"), QString(" µH"));
    QCOMPARE(ReportText(&main, "Form3", "QRTFNSP"), QString());
    QCOMPARE(ReportText(&main, "Form3", "QRTFNSS"), QString());
    QCOMPARE(ReportText(&main, "Form3", "QRTFDELTA"), QString(" mm"));
    for (const char* label : {"QRTFFILOP", "QRTFFILOS", "QRTFRIEMP"})
        QCOMPARE(ReportText(&main, "Form3", label), QString());
}

void ReportFills::ferriteInputChangedAfterCalculation() {
    FakeMainWindow main;
    main.FerriteWorkedExample();
    main.Set("AC", "45");
    FillFerriteReport(&main);
    QCOMPARE(ReportText(&main, "Form3", "QRTFAC"), QString("45 mm²"));
    QCOMPARE(ReportText(&main, "Form3", "QRTFAEAC"), Regional("0.1560 cm^4"));
}

void ReportFills::ferriteLossRows() {
    // The losses of E 25/13/7 in N87 as the page shows them: copied with their blanks.
    FakeMainWindow main;
    main.FerriteWorkedExample();
    main.Set("PNUCLEO", Regional("0.60"));
    main.Set("PRAME", Regional("0.20"));
    main.Set("TNUCLEO", " 64");
    main.Set("RENDCALC", Regional("90.9"));
    main.Set("TAMBFER", "-5");
    FillFerriteReport(&main);
    QCOMPARE(ReportText(&main, "Form3", "QRTFPNUCLEO"), Regional("0.60 W"));
    QCOMPARE(ReportText(&main, "Form3", "QRTFPRAME"), Regional("0.20 W"));
    QCOMPARE(ReportText(&main, "Form3", "QRTFTNUCLEO"), QString(" 64 °C"));
    QCOMPARE(ReportText(&main, "Form3", "QRTFREND"), Regional("90.9 %"));
    QCOMPARE(ReportText(&main, "Form3", "QRTFTAMBFER"), QString("-5 °C"));
    // Before any calculation the results are empty, the ambient its start value.
    FakeMainWindow fresh;
    FillFerriteReport(&fresh);
    QCOMPARE(ReportText(&fresh, "Form3", "QRTFTNUCLEO"), QString(" °C"));
    QCOMPARE(ReportText(&fresh, "Form3", "QRTFTAMBFER"), QString("40 °C"));
}

void ReportFills::inductorCommonRows() {
    FakeMainWindow main;
    main.Set("IFREQ", "100");
    main.Set("ICAP", "47");
    main.Set("IIND", "53,9");
    main.Set("IXL", "33,87");
    main.Set("IXC", " 33,86");
    main.Set("EDINOM", "2");
    main.Set("EDDENS", "4");
    main.Set("EDDIAM", "0,80");
    FillInductorReport(&main);
    QCOMPARE(ReportText(&main, "Form2", "QRIFREQ"), QString("100 KHz"));
    QCOMPARE(ReportText(&main, "Form2", "QRICAP"), QString("47 nF"));
    QCOMPARE(ReportText(&main, "Form2", "QRIIND"), QString("53,9 µH"));
    QCOMPARE(ReportText(&main, "Form2", "QRIXL"), QString("33,87 ohm"));
    QCOMPARE(ReportText(&main, "Form2", "QRIXC"), QString(" 33,86 ohm"));
    QCOMPARE(ReportText(&main, "Form2", "QRIINOM"), QString("2 A"));
    QCOMPARE(ReportText(&main, "Form2", "QRIDENS"), QString("4 A/mm²"));
    QCOMPARE(ReportText(&main, "Form2", "QRIDIAMF"), QString("0,80 mm"));
    // A unit typed into the editable list prints as shown.
    main.Set("CBUFR", "kHz");
    FillInductorReport(&main);
    QCOMPARE(ReportText(&main, "Form2", "QRIFREQ"), QString("100 kHz"));
}

// With IIND empty the report prints the inductance of the visible sub-page, with its unit: a
// 1 mH closed-core design no longer prints the single layer's 100 µH.
void ReportFills::inductorFallsBackToSingleLayerInductance_data() {
    QTest::addColumn<int>("subPage");
    QTest::addColumn<QString>("iind");
    QTest::addColumn<QString>("iss");
    QTest::addColumn<QString>("expected");
    QTest::newRow("single layer") << 0 << ""
                                  << "100"
                                  << "100 µH";
    QTest::newRow("closed core") << 1 << ""
                                 << "100"
                                 << "1 mH";
    QTest::newRow("both empty") << 0 << ""
                                << ""
                                << " µH";
    QTest::newRow("IIND filled, single layer") << 0 << "53,9"
                                               << "100"
                                               << "53,9 nH";
    QTest::newRow("IIND filled, closed core") << 1 << "53,9"
                                              << "100"
                                              << "53,9 nH";
    QTest::newRow("gapped core") << 2 << ""
                                 << "100"
                                 << "470 µH";
    QTest::newRow("IIND filled, gapped core") << 2 << "53,9"
                                              << "100"
                                              << "53,9 nH";
}

void ReportFills::inductorFallsBackToSingleLayerInductance() {
    QFETCH(int, subPage);
    QFETCH(QString, iind);
    QFETCH(QString, iss);
    QFETCH(QString, expected);
    FakeMainWindow main;
    main.SetSubPage(subPage);
    main.Set("IIND", iind);
    main.SetUnit("CBUIR", 3);
    main.Set("ISS", iss);
    main.Set("INUC", "1");
    main.SetUnit("CBUINUC", 1);
    main.Set("LGAP", "470");
    FillInductorReport(&main);
    QCOMPARE(ReportText(&main, "Form2", "QRIIND"), expected);
}

void ReportFills::inductorClosedCore_data() {
    QTest::addColumn<bool>("square");
    QTest::addColumn<QString>("picture");
    QTest::newRow("square bobbin") << true << ":/pictures/img1_square_bobbin.svg";
    QTest::newRow("round bobbin") << false << ":/pictures/img2_round_bobbin.svg";
}

void ReportFills::inductorClosedCore() {
    QFETCH(bool, square);
    QFETCH(QString, picture);
    FakeMainWindow main;
    main.SetSubPage(1);
    main.Check(square ? "RBC1NUC" : "RBC2NUC", true);
    const std::pair<const char*, const char*> fields[] = {
        {"ALNUC", "2500"}, {"NSNUC", "15"},  {"D1NUC", "10"},    {"D2NUC", "12"},
        {"D3NUC", "20"},   {"D4NUC", "25"},  {"D5NUC", "26"},    {"NPNUC", "3"},
        {"LFNUC", "1,2"},  {"RRNUC", "0,3"}, {"PESONUC", "4,5"}, {"MESS", "7"}};
    for (const auto& [name, text] : fields)
        main.Set(name, text);
    FillInductorReport(&main);
    const std::pair<const char*, const char*> expected[] = {
        {"QRILB01", "Coeff. Al"},        {"QRIDATA01", "2500 nH/N²"}, {"QRINSPIRE", "15"},
        {"QRILBDIM01", "Dim. A"},        {"QRIDATADIM01", "10 mm"},   {"QRILBDIM02", "Dim. B"},
        {"QRIDATADIM02", "12 mm"},       {"QRILBDIM03", "Dim. C"},    {"QRIDATADIM03", "20 mm"},
        {"QRILBDIM04", "Dim. X"},        {"QRIDATADIM04", "25 mm"},   {"QRILBDIM05", "Dim. Y"},
        {"QRIDATADIM05", "26 mm"},       {"QRIRESRAME", "0,3 ohm"},   {"QRILENFILO", "1,2 mt"},
        {"QRLabel26", "Numero Passate"}, {"QRINPASS", "3"},           {"QRLabel20", "Peso Rame"},
        {"QRIPESORAME", "4,5 gr."}};
    for (const auto& [label, text] : expected)
        QCOMPARE(ReportText(&main, "Form2", label), QString::fromUtf8(text));
    QCOMPARE(ReportPicture(&main, "Form2", "QRImage2"), picture);
}

void ReportFills::inductorSingleLayerBlanksClosedCoreRows() {
    FakeMainWindow main;
    main.Set("NPNUC", "3");
    main.Set("PESONUC", "4,5");
    main.Set("D3NUC", "20");
    main.Set("DSS", "12");
    main.Set("LSS", "30");
    main.Set("NSSS", "40");
    main.Set("EDRESRAME", "0,05");
    main.Set("EDLUNGRAME", "1,5");
    main.Set("EDRESAVV", "0,075");
    main.SetSubPage(1);
    FillInductorReport(&main);
    QCOMPARE(ReportText(&main, "Form2", "QRLabel26"), QString("Numero Passate"));

    main.SetSubPage(0);
    FillInductorReport(&main);
    const std::pair<const char*, const char*> expected[] = {
        {"QRILB01", "Permeabilità µe"},
        {"QRIDATA01", "1"},
        {"QRINSPIRE", "40"},
        {"QRILBDIM01", "Diametro D"},
        {"QRIDATADIM01", "12 mm"},
        {"QRILBDIM02", "Lunghezza L"},
        {"QRIDATADIM02", "30 mm"},
        {"QRILBDIM03", ""},
        {"QRIDATADIM03", ""},
        {"QRILBDIM04", ""},
        {"QRIDATADIM04", ""},
        {"QRILBDIM05", ""},
        {"QRIDATADIM05", ""},
        {"QRIRESRAME", "0,05 ohm/m"},
        {"QRILENFILO", "1,5 mt"},
        {"QRILBRESAVV", "Resistenza avvolgimento"},
        {"QRIRESAVV", "0,075 ohm"},
        {"QRLabel26", ""},
        {"QRINPASS", ""},
        {"QRLabel20", ""},
        {"QRIPESORAME", ""}};
    for (const auto& [label, text] : expected)
        QCOMPARE(ReportText(&main, "Form2", label), QString::fromUtf8(text));
    QCOMPARE(ReportPicture(&main, "Form2", "QRImage2"),
             QString(":/pictures/image3_single_layer.svg"));

    // Back to the closed core: the blanked captions come back.
    main.SetSubPage(1);
    FillInductorReport(&main);
    QCOMPARE(ReportText(&main, "Form2", "QRLabel26"), QString("Numero Passate"));
    QCOMPARE(ReportText(&main, "Form2", "QRLabel20"), QString("Peso Rame"));
    QCOMPARE(ReportText(&main, "Form2", "QRILBRESAVV"), QString());
    QCOMPARE(ReportText(&main, "Form2", "QRIRESAVV"), QString());
    QCOMPARE(ReportText(&main, "Form2", "QRIDATADIM03"), QString("20 mm"));
}

// The gapped-core body replaces the construction data: its box, captions and values, the
// picture of the gapped core; the other sub-pages bring the construction data back.
void ReportFills::inductorGappedCore() {
    FakeMainWindow main;
    main.GappedWorkedExample();
    main.Set("NSSS", "40");
    main.SetSubPage(2);
    FillInductorReport(&main);
    const std::pair<const char*, const char*> expected[] = {
        {"QRGLBTITOLO", "Induttore su nucleo in ferrite con traferro"},
        {"QRGLBIN01", "Core"},
        {"QRGIN01", "ETD 29/16/10"},
        {"QRGLBIN02", "Materiale"},
        {"QRGIN02", "N87"},
        {"QRGLBIN03", "Induttanza"},
        {"QRGIN03", "100 µH"},
        {"QRGIN04", "5 A"},
        {"QRGIN05", "4.5 A"},
        {"QRGLBIN06", "Ondulazione ΔI"},
        {"QRGIN06", "1 A"},
        {"QRGIN07", "100000 Hz"},
        {"QRGIN08", "300 mT"},
        {"QRGIN09", "4 A/mm²"},
        {"QRGLBIN10", "Temperatura ambiente"},
        {"QRGIN10", "40 °C"},
        {"QRGLBOUT01", "Numero spire"},
        {"QRGOUT01", "  22"},
        {"QRGOUT02", "0.565 mm"},
        {"QRGOUT03", "1.281"},
        {"QRGOUT04", "  207 nH/N²"},
        {"QRGOUT05", " 297 mT"},
        {"QRGLBOUT06", "ΔB"},
        {"QRGOUT06", "  59 mT"},
        {"QRGLBOUT07", "Filo"},
        {"QRGOUT07", "9 × 0.40 (AWG 26)"},
        {"QRGOUT08", "0.17"},
        {"QRGOUT09", " 19.7 mΩ"},
        {"QRGOUT10", "0.02 W"},
        {"QRGOUT11", "0.42 W"},
        {"QRGLBOUT12", "Temperatura nucleo"},
        {"QRGOUT12", " 49 °C"},
        {"QRILBTITOLO", ""},
        {"QRILBNSPIRE", ""},
        {"QRINSPIRE", ""},
        {"QRILB01", ""},
        {"QRILBRESRAME", ""},
        {"QRIRESRAME", ""},
        {"QRILBLENFILO", ""},
        {"QRILBKNAG", ""}};
    for (const auto& [label, text] : expected)
        QCOMPARE(ReportText(&main, "Form2", label), Regional(QString::fromUtf8(text)));
    QCOMPARE(ReportPicture(&main, "Form2", "QRImage2"),
             QString(":/pictures/image7_gapped_core.svg"));
    const QObject* report = velkor::testing::Report(&main, "Form2");
    const auto* construction = report->findChild<QRShape*>("QRShape4");
    const auto* gapped = report->findChild<QRShape*>("QRShapeGAP");
    QVERIFY(construction && gapped);
    QVERIFY(!construction->Shown());
    QVERIFY(gapped->Shown());

    main.SetSubPage(0);
    FillInductorReport(&main);
    QVERIFY(construction->Shown());
    QVERIFY(!gapped->Shown());
    for (const char* label : {"QRGLBTITOLO", "QRGLBIN01", "QRGIN01", "QRGLBOUT12", "QRGOUT12"})
        QCOMPARE(ReportText(&main, "Form2", label), QString());
    QCOMPARE(ReportText(&main, "Form2", "QRILBTITOLO"), QString("Dati costruttivi induttore"));
    QCOMPARE(ReportText(&main, "Form2", "QRILBNSPIRE"), QString("Numero spire"));
    QCOMPARE(ReportText(&main, "Form2", "QRINSPIRE"), QString("40"));
    QCOMPARE(ReportText(&main, "Form2", "QRILBLENFILO"), QString("Lunghezza filo"));
}

void ReportFills::inductorSingleLayerNagaoka_data() {
    QTest::addColumn<QString>("k");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("expected");
    QTest::newRow("turns") << "0,8181"
                           << " 157,4"
                           << "spire"
                           << " 157,4 spire";
    QTest::newRow("inductance") << "0,8181"
                                << "1,615"
                                << "µH"
                                << "1,615 µH";
    QTest::newRow("permeability has no unit") << "0,8181"
                                              << " 1,22"
                                              << ""
                                              << " 1,22";
    QTest::newRow("no coil") << "?"
                             << "?"
                             << "mm"
                             << "? mm";
}

void ReportFills::inductorSingleLayerNagaoka() {
    QFETCH(QString, k);
    QFETCH(QString, corrected);
    QFETCH(QString, unit);
    QFETCH(QString, expected);
    FakeMainWindow main;
    main.Set("EDKNAGSS", k);
    main.Set("EDCORRSS", corrected);
    main.Set("UnitEDCORRSS", unit);
    FillInductorReport(&main);
    QCOMPARE(ReportText(&main, "Form2", "QRILBKNAG"), QString("K Nagaoka"));
    QCOMPARE(ReportText(&main, "Form2", "QRIKNAG"), k);
    QCOMPARE(ReportText(&main, "Form2", "QRILBCORR"), QString("Con correzione di Nagaoka"));
    QCOMPARE(ReportText(&main, "Form2", "QRICORR"), expected);
    // The closed core has no such rows: captions and values go blank, and come back.
    main.SetSubPage(1);
    FillInductorReport(&main);
    for (const char* label : {"QRILBKNAG", "QRIKNAG", "QRILBCORR", "QRICORR"})
        QCOMPARE(ReportText(&main, "Form2", label), QString());
    main.SetSubPage(0);
    FillInductorReport(&main);
    QCOMPARE(ReportText(&main, "Form2", "QRICORR"), expected);
}

void ReportFills::inductorBeforeAnyCalculation() {
    FakeMainWindow main;
    FillInductorReport(&main);
    QCOMPARE(ReportText(&main, "Form2", "QRIFREQ"), QString(" KHz"));
    QCOMPARE(ReportText(&main, "Form2", "QRIXL"), QString(" ohm"));
    QCOMPARE(ReportText(&main, "Form2", "QRIDATA01"), QString("1"));
    QCOMPARE(ReportText(&main, "Form2", "QRIRESRAME"), QString(" ohm/m"));
    QCOMPARE(ReportText(&main, "Form2", "QRIRESAVV"), QString(" ohm"));
    QCOMPARE(ReportText(&main, "Form2", "QRILENFILO"), QString(" mt"));
    QCOMPARE(ReportText(&main, "Form2", "QRIDATADIM01"), QString(" mm"));
}

void ReportFills::mainsWorkedExample_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    const std::pair<const char*, const char*> rows[] = {
        {"QRTAVP", "230 Vac"},          {"QRTAIP", "0.123 A"},
        {"QRTAFREQ", "50 Hz"},          {"QRTAPOUT", "24.0 VA"},
        {"QRTAPMAX", "   27 VA"},       {"QRTADENS", "4 A/mm²"},
        {"QRTAINDUZ", "1,1 Wb/m²"},     {"QRTARESA", "0.85"},
        {"QRTAPERDFERRO", "1,96 W/Kg"}, {"QRTASEZL", "784 mm²"},
        {"QRTAPESOFERRO", "1.03 Kg"},   {"QRTADNA", "84 mm"},
        {"QRTADNB", "70 mm"},           {"QRTADNC", "28 mm"},
        {"QRTADND", "14 mm"},           {"QRTADNE", "42 mm"},
        {"QRTAFATTR", "0.28"},          {"QRTADCA", "30.5 mm"},
        {"QRTADCC", "39.5 mm"},         {"QRTADCX", "56.0 mm"},
        {"QRTANSP", " 1202"},           {"QRTASPVP", "5.23"},
        {"QRTADFP", "0.20 mm"},         {"QRTANPASSP", "6.1"},
        {"QRTALFP", "171.6 mt"},        {"QRTAPRP", "49.50 gr"},
        {"QRTARRP", "96.7 ohm"},        {"QRTASPVS", "5.75"},
        {"QRTAPEFE", "2.0 W"},          {"QRTAPERP", "1.5 W"},
        {"QRTAPERS", "1.8 W"},          {"QRTAPETOT", "5.3 W"},
        {"QRTADELTAT", "31.2 °C"},      {"QRLabel8", "(Calcolati dalle dim. del ferro)"}};
    for (const auto& [label, expected] : rows)
        QTest::newRow(label) << QString(label) << QString::fromUtf8(expected);
}

void ReportFills::mainsWorkedExample() {
    QFETCH(QString, label);
    QFETCH(QString, expected);
    FakeMainWindow main;
    main.MainsWorkedExample();
    FillMainsReport(&main);
    // The list items and PEFE are written with a comma whatever the regional setting.
    if (!expected.contains("Wb/m") && !expected.contains("W/Kg") && !label.startsWith("QRLabel"))
        expected = Regional(expected);
    QCOMPARE(ReportText(&main, "Form4", label.toLatin1()), expected);
}

void ReportFills::mainsMemos() {
    FakeMainWindow main;
    main.MainsWorkedExample();
    FillMainsReport(&main);
    QCOMPARE(ReportText(&main, "Form4", "QRMEMOSECIN"), Regional("  12.0 Vac   2.000 A     24 VA"));
    QCOMPARE(ReportText(&main, "Form4", "QRMEMOSECOUT"),
             QString::fromUtf8("    Vs   Is(A)  spire  Ø mm   #pass     mt     gr    ohm\n") +
                 Regional("   12.0  2.000     69   0.80    1.4   12.9     60     0.5"));
}

void ReportFills::mainsSkipsIncompleteRows() {
    FakeMainWindow main;
    main.SetCell("SGTAINSEC", 0, 1, "6"); // voltage without current
    main.SetCell("SGTAINSEC", 0, 2, "5"); // a current that does not read
    main.SetCell("SGTAINSEC", 1, 2, "x");
    main.SetCell("SGTAINSEC", 0, 4, Regional("1234.5")); // wider than its pattern, never cut
    main.SetCell("SGTAINSEC", 1, 4, Regional("0.5"));
    main.SetCell("SGTAINSEC", 0, 6, "-3");
    main.SetCell("SGTAINSEC", 1, 6, "1");
    // Results rows 2 and 5 filled, row 3 empty in column 0.
    main.SetCell("SGTAOUTSEC", 0, 2, "a");
    main.SetCell("SGTAOUTSEC", 7, 2, "123456789");
    main.SetCell("SGTAOUTSEC", 1, 3, "b");
    main.SetCell("SGTAOUTSEC", 0, 5, "?");
    FillMainsReport(&main);
    QCOMPARE(ReportText(&main, "Form4", "QRMEMOSECIN"),
             Regional("1234.5 Vac   0.500 A    617 VA\n  -3.0 Vac   1.000 A     -3 VA"));
    const QString empty(6 * 7, ' '); // cells 1 to 6, 7 wide each
    QCOMPARE(ReportText(&main, "Form4", "QRMEMOSECOUT"),
             QString::fromUtf8("    Vs   Is(A)  spire  Ø mm   #pass     mt     gr    ohm\n") +
                 "      a" + empty + "123456789\n" + "      ?" + empty + QString(8, ' '));
}

void ReportFills::mainsReadsSecondaryTableOfWindow() {
    FakeWindowWithTable main;
    // The grid shows a text the table never committed: the table wins.
    main.SetCell("SGTAINSEC", 0, 1, "99");
    main.SetCell("SGTAINSEC", 1, 1, "9");
    main.table[0][3] = "12";
    main.table[1][3] = "2";
    FillMainsReport(&main);
    QCOMPARE(ReportText(&main, "Form4", "QRMEMOSECIN"), Regional("  12.0 Vac   2.000 A     24 VA"));
}

void ReportFills::mainsBobbinSectionAndPicture() {
    FakeMainWindow main;
    FillMainsReport(&main);
    QCOMPARE(ReportPicture(&main, "Form4", "QRTAIMG2"),
             QString(":/pictures/taimg1_single_bobbin.svg"));
    QCOMPARE(ReportPicture(&main, "Form4", "QRTAIMG1"),
             QString(":/pictures/image4_lamination.svg"));
    main.Check("CBAUTOCART", false);
    main.Check("RBTADOPPIO", true);
    FillMainsReport(&main);
    QCOMPARE(ReportText(&main, "Form4", "QRLabel8"), QString("(Impostati dall'operatore)"));
    QCOMPARE(ReportPicture(&main, "Form4", "QRTAIMG2"),
             QString(":/pictures/taimg2_double_bobbin.svg"));
}

void ReportFills::mainsBeforeAnyCalculation() {
    FakeMainWindow main;
    FillMainsReport(&main);
    QCOMPARE(ReportText(&main, "Form4", "QRTAVP"), QString("230 Vac"));
    QCOMPARE(ReportText(&main, "Form4", "QRTADNC"), QString(" mm"));
    QCOMPARE(ReportText(&main, "Form4", "QRTANSP"), QString());
    QCOMPARE(ReportText(&main, "Form4", "QRMEMOSECIN"), QString());
    QCOMPARE(ReportText(&main, "Form4", "QRMEMOSECOUT"),
             QString::fromUtf8("    Vs   Is(A)  spire  Ø mm   #pass     mt     gr    ohm"));
}

void ReportFills::fillingTwiceGivesTheSameMemos() {
    FakeMainWindow main;
    main.MainsWorkedExample();
    FillMainsReport(&main);
    const QString in = ReportText(&main, "Form4", "QRMEMOSECIN");
    const QString out = ReportText(&main, "Form4", "QRMEMOSECOUT");
    FillMainsReport(&main);
    QCOMPARE(ReportText(&main, "Form4", "QRMEMOSECIN"), in);
    QCOMPARE(ReportText(&main, "Form4", "QRMEMOSECOUT"), out);
    QCOMPARE(out.count('\n'), 1);
}

void ReportFills::activeReportFollowsPage() {
    FakeMainWindow main;
    main.FerriteWorkedExample();
    main.MainsWorkedExample();
    main.Set("IFREQ", "7");
    // The manual page fills nothing: every value keeps its design text.
    main.SetPage(3);
    FillActiveReport(&main);
    QCOMPARE(ReportText(&main, "Form2", "QRIFREQ"), QString("QRIFREQ"));
    QCOMPARE(ReportText(&main, "Form3", "QRTFIP"), QString("QRTFIP"));
    QCOMPARE(ReportText(&main, "Form4", "QRTAIP"), QString("QRTAIP"));
    // Each page fills its own report only.
    main.SetPage(1);
    FillActiveReport(&main);
    QCOMPARE(ReportText(&main, "Form3", "QRTFIP"), Regional("1.600 A"));
    QCOMPARE(ReportText(&main, "Form2", "QRIFREQ"), QString("QRIFREQ"));
    QCOMPARE(ReportText(&main, "Form4", "QRTAIP"), QString("QRTAIP"));
    main.SetPage(2);
    FillActiveReport(&main);
    QCOMPARE(ReportText(&main, "Form4", "QRTAIP"), Regional("0.123 A"));
    main.SetPage(0);
    FillActiveReport(&main);
    QCOMPARE(ReportText(&main, "Form2", "QRIFREQ"), QString("7 KHz"));
    QCOMPARE(ReportText(&main, "Form2", "QRITIPOCALC"), QString("Calcolo Induttori"));
    QCOMPARE(ReportText(&main, "Form3", "QRITIPOCALC"),
             QString("Calcolo trasformatori in ferrite"));
    QCOMPARE(ReportText(&main, "Form4", "QRITIPOCALC"),
             QString("Calcolo trasformatori di alimentazione"));
    QCOMPARE(ReportText(&main, "Form4", "QRLabel1"), QString("CALCOLI   MAGNETICI"));
}

QTEST_MAIN(ReportFills)
#include "test_report_fills.moc"
