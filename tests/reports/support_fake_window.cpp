#include "support_fake_window.h"

#include "report_forms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velkor::testing {

namespace {

void Edits(QWidget* page, std::initializer_list<const char*> names) {
    for (const char* name : names)
        (new QLineEdit(page))->setObjectName(name);
}

void UnitList(QWidget* page, const char* name, const QStringList& items, int index) {
    auto* list = new QComboBox(page);
    list->setObjectName(name);
    list->setEditable(true);
    list->addItems(items);
    list->setCurrentIndex(index);
}

QTableWidget* Grid(QWidget* page, const char* name, int columns) {
    auto* grid = new QTableWidget(7, columns, page);
    grid->setObjectName(name);
    return grid;
}

} // namespace

QString Regional(const QString& pointText) {
    QString text = pointText;
    return text.replace('.', QLocale::system().decimalPoint());
}

QWidget* FakeMainWindow::AddPage(QTabWidget* pages, const QString& caption) {
    auto* page = new QWidget(pages);
    pages->addTab(page, caption);
    return page;
}

FakeMainWindow::FakeMainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
    auto* pages = new QTabWidget(this);
    pages->setObjectName("PageControl1");
    QWidget* inductors = AddPage(pages, " Induttanze ");
    QWidget* ferrite = AddPage(pages, " Trasformatori ferrite ");
    QWidget* mains = AddPage(pages, " Trasformatori di alimentazione ");
    AddPage(pages, "Documentazione");
    QWidget* flyback = AddPage(pages, " Flyback ");

    // Inductor page: resonance, currents and the two sub-pages.
    Edits(inductors, {"IFREQ", "ICAP", "IIND", "IXC", "IXL", "EDINOM", "EDDENS", "EDDIAM"});
    UnitList(inductors, "CBUFR", {"Hz", "KHz", "MHz", "GHz"}, 1);
    UnitList(inductors, "CBUCR", {"F", "mF", "µF", "nF", "pF"}, 3);
    UnitList(inductors, "CBUIR", {"H", "mH", "µH", "nH", ""}, 2);
    auto* subPages = new QTabWidget(inductors);
    subPages->setObjectName("PageControl2");
    QWidget* single = AddPage(subPages, "   Singolo Strato in aria o su nucleo aperto ");
    QWidget* closed = AddPage(subPages, " Multistrato su nucleo chiuso ");
    Edits(single, {"ISS", "MESS", "DSS", "LSS", "NSSS", "EDDMFSC", "EDLUNGRAME", "EDRESRAME",
                   "EDRESAVV", "EDKNAGSS", "EDCORRSS"});
    (new QLabel(single))->setObjectName("UnitEDCORRSS");
    Set("MESS", "1");
    UnitList(single, "CBUISS", {"H", "mH", "µH", "nH"}, 2);
    Edits(closed, {"INUC", "ALNUC", "NSNUC", "D1NUC", "D2NUC", "D3NUC", "D4NUC", "D5NUC", "NPNUC",
                   "LFNUC", "RRNUC", "PESONUC"});
    UnitList(closed, "CBUINUC", {"H", "mH", "µH", "nH"}, 2);
    auto* square = new QRadioButton("Cartoccio quadrato", closed);
    square->setObjectName("RBC1NUC");
    square->setChecked(true);
    (new QRadioButton("Cartoccio rotondo", closed))->setObjectName("RBC2NUC");
    QWidget* gapped = AddPage(subPages, " Con traferro ");
    Edits(gapped,
          {"LGAP",    "IPKGAP",   "IRMSGAP", "DIGAP",   "FGAP",     "BMGAP", "JGAP",   "TAMBGAP",
           "COREGAP", "MATGAP",   "NGAP",    "TRAFGAP", "FRINGGAP", "ALGAP", "BPKGAP", "DBGAP",
           "FILOGAP", "RIEMPGAP", "RDCGAP",  "PNUCGAP", "PRAMEGAP", "TGAP"});

    // Ferrite page, with its start-up defaults.
    Edits(ferrite, {"VPMIN", "VPMAX", "FREQ",  "FATTF",    "VSPP",    "PSEC",  "DCMQ",
                    "Edit1", "Edit2", "BSAT",  "AL",       "AE",      "AC",    "PUN",
                    "ETA",   "AEAC",  "BMAX",  "AEACMIN",  "BMAXEFF", "IPRIM", "IPPEEK",
                    "DFP",   "NSP",   "LPRIM", "XLPRIM",   "ISEC",    "DFS",   "VSRMS",
                    "NSS",   "LSEC",  "XLSEC", "DELTAFER", "FILOP",   "FILOS", "RIEMPFER"});
    Edits(ferrite, {"TAMBFER", "PNUCLEO", "PRAME", "TNUCLEO", "RENDCALC"});
    const std::pair<const char*, const char*> ferriteDefaults[] = {
        {"VPMIN", "10.0"}, {"VPMAX", "13.9"}, {"FREQ", "20000"},  {"FATTF", "4"},
        {"VSPP", "600.0"}, {"PSEC", "8"},     {"DCMQ", "4.9338"}, {"BSAT", "4100"},
        {"AL", "2800"},    {"AE", "52"},      {"AC", "30"},       {"PUN", "48.79"},
        {"ETA", "50"},     {"TAMBFER", "40"}};
    for (const auto& [name, text] : ferriteDefaults)
        Set(name, Regional(text));
    Set("Edit1", "EC52");
    Set("Edit2", "3C8");

    // Mains page, with its start-up defaults.
    Edits(mains, {"TAVP",        "TAFREQ", "TADENS", "TAPTOT",   "TASEZL",   "TALA",      "TALB",
                  "TALC",        "TALD",   "TALE",   "TARESA",   "PEFE",     "TAAF",      "TAPMAX",
                  "TAPESOFERRO", "TACA",   "TACC",   "TACX",     "RAPIMPAC", "TANSP",     "TAIP",
                  "TADF",        "TASVP",  "TANP",   "TALFILO",  "TAPESO",   "TARESRAME", "TASVS",
                  "TAPERFERRO",  "TAPERP", "TAPERS", "TAPERTOT", "TADT"});
    Set("TAVP", "230");
    Set("TAFREQ", "50");
    Set("TADENS", "4");
    Set("PEFE", "1,96");
    auto* induction = new QComboBox(mains);
    induction->setObjectName("CBTAINDUZ");
    induction->addItems({"0,9", "1,0", "1,1", "1,2", "1,3"});
    induction->setCurrentIndex(2);
    auto* automatic = new QCheckBox("Auto Dim.", mains);
    automatic->setObjectName("CBAUTOCART");
    automatic->setChecked(true);
    auto* singleBobbin = new QRadioButton("Singolo", mains);
    singleBobbin->setObjectName("RBTASING");
    singleBobbin->setChecked(true);
    (new QRadioButton("Doppio", mains))->setObjectName("RBTADOPPIO");
    Grid(mains, "SGTAINSEC", 3);
    Grid(mains, "SGTAOUTSEC", 8);
    const QStringList inHeader = {"Vs volt", "Is amp", "Ps VA"};
    for (int column = 0; column < 3; ++column)
        SetCell("SGTAINSEC", column, 0, inHeader[column]);
    const QStringList outHeader = {"Vs (V)",  "Is (A)", "Spire",  "Ø filo",
                                   "passate", "metri",  "grammi", "ohm"};
    for (int column = 0; column < 8; ++column)
        SetCell("SGTAOUTSEC", column, 0, outHeader[column]);

    // Flyback page, with its start-up defaults.
    Edits(flyback, {"VINMINFB", "VINMAXFB", "VOUTFB", "IOUTFB",  "VFFB",    "FSWFB",  "DMAXFB",
                    "ETAFB",    "KRPFB",    "BMFB",   "JFB",     "TAMBFB",  "COREFB", "MATFB",
                    "NRATFB",   "LPFB",     "IPKFB",  "IRMSPFB", "IRMSSFB", "NPFB",   "NSFB",
                    "DFB",      "VORFB",    "VDSFB",  "TRAFFB",  "BPKFB",   "DBFB",   "FILOPFB",
                    "FILOSFB",  "RIEMPFB",  "PNUCFB", "PRAMEFB", "TFB",     "RENDFB"});
    const std::pair<const char*, const char*> flybackDefaults[] = {
        {"VINMINFB", "100"}, {"VINMAXFB", "375"}, {"VOUTFB", "12"},   {"IOUTFB", "2"},
        {"VFFB", "0.7"},     {"FSWFB", "100000"}, {"DMAXFB", "0.45"}, {"ETAFB", "85"},
        {"KRPFB", "0.6"},    {"BMFB", "300"},     {"JFB", "5"},       {"TAMBFB", "40"}};
    for (const auto& [name, text] : flybackDefaults)
        Set(name, Regional(text));
    Set("COREFB", "E 25/13/7");
    Set("MATFB", "N87");

    new TForm2(this);
    new TForm3(this);
    new TForm4(this);
    new TForm5(this);
}

