// Sub-page TabSheet7 of the inductor page, " Con traferro ": the design data of an inductor on
// a gapped ferrite core in one column, the results in two beside it, the picture of the core
// and "Calcola" under them.
#include "field_table.h"

#include <QFont>
#include <QWidget>

namespace velkor::ui {

namespace {

constexpr Item kItems[] = {
    {Kind::Label, "LabelTitleGAP", "TabSheet7", 8, 6, 420, 21,
     "Induttori su nucleo in ferrite con traferro"},
    {Kind::Picture, "IMG7", "TabSheet7", 236, 170, 190, 110, "image7_gapped_core.svg"},
    {Kind::WideButton, "SBCALCGAP", "TabSheet7", 500, 222, 110, 26, "Calcola",
     "Calcola spire, traferro, flusso, filo, perdite e temperatura del nucleo"},
};

// Defaults, limits, increment (the step of the arrows) and decimals (-1: any).
constexpr Spin kSpins[] = {
    {"LGAP", 100, 0.001L, 1e6L, 1, -1},        // µH
    {"IPKGAP", 5, 0.001L, 1e4L, 0.5L, -1},     // A
    {"IRMSGAP", 4.5L, 0.001L, 1e4L, 0.5L, -1}, // A
    {"DIGAP", 1, 0, 1e4L, 0.1L, -1},           // A, peak to peak
    {"FGAP", 100000, 1, 1e7L, 1000, 0},        // Hz
    {"BMGAP", 300, 1, 1000, 10, 0},            // mT
    {"JGAP", 4, 0.1L, 50, 0.5L, -1},           // A/mm²
    {"TAMBGAP", 40, -40, 150, 1, 0},           // °C
};

constexpr int kRow = 24;       // px between rows
constexpr int kTop = 32;       // px, the first row
constexpr int kResults1 = 232; // px, left of the first result column
constexpr int kResults2 = 420; // px, left of the second

constexpr Field kFields[] = {
    {Kind::SpinField, "LGAP", "TabSheet7", 8, kTop, 138, 78, "L (µH)", "", "",
     "Induttanza richiesta in µH"},
    {Kind::SpinField, "IPKGAP", "TabSheet7", 8, kTop + kRow, 138, 78, "I picco (A)", "", "",
     "Corrente di picco: continua più metà dell'ondulazione; fissa le spire per B max"},
    {Kind::SpinField, "IRMSGAP", "TabSheet7", 8, kTop + 2 * kRow, 138, 78, "I efficace (A)", "", "",
     "Corrente efficace nell'avvolgimento: fissa il diametro del filo e le perdite nel rame"},
    {Kind::SpinField, "DIGAP", "TabSheet7", 8, kTop + 3 * kRow, 138, 78, "Ondulazione ΔI (A)", "",
     "", "Ondulazione picco-picco della corrente: dà l'escursione ΔB e le perdite nel nucleo"},
    {Kind::SpinField, "FGAP", "TabSheet7", 8, kTop + 4 * kRow, 138, 78, "Frequenza (Hz)", "", "",
     "Frequenza di commutazione in Hz"},
    {Kind::SpinField, "BMGAP", "TabSheet7", 8, kTop + 5 * kRow, 138, 78, "B max (mT)", "", "",
     "Induzione di picco massima ammessa in mT - sotto la saturazione del materiale a 100 °C"},
    {Kind::SpinField, "JGAP", "TabSheet7", 8, kTop + 6 * kRow, 138, 78,
     "Densità di corrente (A/mm²)", "", "", "Densità di corrente nel filo - da 2 a 8 A/mm²"},
    {Kind::SpinField, "TAMBGAP", "TabSheet7", 8, kTop + 7 * kRow, 138, 78, "T ambiente (°C)", "",
     "", "Temperatura dell'aria intorno all'induttore"},
    {Kind::Edit, "COREGAP", "TabSheet7", 8, kTop + 8 * kRow, 62, 154, "Core", "", "ETD 29/16/10",
     "Nucleo della libreria (coppia di E con traferro nella colonna centrale; non un toroide)"},
    {Kind::Edit, "MATGAP", "TabSheet7", 8, kTop + 9 * kRow, 62, 154, "Materiale", "", "N87",
     "Materiale ferrite della libreria (N87, 3C90...)"},

    {Kind::Result, "NGAP", "TabSheet7", kResults1, kTop, 124, 52, "Numero spire", "", "",
     "Spire per restare a B max alla corrente di picco - Calcolato"},
    {Kind::Result, "TRAFGAP", "TabSheet7", kResults1, kTop + kRow, 124, 52, "Traferro totale (mm)",
     "", "",
     "Traferro totale nel circuito magnetico, rettificato nella colonna centrale - '?' se il "
     "nucleo non ne ha bisogno"},
    {Kind::Result, "FRINGGAP", "TabSheet7", kResults1, kTop + 2 * kRow, 124, 52,
     "Fattore di frangia", "", "",
     "Aumento dell'induttanza dovuto al flusso ai bordi del traferro"},
    {Kind::Result, "ALGAP", "TabSheet7", kResults1, kTop + 3 * kRow, 124, 52,
     "Al con traferro (nH/N²)", "", "", "Coefficiente di induzione del nucleo con il traferro"},
    {Kind::Result, "BPKGAP", "TabSheet7", kResults1, kTop + 4 * kRow, 124, 52, "B picco (mT)", "",
     "", "Induzione di picco - in rosso sopra la saturazione del materiale a 100 °C"},
    {Kind::Result, "DBGAP", "TabSheet7", kResults1, kTop + 5 * kRow, 124, 52, "ΔB (mT)", "", "",
     "Escursione picco-picco dell'induzione dovuta all'ondulazione"},
    {Kind::Result, "FILOGAP", "TabSheet7", kResults2, kTop, 90, 124, "Filo", "", "",
     "Filo smaltato da acquistare (serie R20 IEC 60317): fili in parallelo x diametro in mm e "
     "calibro AWG"},
    {Kind::Result, "RIEMPGAP", "TabSheet7", kResults2, kTop + kRow, 150, 64, "Riempimento finestra",
     "", "",
     "Parte dell'area finestra del nucleo occupata dal rame nudo - oltre 0,40 l'avvolgimento "
     "difficilmente entra"},
    {Kind::Result, "RDCGAP", "TabSheet7", kResults2, kTop + 2 * kRow, 150, 64, "Resistenza (mΩ)",
     "", "", "Resistenza in continua dell'avvolgimento alla temperatura del nucleo - Stima"},
    {Kind::Result, "PNUCGAP", "TabSheet7", kResults2, kTop + 3 * kRow, 150, 64,
     "Perdite nucleo (W)", "", "",
     "Perdite nel nucleo per l'escursione ΔB con tensione rettangolare (D = 0,5), senza "
     "l'effetto della componente continua - Stima"},
    {Kind::Result, "PRAMEGAP", "TabSheet7", kResults2, kTop + 4 * kRow, 150, 64, "Perdite rame (W)",
     "", "",
     "Perdite nel rame: la continua sulla resistenza, l'ondulazione con l'effetto pelle e di "
     "prossimità - Stima"},
    {Kind::Result, "TGAP", "TabSheet7", kResults2, kTop + 5 * kRow, 150, 64,
     "Temperatura nucleo (°C)", "", "",
     "Temperatura del nucleo in aria calma con le perdite calcolate - in rosso oltre 100 °C - "
     "Stima"},
};

} // namespace

void BuildGappedSubPage(QWidget* subPage) {
    BuildItems(subPage, kItems);
    BuildFields(subPage, kFields, kResultTint, kSpins);
    if (auto* heading = subPage->findChild<QWidget*>("LabelTitleGAP")) {
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
    }
}

} // namespace velkor::ui
