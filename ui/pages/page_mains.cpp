// Page 2, " Trasformatori di alimentazione ": nameplate data and secondaries, lamination and
// core, bobbin, primary, secondaries, losses and temperature rise.
#include "field_table.h"

#include <QComboBox>
#include <QLineEdit>

namespace velkor::ui {

namespace {

constexpr Item kItems[] = {
    {Kind::Group, "GroupBox8", "TabSheet6", 2, 2, 392, 172, " Lamierino e nucleo"},
    {Kind::Group, "GroupBox12", "TabSheet6", 398, 2, 284, 172, " Cartoccio "},
    {Kind::Group, "GroupBox7", "TabSheet6", 2, 178, 190, 270, " Dati di targa "},
    {Kind::Group, "GroupBox11", "TabSheet6", 196, 178, 486, 146, " Secondari "},
    {Kind::Group, "GroupBox9", "TabSheet6", 196, 328, 256, 108, " Primario "},
    {Kind::Group, "GroupBox13", "TabSheet6", 456, 328, 226, 90,
     " Perdite a pieno carico (Watt) e Temperature  "},
    {Kind::WideButton, "SBTACALC", "TabSheet6", 582, 426, 100, 26, "Calcola"},

    {Kind::Picture, "Image4", "GroupBox8", 4, 16, 150, 150, "image4_lamination.svg"},
    {Kind::Label, "LabelCBTAINDUZ", "GroupBox8", 242, 16, 64, 20, "Induzione"},
    // Items and default written with the regional separator when the page is built.
    {Kind::PickList, "CBTAINDUZ", "GroupBox8", 306, 16, 48, 20, "0,9|1,0|1,1|1,2|1,3",
     "Induzione del tipo di materiale", 2},
    {Kind::Label, "UnitCBTAINDUZ", "GroupBox8", 357, 16, 33, 20, "Wb/m²"},

    {Kind::Picture, "TAIMG1", "GroupBox12", 4, 16, 150, 150, "taimg1_single_bobbin.svg"},
    {Kind::Picture, "TAIMG2", "GroupBox12", 4, 16, 150, 150, "taimg2_double_bobbin.svg"},
    {Kind::ClearButton, "SBCLEARCART", "GroupBox12", 260, 39, 21, 21, "",
     "Cancella i tre campi  A C  X"},
    {Kind::Check, "CBAUTOCART", "GroupBox12", 158, 112, 118, 18, "Auto Dim.",
     "Dimensionamento automatico in funzione del lamierino ( cartoccio di massime dimensioni )", 1},
    {Kind::Radio, "RBTASING", "GroupBox12", 158, 131, 118, 18, "Singolo", "", 1},
    {Kind::Radio, "RBTADOPPIO", "GroupBox12", 158, 150, 118, 18, "Doppio", "", 0},

    {Kind::WideButton, "SBTACPTOT", "GroupBox7", 6, 87, 36, 20, "f(AN)",
     "Stima la potenza del trasformatore, data la sezione lorda del nucleo"},
    {Kind::Label, "LabelSGTAINSEC", "GroupBox7", 6, 134, 178, 16, "Secondari (MAX 6)"},
    {Kind::Grid, "SGTAINSEC", "GroupBox7", 6, 150, 178, 114, "",
     "Dati di targa dei secondari - La potenza viene calcolata appena i campi tensione e "
     "corrente contengono due valori validi",
     307},

    {Kind::Grid, "SGTAOUTSEC", "GroupBox11", 6, 18, 378, 121, "", "", 807},
    {Kind::Label, "LabelTASVS", "GroupBox11", 392, 40, 86, 16, "Spire/volt"},
    {Kind::Result, "TASVS", "GroupBox11", 392, 58, 70, 20},
};

constexpr Spin kSpins[] = {
    {"TAVP", 230, 1, 1000, 5, -1}, // V r.m.s.
    {"TAFREQ", 50, 0, 0, 1, 0},    // Hz
    {"TADENS", 4, 1, 10, 1, -1},   // A/mm²
};

constexpr Field kFields[] = {
    {Kind::Result, "TALA", "GroupBox8", 158, 18, 42, 38, "A mm", "", "", ""},
    {Kind::Result, "TALB", "GroupBox8", 158, 48, 42, 38, "B mm", "", "", ""},
    {Kind::Edit, "TALC", "GroupBox8", 158, 78, 42, 38, "C,S mm", "", "", ""},
    {Kind::Result, "TALD", "GroupBox8", 158, 108, 42, 38, "D,F,G", "", "", ""},
    {Kind::Result, "TALE", "GroupBox8", 158, 138, 42, 38, "E mm", "", "", ""},
    {Kind::Edit, "TARESA", "GroupBox8", 242, 41, 64, 52, "Rendimento", "", "",
     "Rendimento tipico - se non viene introdotto, sarà impostato automaticamente in funzione "
     "della potenta totale"},
    {Kind::Edit, "PEFE", "GroupBox8", 242, 66, 64, 52, "Perdite Ferro", "W/Kg", "1,96",
     "Valore di perdita del ferro in Watt per Kilogrammo"},
    {Kind::Result, "TAAF", "GroupBox8", 242, 91, 64, 52, "AF", "mm²", "", "Area della finestra"},
    {Kind::Result, "TAPMAX", "GroupBox8", 242, 116, 64, 52, "Pmax", "VA", "",
     "Potenza massima resa dal nucleo formato dal lamierino standard scelto dal programma"},
    {Kind::Result, "TAPESOFERRO", "GroupBox8", 242, 141, 64, 52, "Peso Ferro", "Kg", "",
     "Peso del ferro in Kilogrammi"},

    {Kind::Result, "TACA", "GroupBox12", 158, 16, 36, 42, "Dim  A", "mm", "", ""},
    {Kind::Result, "TACC", "GroupBox12", 158, 39, 36, 42, "Dim  C", "mm", "", ""},
    {Kind::Result, "TACX", "GroupBox12", 158, 62, 36, 42, "Dim  X", "mm", "", ""},
    {Kind::Result, "RAPIMPAC", "GroupBox12", 158, 88, 62, 48, "Fatt. Riemp.", "", "",
     "Il Fattore di Riempimento non tiene conto dei materiali di isolamento interno (0...1 - 0 "
     "= cartoccio vuoto  1= cartoccio pieno )"},

    {Kind::SpinField, "TAVP", "GroupBox7", 6, 18, 80, 56, "V primario", "Vac", "",
     "Tensione applicata al primario"},
    {Kind::SpinField, "TAFREQ", "GroupBox7", 6, 41, 80, 56, "Frequenza", "Hz", "",
     "Frequenza di lavoro"},
    {Kind::SpinField, "TADENS", "GroupBox7", 6, 64, 80, 56, "Dens. corrente", "A/mm²", "",
     "Densità di Corrente"},
    {Kind::Edit, "TAPTOT", "GroupBox7", 44, 87, 42, 56, "Ptot out", "VA", "",
     "Potenza totale richiesta al secondario"},
    {Kind::Edit, "TASEZL", "GroupBox7", 6, 110, 80, 56, "Sez. Lorda (AN)", "mm²", "",
     "Sezione lorda del nucleo comprensiva delle perdite"},

    // Counts on the left, quantities with a unit on the right.
    {Kind::Result, "TANSP", "GroupBox9", 6, 16, 50, 48, "N Spire", "", "", ""},
    {Kind::Result, "TAIP", "GroupBox9", 6, 38, 50, 48, "I primario", "", "",
     "Corrente primaria a pieno carico"},
    {Kind::Result, "TASVP", "GroupBox9", 6, 60, 50, 48, "Spire/volt", "", "", ""},
    {Kind::Result, "TANP", "GroupBox9", 6, 82, 50, 48, "N passate", "", "", ""},
    {Kind::Result, "TADF", "GroupBox9", 110, 16, 56, 52, "Ø filo nudo", "mm", "", ""},
    {Kind::Result, "TALFILO", "GroupBox9", 110, 38, 56, 52, "Lungh. filo", "mt", "", ""},
    {Kind::Result, "TAPESO", "GroupBox9", 110, 60, 56, 52, "Peso rame", "gr", "", ""},
    {Kind::Result, "TARESRAME", "GroupBox9", 110, 82, 56, 52, "Res.  rame", "ohm", "", ""},

    {Kind::Result, "TAPERFERRO", "GroupBox13", 6, 18, 58, 46, "Ferro", "", "", "Perdite nel Ferro"},
    {Kind::Result, "TAPERP", "GroupBox13", 6, 41, 58, 46, "Rame Prim.", "", "",
     "Perdite nel rame del primario"},
    {Kind::Result, "TAPERS", "GroupBox13", 6, 64, 58, 46, "Rame Sec.", "", "",
     "Perdite nel rame del secondario"},
    {Kind::Result, "TAPERTOT", "GroupBox13", 116, 18, 38, 46, "Totale", "", "", "Perdite totali"},
    {Kind::Result, "TADT", "GroupBox13", 116, 41, 38, 46, "DeltaT", "°C", "",
     "Innalzamento della temperatura a pieno carico - in rosso oltre 65 °C: a 40 °C di "
     "ambiente l'isolamento in classe A raggiunge lì il suo limite di 105 °C"},
};

constexpr Tint kTints[] = {
    {"TASVS", kResultTint},
    {"TAPERTOT", Colour::System(Colour::Role::InfoBackground)},
    {"TADT", Colour::Rgb(255, 176, 176)},
};

} // namespace

void BuildMainsPage(QWidget* page) {
    BuildItems(page, kItems);
    BuildFields(page, kFields, kResultTint, kSpins);
    ApplyTints(page, kTints);
    // Tab through the inputs in reading order of the data: nameplate, core, bobbin.
    ChainTabOrder(page, {"TAVP", "TAFREQ", "TADENS", "TAPTOT", "TASEZL", "SGTAINSEC", "TALC",
                         "CBTAINDUZ", "TARESA", "PEFE", "CBAUTOCART", "TACA", "TACC", "TACX",
                         "RBTASING", "RBTADOPPIO"});
    // Stored decimal numbers follow the regional separator, so that they convert when read.
    if (auto* induction = page->findChild<QComboBox*>("CBTAINDUZ")) {
        const int selected = induction->currentIndex();
        for (int i = 0; i < induction->count(); ++i)
            induction->setItemText(i, RegionalDecimal(induction->itemText(i)));
        induction->setCurrentIndex(selected);
    }
    if (auto* ironLoss = page->findChild<QLineEdit*>("PEFE"))
        ironLoss->setText(RegionalDecimal(QStringLiteral("1,96")));
}

} // namespace velkor::ui