void FakeMainWindow::GappedWorkedExample() {
    const std::pair<const char*, const char*> fields[] = {{"LGAP", "100"},
                                                          {"IPKGAP", "5"},
                                                          {"IRMSGAP", "4.5"},
                                                          {"DIGAP", "1"},
                                                          {"FGAP", "100000"},
                                                          {"BMGAP", "300"},
                                                          {"JGAP", "4"},
                                                          {"TAMBGAP", "40"},
                                                          {"COREGAP", "ETD 29/16/10"},
                                                          {"MATGAP", "N87"},
                                                          {"NGAP", "  22"},
                                                          {"TRAFGAP", "0.565"},
                                                          {"FRINGGAP", "1.281"},
                                                          {"ALGAP", "  207"},
                                                          {"BPKGAP", " 297"},
                                                          {"DBGAP", "  59"},
                                                          {"FILOGAP", "9 × 0.40 (AWG 26)"},
                                                          {"RIEMPGAP", "0.17"},
                                                          {"RDCGAP", " 19.7"},
                                                          {"PNUCGAP", "0.02"},
                                                          {"PRAMEGAP", "0.42"},
                                                          {"TGAP", " 49"}};
    for (const auto& [name, text] : fields)
        Set(name, Regional(QString::fromUtf8(text)));
}

