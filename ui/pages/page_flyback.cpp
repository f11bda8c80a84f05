// Page 4, " Flyback ": the electrical data and the core of a flyback transformer, the picture of
// the stage, and the results of the primary, the secondary, the core and its losses.
#include "field_table.h"
#include "looks.h"

#include <QWidget>

namespace velkor::ui {

namespace {

constexpr Colour kGreen = Colour::Rgb(0, 128, 0);
constexpr Colour kNavy = Colour::Rgb(0, 0, 128);

constexpr Item kGroups[] = {
    {Kind::Group, "GroupBox1FB", "TabSheet8", 4, 4, 240, 258, " Dati elettrici "},
    {Kind::Group, "GroupBox2FB", "TabSheet8", 4, 266, 240, 154, " Nucleo e avvolgimenti "},
    {Kind::Picture, "ImageFB", "TabSheet8", 250, 4, 430, 110, "image8_flyback.svg"},
    {Kind::Group, "GroupBox3FB", "TabSheet8", 250, 118, 212, 206, " Primario "},
    {Kind::Group, "GroupBox4FB", "TabSheet8", 468, 118, 212, 206, " Secondario "},
    {Kind::Group, "GroupBox5FB", "TabSheet8", 250, 328, 430, 126,
     " Nucleo, perdite e temperatura "},
    {Kind::WideButton, "SBCALCFB", "TabSheet8", 74, 428, 100, 26, "Calcola"},
};

// Defaults, limits, increment (the step of the arrows) and decimals (-1 = any).
constexpr Spin kSpins[] = {
    {"VINMINFB", 100, 1, 2000, 1, -1},          // V
    {"VINMAXFB", 375, 1, 2000, 1, -1},          // V
    {"VOUTFB", 12, 0.1L, 1000, 0.5L, -1},       // V
    {"IOUTFB", 2, 0.001L, 100, 0.1L, -1},       // A
    {"VFFB", 0.7L, 0, 10, 0.1L, -1},            // V
    {"FSWFB", 100000, 1000, 10000000, 1000, 0}, // Hz
    {"DMAXFB", 0.45L, 0.05L, 0.9L, 0.01L, -1},  // duty
    {"ETAFB", 85, 1, 100, 1, -1},               // %
    {"KRPFB", 0.6L, 0.05L, 1, 0.05L, -1},       // ΔI / Ipk
    {"BMFB", 300, 1, 1000, 10, 0},              // mT
    {"JFB", 5, 0.1L, 50, 0.5L, -1},             // A/mm²
    {"TAMBFB", 40, -40, 150, 1, 0},             // °C
};

constexpr int kInputLabel = 150;  // px
constexpr int kInputField = 76;   // px
constexpr int kResultLabel = 124; // px
constexpr int kResultField = 72;  // px

constexpr Field kFields[] = {
    {Kind::SpinField, "VINMINFB", "GroupBox1FB", 8, 22, kInputLabel, kInputField, "VIN min (V)", "",
     "", "Tensione continua minima all'ingresso del convertitore (dopo il raddrizzatore)"},
    {Kind::SpinField, "VINMAXFB", "GroupBox1FB", 8, 48, kInputLabel, kInputField, "VIN max (V)", "",
     "", "Tensione continua massima all'ingresso del convertitore"},
    {Kind::SpinField, "VOUTFB", "GroupBox1FB", 8, 74, kInputLabel, kInputField, "Vout (V)", "", "",
     "Tensione d'uscita del secondario"},
    {Kind::SpinField, "IOUTFB", "GroupBox1FB", 8, 100, kInputLabel, kInputField, "Iout (A)", "", "",
     "Corrente d'uscita media del secondario"},
    {Kind::SpinField, "VFFB", "GroupBox1FB", 8, 126, kInputLabel, kInputField, "Vf diodo (V)", "",
     "", "Caduta diretta del diodo d'uscita"},
    {Kind::SpinField, "FSWFB", "GroupBox1FB", 8, 152, kInputLabel, kInputField, "Frequenza (Hz)",
     "", "", "Frequenza di commutazione, fissa"},
    {Kind::SpinField, "DMAXFB", "GroupBox1FB", 8, 178, kInputLabel, kInputField, "Duty max", "", "",
     "Duty cycle dell'interruttore a VIN min: fissa il rapporto spire e la tensione riflessa"},
    {Kind::SpinField, "ETAFB", "GroupBox1FB", 8, 204, kInputLabel, kInputField,
     "% rendimento stimato", "", "",
     "Rendimento stimato dell'alimentatore: la potenza d'ingresso è Pout · 100 / rendimento"},
    {Kind::SpinField, "KRPFB", "GroupBox1FB", 8, 230, kInputLabel, kInputField, "Ondulazione KRP",
     "", "",
     "ΔI / Ipicco del primario a VIN min: 1 = modo discontinuo al limite, meno di 1 = modo "
     "continuo"},

    {Kind::Edit, "COREFB", "GroupBox2FB", 8, 22, kInputLabel, kInputField, "Core", "", "E 25/13/7",
     "Nucleo della libreria (E, ETD, EFD, PQ, RM ...); un toroide non può avere traferro"},
    {Kind::Edit, "MATFB", "GroupBox2FB", 8, 48, kInputLabel, kInputField, "Materiale", "", "N87",
     "Ferrite della libreria: ne vengono lette la permeabilità, la saturazione e le perdite"},
    {Kind::SpinField, "BMFB", "GroupBox2FB", 8, 74, kInputLabel, kInputField, "B max (mT)", "", "",
     "Induzione di picco ammessa nel nucleo a VIN min: fissa le spire del primario"},
    {Kind::SpinField, "JFB", "GroupBox2FB", 8, 100, kInputLabel, kInputField,
     "Densità di corrente (A/mm²)", "", "",
     "Densità di corrente efficace nei due avvolgimenti - da 3 a 8 A/mm² - fissa il diametro "
     "dei fili"},
    {Kind::SpinField, "TAMBFB", "GroupBox2FB", 8, 126, kInputLabel, kInputField, "T ambiente (°C)",
     "", "", "Temperatura dell'aria intorno al trasformatore"},

    {Kind::Result, "NPFB", "GroupBox3FB", 8, 22, kResultLabel, kResultField, "Spire primario", "",
     "", "Spire del primario: le minime che tengono il picco di flusso entro B max"},
    {Kind::Result, "LPFB", "GroupBox3FB", 8, 48, kResultLabel, kResultField, "Lp (µH)", "", "",
     "Induttanza del primario, ottenuta con il traferro"},
    {Kind::Result, "DFB", "GroupBox3FB", 8, 74, kResultLabel, kResultField, "Duty a VIN min", "",
     "", "Duty cycle a VIN min con le spire intere; oltre Duty max il campo diventa rosso"},
    {Kind::Result, "IPKFB", "GroupBox3FB", 8, 100, kResultLabel, kResultField,
     "Ipicco primario (A)", "", "", "Corrente di picco del primario a VIN min"},
    {Kind::Result, "IRMSPFB", "GroupBox3FB", 8, 126, kResultLabel, kResultField,
     "Irms primario (A)", "", "", "Corrente efficace del primario a VIN min"},
    {Kind::Result, "VDSFB", "GroupBox3FB", 8, 152, kResultLabel, kResultField,
     "Vds max senza picco (V)", "", "",
     "VIN max + tensione riflessa: il picco dell'induttanza dispersa si aggiunge a questo valore"},
    {Kind::Result, "FILOPFB", "GroupBox3FB", 8, 178, 40, 156, "Filo", "", "",
     "Filo smaltato da acquistare per il primario (serie R20 IEC 60317): fili in parallelo x "
     "diametro in mm e calibro AWG"},

    {Kind::Result, "NSFB", "GroupBox4FB", 8, 22, kResultLabel, kResultField, "Spire secondario", "",
     "", "Spire del secondario, le più vicine al rapporto del punto di progetto"},
    {Kind::Result, "NRATFB", "GroupBox4FB", 8, 48, kResultLabel, kResultField,
     "Rapporto spire Np/Ns", "", "", "Rapporto delle spire intere"},
    {Kind::Result, "VORFB", "GroupBox4FB", 8, 74, kResultLabel, kResultField,
     "Tensione riflessa (V)", "", "",
     "(Np/Ns) · (Vout + Vf): la tensione del secondario vista "
     "dal primario"},
    {Kind::Result, "IRMSSFB", "GroupBox4FB", 8, 100, kResultLabel, kResultField,
     "Irms secondario (A)", "", "", "Corrente efficace del secondario a VIN min"},
    {Kind::Result, "FILOSFB", "GroupBox4FB", 8, 178, 40, 156, "Filo", "", "",
     "Filo smaltato da acquistare per il secondario (serie R20 IEC 60317): fili in parallelo x "
     "diametro in mm e calibro AWG"},

    {Kind::Result, "TRAFFB", "GroupBox5FB", 8, 22, kResultLabel, kResultField,
     "Traferro totale (mm)", "", "",
     "Traferro totale nel circuito magnetico (rettificato nella colonna centrale), frangia "
     "compresa; ? se il nucleo non ne ha bisogno"},
    {Kind::Result, "BPKFB", "GroupBox5FB", 8, 48, kResultLabel, kResultField, "B picco (mT)", "",
     "",
     "Induzione di picco, la maggiore tra VIN min e VIN max; oltre la saturazione del "
     "materiale a 100 °C il campo diventa rosso"},
    {Kind::Result, "DBFB", "GroupBox5FB", 8, 74, kResultLabel, kResultField, "ΔB (mT)", "", "",
     "Escursione dell'induzione, la maggiore tra VIN min e VIN max"},
    {Kind::Result, "RIEMPFB", "GroupBox5FB", 8, 100, kResultLabel, kResultField,
     "Riempimento finestra", "", "",
     "Parte dell'area finestra del nucleo occupata dal rame nudo dei due avvolgimenti - oltre "
     "0,40 l'avvolgimento difficilmente entra"},
    {Kind::Result, "PNUCFB", "GroupBox5FB", 214, 22, 150, 60, "Perdite nucleo (W)", "", "",
     "Stima delle perdite nel nucleo alla sua temperatura, la maggiore tra VIN min e VIN max "
     "(tensione rettangolare)"},
    {Kind::Result, "PRAMEFB", "GroupBox5FB", 214, 48, 150, 60, "Perdite rame (W)", "", "",
     "Stima delle perdite nei due avvolgimenti a VIN min, effetto pelle e prossimità compresi"},
    {Kind::Result, "TFB", "GroupBox5FB", 214, 74, 150, 60, "Temperatura nucleo (°C)", "", "",
     "Stima della temperatura del nucleo in aria ferma; oltre 100 °C il campo diventa rosso"},
    {Kind::Result, "RENDFB", "GroupBox5FB", 214, 100, 150, 60, "Rendimento trasformatore (%)", "",
     "", "Stima del rendimento del solo trasformatore: Pout / (Pout + perdite)"},
};

constexpr Tint kTints[] = {
    {"COREFB", Colour::System(Colour::Role::InfoBackground)},
    {"MATFB", Colour::System(Colour::Role::InfoBackground)},
};

// Group captions: navy bold, the primary and secondary groups green.
constexpr Tint kCaptions[] = {
    {"GroupBox1FB", kNavy},  {"GroupBox2FB", kNavy}, {"GroupBox3FB", kGreen},
    {"GroupBox4FB", kGreen}, {"GroupBox5FB", kNavy},
};

} // namespace

void BuildFlybackPage(QWidget* page) {
    BuildItems(page, kGroups);
    BuildFields(page, kFields, kFerriteTint, kSpins);
    ApplyTints(page, kTints);
    ApplyCaptionColours(page, kCaptions);
}

} // namespace velkor::ui
