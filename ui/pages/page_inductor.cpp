// Page 0, " Induttanze ": resonance and reactances, wire current, and the two coil sub-pages.
#include "field_table.h"

#include <QTabWidget>

namespace velkor::ui {

namespace {

constexpr const char* kPassToResonance =
    "Passa valore induttanza ai calcoli di Risonanza e Reattanze";

// The two upper groups; the sub-page control fills the rest of the page.
constexpr Item kFrame[] = {
    {Kind::Group, "GroupBox6", "TabSheet2", 4, 4, 480, 146, " Risonanza e Reattanze "},
    {Kind::Group, "GroupBox10", "TabSheet2", 488, 4, 192, 146, " Correnti "},
};

// " Risonanza e Reattanze ": three columns (frequency, capacitance, inductance), each a label
// over [button][value][unit list] with its f(X) buttons below, and the XC / XL row.
constexpr Item kResonance[] = {
    {Kind::Label, "LabelIFREQ", "GroupBox6", 33, 16, 100, 16, "Frequenza"},
    {Kind::CalcButton, "SBCFR", "GroupBox6", 10, 34, 21, 21, "",
     "Calcola Frequenza dati Capacità ed Induttanza"},
    {Kind::Edit, "IFREQ", "GroupBox6", 33, 34, 72, 21},
    {Kind::UnitList, "CBUFR", "GroupBox6", 107, 34, 54, 21, "Hz|KHz|MHz|GHz", "", 1},
    {Kind::WideButton, "SBCFXC", "GroupBox6", 33, 60, 50, 22, "f(XC)",
     "Calcola frequenza dati Capacità e Reattanza Capacitiva"},
    {Kind::WideButton, "SBCFXL", "GroupBox6", 33, 84, 50, 22, "f(XL)",
     "Calcola frequenza dati  Induttanza e Reattanza Induttiva"},

    {Kind::Label, "LabelICAP", "GroupBox6", 190, 16, 100, 16, "Capacità"},
    {Kind::CalcButton, "SBCCR", "GroupBox6", 167, 34, 21, 21, "",
     "Calcola  Capacità dati  Frequenza ed Induttanza"},
    {Kind::Edit, "ICAP", "GroupBox6", 190, 34, 72, 21},
    {Kind::UnitList, "CBUCR", "GroupBox6", 264, 34, 54, 21, "F|mF|µF|nF|pF", "", 3},
    {Kind::WideButton, "SBCCXC", "GroupBox6", 190, 60, 50, 22, "f(XC)",
     "Calcola Capacità dati Frequenza  e Reattanza Capacitiva"},

    {Kind::Label, "LabelIIND", "GroupBox6", 347, 16, 100, 16, "Induttanza"},
    {Kind::CalcButton, "SBCIR", "GroupBox6", 324, 34, 21, 21, "",
     "Calcola Induttanza dati Frequenza e Capacità"},
    {Kind::Edit, "IIND", "GroupBox6", 347, 34, 72, 21},
    {Kind::UnitList, "CBUIR", "GroupBox6", 421, 34, 54, 21, "H|mH|µH|nH|", "", 2},
    {Kind::WideButton, "SBCIXL", "GroupBox6", 347, 60, 50, 22, "f(XL)",
     "Calcola Induttanza dati Frequenza e Reattanza Induttiva"},
    {Kind::PassButton, "SBPASSAIR", "GroupBox6", 324, 61, 21, 21, "",
     "Passa valore Induttanza alle aree di calcolo dimensionale"},

    {Kind::CalcButton, "SBCXC", "GroupBox6", 10, 115, 21, 21, "",
     "Calcola Reattanza Capacitiva dati Frequenza e Capacità"},
    {Kind::Label, "LabelIXC", "GroupBox6", 35, 115, 22, 21, "XC"},
    {Kind::Edit, "IXC", "GroupBox6", 57, 115, 90, 21},
    {Kind::Label, "UnitIXC", "GroupBox6", 151, 115, 30, 21, "ohm"},
    {Kind::CalcButton, "SBCXL", "GroupBox6", 190, 115, 21, 21, "",
     "Calcola Reattanza Induttiva dati Frequenza ed Induttanza"},
    {Kind::Label, "LabelIXL", "GroupBox6", 215, 115, 22, 21, "XL"},
    {Kind::Edit, "IXL", "GroupBox6", 237, 115, 90, 21},
    {Kind::Label, "UnitIXL", "GroupBox6", 331, 115, 30, 21, "ohm"},
};

// " Correnti ": [button][label][field][unit], the density's unit standing before its field.
constexpr Item kCurrentButtons[] = {
    {Kind::CalcButton, "SBCN", "GroupBox10", 8, 30, 21, 21, "",
     "Calcola Corrente nominale dati Densità di corrente e Diametro filo"},
    {Kind::CalcButton, "SBDC", "GroupBox10", 8, 70, 21, 21, "",
     "Calcola Densità di Corrente dati Corrente nominale e Diametro filo"},
    {Kind::CalcButton, "SBDF", "GroupBox10", 8, 110, 21, 21, "",
     "Calcola Diametro filo dati Corrente nominale e Densità di Corrente"},
};

constexpr Field kCurrentFields[] = {
    {Kind::Edit, "EDINOM", "GroupBox10", 34, 30, 40, 80, "In", "A", "", "Corrente Nominale"},
    {Kind::Edit, "EDDENS", "GroupBox10", 34, 70, 40, 80, "A/mm²", "", "", "Densità di Corrente"},
    {Kind::Edit, "EDDIAM", "GroupBox10", 34, 110, 40, 80, "Ø filo", "mm", "", "Diametro filo"},
};

constexpr Item kSubPages[] = {
    {Kind::PassButton, "SBPASSAISS", "TabSheet3", 8, 8, 21, 21, "", kPassToResonance},
    {Kind::Label, "LabelTitleSS", "TabSheet3", 40, 8, 400, 21,
     "Induttori  in singlo strato in aria o con nucleo magnetico aperto"},
    {Kind::CalcButton, "SBCISS", "TabSheet3", 8, 40, 21, 21, "",
     "Calcola Induttanza dati tutti gli altri parametri"},
    {Kind::UnitList, "CBUISS", "TabSheet3", 290, 40, 56, 21, "H|mH|µH|nH", "", 2},
    {Kind::CalcButton, "SBCMESS", "TabSheet3", 8, 66, 21, 21, "",
     "Calcola Permeabilità Relativa dati tutti gli altri parametri"},
    {Kind::CalcButton, "SBCDSS", "TabSheet3", 8, 92, 21, 21, "",
     "Calcola Diametro di avvolgimento dati tutti gli altri parametri"},
    {Kind::CalcButton, "SBCLSS", "TabSheet3", 8, 118, 21, 21, "",
     "Calcola Lunghezza dati tutti gli altri parametri"},
    {Kind::CalcButton, "SBCNSSS", "TabSheet3", 8, 144, 21, 21, "",
     "Calcola Numero Spire dati tutti gli altri parametri"},
    {Kind::Picture, "Image3", "TabSheet3", 540, 36, 85, 202, "image3_single_layer.svg"},
    // Nagaoka's correction, between the values and the picture: the caption of the corrected
    // value stands over it, its unit label (rewritten by each calculation) beside it.
    {Kind::Label, "LabelEDCORRSS", "TabSheet3", 370, 92, 165, 20, "Con correzione di Nagaoka"},
    {Kind::Label, "UnitEDCORRSS", "TabSheet3", 464, 118, 44, 20, ""},

};

constexpr Item kClosedCore[] = {
    {Kind::PassButton, "SBPASSAINUC", "TabSheet5", 8, 8, 21, 21, "", kPassToResonance},
    {Kind::Label, "LabelTitleNUC", "TabSheet5", 40, 8, 400, 21,
     "Induttori  su nucleo chiuso, noto o calcolato Al"},
    {Kind::CalcButton, "SBCINUC", "TabSheet5", 8, 40, 21, 21, "",
     "Calcola Induttanza dati tutti gli altri parametri"},
    {Kind::UnitList, "CBUINUC", "TabSheet5", 180, 40, 56, 21, "H|mH|µH|nH", "", 2},
    {Kind::CalcButton, "SBCALNUC", "TabSheet5", 8, 66, 21, 21, "",
     "Calcola Al dati tutti gli altri parametri"},
    {Kind::CalcButton, "SBCNSNUC", "TabSheet5", 8, 92, 21, 21, "",
     "Calcola Numero Spire dati tutti gli altri parametri"},
    {Kind::WideButton, "SBALTRONUC", "TabSheet5", 290, 148, 150, 24, "Calcola altri parametri"},
    {Kind::Picture, "IMG1", "TabSheet5", 500, 30, 150, 150, "img1_square_bobbin.svg"},
    {Kind::Picture, "IMG2", "TabSheet5", 500, 30, 150, 150, "img2_round_bobbin.svg"},
    {Kind::Radio, "RBC1NUC", "TabSheet5", 500, 190, 150, 20, "Cartoccio quadrato", "", 1},
    {Kind::Radio, "RBC2NUC", "TabSheet5", 500, 212, 150, 20, "Cartoccio rotondo", "", 0},
};

constexpr Field kSubPageFields[] = {
    {Kind::Edit, "ISS", "TabSheet3", 34, 40, 160, 90, "Induttanza", "", "", ""},
    {Kind::Edit, "MESS", "TabSheet3", 34, 66, 160, 90, "µe", "", "1",
     "Permeabilità relativa dell'eventuale nucleo aperto ( in aria = 1)"},
    {Kind::Edit, "DSS", "TabSheet3", 34, 92, 160, 90, "Diametro di avvolgimento (D)", "mm", "", ""},
    {Kind::Edit, "LSS", "TabSheet3", 34, 118, 160, 90, "Lunghezza (L)", "mm", "", ""},
    {Kind::Edit, "NSSS", "TabSheet3", 34, 144, 160, 90, "N Spire", "", "", ""},
    {Kind::Result, "EDDMFSC", "TabSheet3", 34, 176, 160, 90, "Ø max filo per spire compatte", "mm",
     "", ""},
    {Kind::Result, "EDLUNGRAME", "TabSheet3", 34, 202, 160, 90, "Lunghezza filo", "metri", "", ""},
    {Kind::Result, "EDRESRAME", "TabSheet3", 34, 228, 160, 90, "Resistenza  rame", "ohm/m", "", ""},
    {Kind::Result, "EDRESAVV", "TabSheet3", 34, 254, 160, 90, "Resistenza avvolgimento", "ohm", "",
     "Resistenza del filo dell'intero avvolgimento"},
    {Kind::Result, "EDKNAGSS", "TabSheet3", 370, 66, 80, 60, "K Nagaoka", "", "",
     "Coefficiente di Nagaoka della bobina di diametro D e lunghezza L"},
    {Kind::Result, "EDCORRSS", "TabSheet3", 370, 118, 0, 90, "", "", "",
     "Il valore calcolato con la relazione corretta da Nagaoka per la lunghezza della bobina"},
};

constexpr Field kClosedCoreFields[] = {
    {Kind::Edit, "INUC", "TabSheet5", 34, 40, 60, 82, "Induttanza", "", "", ""},
    {Kind::Edit, "ALNUC", "TabSheet5", 34, 66, 60, 82, "Al", "nH / N²", "", ""},
    {Kind::Edit, "NSNUC", "TabSheet5", 34, 92, 60, 82, "N Spire", "", "", ""},
    {Kind::Edit, "D1NUC", "TabSheet5", 34, 124, 60, 82, "Dim  A", "mm", "", ""},
    {Kind::Edit, "D2NUC", "TabSheet5", 34, 150, 60, 82, "Dim  B", "mm", "", ""},
    {Kind::Edit, "D3NUC", "TabSheet5", 34, 176, 60, 82, "Dim  C", "mm", "", ""},
    {Kind::Edit, "D4NUC", "TabSheet5", 34, 202, 60, 82, "Dim  X", "mm", "", ""},
    {Kind::Edit, "D5NUC", "TabSheet5", 34, 228, 60, 82, "Dim  Y", "mm", "", ""},
    {Kind::Result, "NPNUC", "TabSheet5", 270, 40, 90, 82, "N passate", "", "", ""},
    {Kind::Result, "LFNUC", "TabSheet5", 270, 66, 90, 82, "Lunghezza filo", "metri", "", ""},
    {Kind::Result, "RRNUC", "TabSheet5", 270, 92, 90, 82, "Resistenza  rame", "ohm", "", ""},
    {Kind::Result, "PESONUC", "TabSheet5", 270, 118, 90, 82, "Peso rame", "grammi", "", ""},
};

void BoldHeading(QWidget* root, const char* name) {
    if (auto* heading = root->findChild<QWidget*>(name)) {
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
    }
}

} // namespace

void BuildInductorPage(QWidget* page) {
    BuildItems(page, kFrame);
    auto* tabs = new QTabWidget(page);
    tabs->setObjectName("PageControl2");
    tabs->setGeometry(4, 154, 676, 302);
    auto* single = new QWidget;
    single->setObjectName("TabSheet3");
    auto* closed = new QWidget;
    closed->setObjectName("TabSheet5");
    tabs->addTab(single, "   Singolo Strato in aria o su nucleo aperto ");
    tabs->addTab(closed, " Multistrato su nucleo chiuso ");
    auto* gapped = new QWidget;
    gapped->setObjectName("TabSheet7");
    tabs->addTab(gapped, " Con traferro ");

    BuildItems(page, kResonance);
    BuildItems(page, kCurrentButtons);
    BuildFields(page, kCurrentFields, kResultTint);
    BuildItems(page, kSubPages);
    BuildFields(page, kSubPageFields, kResultTint);
    BoldHeading(page, "LabelTitleSS");
    // Each unit list follows its value in the Tab order.
    ChainTabOrder(page, {"ISS", "CBUISS", "MESS"});
}

void BuildClosedCoreSubPage(QWidget* subPage) {
    BuildItems(subPage, kClosedCore);
    BuildFields(subPage, kClosedCoreFields, kResultTint);
    BoldHeading(subPage, "LabelTitleNUC");
    ChainTabOrder(subPage, {"INUC", "CBUINUC", "ALNUC"});
}

} // namespace velkor::ui