void FakeMainWindow::Set(const char* name, const QString& text) {
    if (auto* edit = findChild<QLineEdit*>(name))
        edit->setText(text);
    else if (auto* label = findChild<QLabel*>(name))
        label->setText(text);
    else if (auto* list = findChild<QComboBox*>(name))
        list->setEditText(text);
}

void FakeMainWindow::SetUnit(const char* name, int index) {
    findChild<QComboBox*>(name)->setCurrentIndex(index);
}

void FakeMainWindow::Check(const char* name, bool on) {
    findChild<QAbstractButton*>(name)->setChecked(on);
}

void FakeMainWindow::SetPage(int index) {
    findChild<QTabWidget*>("PageControl1")->setCurrentIndex(index);
}

void FakeMainWindow::SetSubPage(int index) {
    findChild<QTabWidget*>("PageControl2")->setCurrentIndex(index);
}

void FakeMainWindow::SetCell(const char* grid, int column, int row, const QString& text) {
    findChild<QTableWidget*>(grid)->setItem(row, column, new QTableWidgetItem(text));
}

void FakeMainWindow::FerriteWorkedExample() {
    const std::pair<const char*, const char*> results[] = {{"BMAX", " 2000"},
                                                           {"AEAC", "0.1560"},
                                                           {"AEACMIN", "0.0544"},
                                                           {"IPRIM", "1.600"},
                                                           {"NSP", "  12 (12.0)"},
                                                           {"LPRIM", "403.2"},
                                                           {"XLPRIM", "   51"},
                                                           {"BMAXEFF", "2784"},
                                                           {"NSS", " 720"},
                                                           {"LSEC", "1451520.0"},
                                                           {"XLSEC", "182403"},
                                                           {"VSRMS", "212.1"},
                                                           {"ISEC", "0.0377"},
                                                           {"DFS", "0.10"},
                                                           {"IPPEEK", "2.325"},
                                                           {"DFP", "0.77"},
                                                           {"DELTAFER", "0.473"},
                                                           {"FILOP", "1 × 0.80 (AWG 20)"},
                                                           {"FILOS", "1 × 0.10 (AWG 38)"},
                                                           {"RIEMPFER", "0.37"},
                                                           {"PNUCLEO", "?"},
                                                           {"PRAME", "?"},
                                                           {"TNUCLEO", "?"},
                                                           {"RENDCALC", "?"}};
    for (const auto& [name, text] : results)
        Set(name, Regional(text));
}

void FakeMainWindow::FlybackWorkedExample() {
    const std::pair<const char*, const char*> results[] = {{"NRATFB", "6.125"},
                                                           {"LPFB", " 836.7"},
                                                           {"IPKFB", "0.907"},
                                                           {"IRMSPFB", "0.438"},
                                                           {"IRMSSFB", "2.755"},
                                                           {"NPFB", "  49"},
                                                           {"NSFB", "   8"},
                                                           {"DFB", "0.438"},
                                                           {"VORFB", " 77.8"},
                                                           {"VDSFB", "452.8"},
                                                           {"TRAFFB", "0.187"},
                                                           {"BPKFB", " 299"},
                                                           {"DBFB", " 254"},
                                                           {"FILOPFB", "1 × 0.355 (AWG 27)"},
                                                           {"FILOSFB", "5 × 0.40 (AWG 26)"},
                                                           {"RIEMPFB", "0.10"},
                                                           {"PNUCFB", "0.54"},
                                                           {"PRAMEFB", "0.41"},
                                                           {"TFB", " 68"},
                                                           {"RENDFB", "96.2"}};
    for (const auto& [name, text] : results)
        Set(name, Regional(text));
}

void FakeMainWindow::MainsWorkedExample() {
    SetCell("SGTAINSEC", 0, 1, Regional("12"));
    SetCell("SGTAINSEC", 1, 1, Regional("2"));
    SetCell("SGTAINSEC", 2, 1, Regional("24.0"));
    const std::pair<const char*, const char*> results[] = {
        {"TAPTOT", "24.0"},    {"TARESA", "0.85"},  {"TAPMAX", "   27"},  {"TASEZL", "784"},
        {"TALC", "28"},        {"TALA", "84"},      {"TALB", "70"},       {"TALD", "14"},
        {"TALE", "42"},        {"TAAF", "588"},     {"TACA", "30.5"},     {"TACC", "39.5"},
        {"TACX", "56.0"},      {"TANSP", " 1202"},  {"TAIP", "0.123"},    {"TASVP", "5.23"},
        {"TASVS", "5.75"},     {"TADF", "0.20"},    {"TANP", "6.1"},      {"TALFILO", "171.6"},
        {"TARESRAME", "96.7"}, {"TAPESO", "49.50"}, {"RAPIMPAC", "0.28"}, {"TAPESOFERRO", "1.03"},
        {"TAPERFERRO", "2.0"}, {"TAPERP", "1.5"},   {"TAPERS", "1.8"},    {"TAPERTOT", "5.3"},
        {"TADT", "31.2"}};
    for (const auto& [name, text] : results)
        Set(name, Regional(text));
    const char* row[] = {"12.0", "2.000", "  69", "0.80", "1.4", "12.9", " 60", "0.5"};
    for (int column = 0; column < 8; ++column)
        SetCell("SGTAOUTSEC", column, 1, Regional(row[column]));
}

} // namespace velkor::testing
