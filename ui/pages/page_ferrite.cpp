// Page 1, " Trasformatori ferrite ": the spin fields of the design data, the core data with the
// winding picture, the results of the primary and the secondary, the checks of the windings,
// and the losses with the core temperature.
#include "field_table.h"
#include "looks.h"

#include <QLabel>

namespace velkor::ui {

namespace {

constexpr Colour kGreen = Colour::Rgb(0, 128, 0);
constexpr Colour kNavy = Colour::Rgb(0, 0, 128);

constexpr Item kGroups[] = {
    {Kind::Group, "GroupBox1", "TabSheet1", 4, 4, 246, 228, " Dati principali trasformatore  "},
    {Kind::Group, "GroupBox2", "TabSheet1", 254, 4, 426, 228, " Dati nucleo "},
    {Kind::Group, "GroupBox3", "TabSheet1", 4, 236, 676, 180, " Parametri trasformatore "},
    {Kind::Group, "GroupBox4", "GroupBox3", 8, 48, 326, 124, " Primario "},
    {Kind::Group, "GroupBox5", "GroupBox3", 342, 48, 326, 124, " Secondario "},
    {Kind::Picture, "Image2", "GroupBox2", 147, 36, 88, 105, "image2_transformers.svg"},
    {Kind::Label, "Label107", "GroupBox2", 136, 146, 110, 30, "Configurazione FlyBack"},
    // The parts library beside the core data: look through it, or let it suggest the core.
    {Kind::WideButton, "SBLIB", "GroupBox2", 138, 180, 106, 21, "Libreria…",
     "Sfoglia nuclei, materiali e fili; suggerisce il nucleo"},
    {Kind::WideButton, "SBSUGG", "GroupBox2", 138, 203, 106, 21, "Suggerisci",
     "Prova ogni nucleo della libreria con i dati della pagina e mostra i più piccoli che "
     "superano tutte le verifiche"},
    {Kind::WideButton, "SBCALC", "TabSheet1", 292, 424, 100, 26, "Calcola"},
    // What a reader of the results looks at next: the losses and the temperature they give,
    // under the checks of the windings (the window grew to make room).
    {Kind::Group, "GBPERDITE", "TabSheet1", 4, 467, 676, 76, " Perdite e temperatura "},
};

// Defaults, limits (both 0 = none), increment (the step of the arrows) and decimals.
constexpr Spin kSpins[] = {
    {"VPMIN", 10.0L, 1, 1000, 0.5L, 1},  // V
    {"VPMAX", 13.9L, 1, 1000, 0.5L, 1},  // V
    {"FREQ", 20000, 0, 0, 1, 0},         // Hz
    {"FATTF", 4, 1, 10, 1, -1, 2},       // form factor: whole numbers or two decimals (4.44)
    {"VSPP", 600.0L, 1, 50000, 0.5L, 1}, // V peak to peak
    {"PSEC", 8, 0.5L, 10000, 1, -1},     // W
    {"DCMQ", 4.9338L, 1, 10, 1, -1},     // A/mm²
    {"BSAT", 4100, 1, 100000, 1, -1},    // gauss
    {"AL", 2800, 0, 0, 1, -1},           // nH per turn²
    {"AE", 52, 0, 0, 1, -1},             // mm²
    {"AC", 30, 0, 0, 1, -1},             // mm²
    {"PUN", 48.79L, 1, 100, 1, -1},      // %
    {"ETA", 50, 1, 100, 1, -1},          // %
    {"TAMBFER", 40, -40, 150, 1, 0},     // °C
};

constexpr Field kFields[] = {
    {Kind::SpinField, "VPMIN", "GroupBox1", 10, 24, 140, 86, "VPmin (Volt)", "", "",
     "Tensione continua Minima di alimentazione primario"},
    {Kind::SpinField, "VPMAX", "GroupBox1", 10, 53, 140, 86, "VPmax (Volt)", "", "",
     "Tensione continua Massima di alimentazione primario"},
    {Kind::SpinField, "FREQ", "GroupBox1", 10, 82, 140, 86, "Frequenza (Hz)", "", "",
     "Frequenza di lavoro in Hz"},
    {Kind::SpinField, "FATTF", "GroupBox1", 10, 111, 140, 86, "Fatt. Forma", "", "",
     "Fattore di Forma : Forward=2  Half-Bridge=4  Sinusoide=4.44"},
    {Kind::SpinField, "VSPP", "GroupBox1", 10, 140, 140, 86, "VSpp (Volt)", "", "",
     "Tensione picco-picco secondario"},
    {Kind::SpinField, "PSEC", "GroupBox1", 10, 169, 140, 86, "PS (Watt)", "", "",
     "Potenza richiesta al secondario"},
    {Kind::SpinField, "DCMQ", "GroupBox1", 10, 198, 140, 86, "Densità di corrente (A/mm²)", "", "",
     "Densità di corrente per mm^2 - da 2 a 8 A/mm^2 - Maggiore la densità, minori le dim. "
     "del nucleo e del filo, maggiori le perdite  e quindi la dissipazione termica"},

    {Kind::Edit, "Edit1", "GroupBox2", 8, 24, 66, 58, "Core", "", "EC52",
     "Tipo di corpo magnetico ( EC52, RM8...) - solo documentaristico"},
    {Kind::Edit, "Edit2", "GroupBox2", 8, 64, 66, 58, "Materiale", "", "3C8",
     "Materiale corpo magnetico (3E8, N30...) - solo documentaristico"},
    {Kind::SpinField, "BSAT", "GroupBox2", 8, 104, 66, 58, "Bsat (Gauss)", "", "",
     "Saturazione del core ( fornito dal costruttore)"},
    {Kind::SpinField, "AL", "GroupBox2", 8, 144, 66, 58, "Al (nH/N²)", "", "",
     "Coeff. di induzione per spira al quadrato ( fornito dal costruttore)"},
    {Kind::SpinField, "AE", "GroupBox2", 8, 184, 66, 58, "Ae (mm²)", "", "",
     "Area effettiva del nucleo ferromagnetico ( fornito dal costruttore)"},
    {Kind::SpinField, "AC", "GroupBox2", 250, 24, 110, 60, "Ac (mm²)", "", "",
     "Area finestra utile per l'avvolgimento ( fornito dal costruttore)"},
    {Kind::SpinField, "PUN", "GroupBox2", 250, 64, 110, 60, "% utilizzo nucleo", "", "",
     "Per evitare la saturazione. Consigliato dal 50 al 70 %"},
    {Kind::SpinField, "ETA", "GroupBox2", 250, 104, 110, 60, "% rendimento stimato", "", "",
     "Rendimento stimato del trasformatore - da 50% a 80% consigliato - dipende dalla "
     "costruzione e dal fattore di forma"},
    {Kind::Result, "AEAC", "GroupBox2", 250, 144, 110, 60, "AeAc (cm^4)", "", "",
     "Prodotto AeAc introdotti. Viene calcolato e verificato sul valore minimo."},
    {Kind::Result, "BMAX", "GroupBox2", 250, 184, 110, 60, "Bmax (Gauss)", "", "",
     "Flusso max applicato al nucleo ed utilizzato nei calcoli al posto di Bsat - Calcolato"},

    {Kind::Result, "AEACMIN", "GroupBox3", 16, 20, 116, 80, "AeAc minima (cm^4)", "", "",
     "Prodotto  AeAc minimo per i dati forniti - Calcolato"},
    {Kind::Result, "BMAXEFF", "GroupBox3", 350, 20, 130, 80, "Bmax effettiva (Gauss)", "", "",
     "Flusso massimo calcolato sulla corrente max di primario. - Calcolato"},

    {Kind::Result, "IPRIM", "GroupBox4", 8, 24, 92, 60, "IP ( Ampere)", "", "", ""},
    {Kind::Result, "IPPEEK", "GroupBox4", 8, 58, 92, 60, "IPpeek", "", "",
     "Corrente di picco sul primario"},
    {Kind::Result, "DFP", "GroupBox4", 8, 92, 92, 60, "Diametro filo (mm)", "", "", ""},
    // Turns, inductances and reactances grow large (a 5 kV secondary has some 10^8 µH): the
    // wider column.
    {Kind::Result, "NSP", "GroupBox4", 166, 24, 74, 80, "Numero spire", "", "",
     "Numero spire del primario. Se il pilotaggio è in push-pull, questo campo indica il "
     "numero spire di mezzo avvolgimento."},
    {Kind::Result, "LPRIM", "GroupBox4", 166, 58, 74, 80, "L ( µH )", "", "", ""},
    {Kind::Result, "XLPRIM", "GroupBox4", 166, 92, 74, 80, "XL = Z  (ohm )", "", "", ""},

    {Kind::Result, "ISEC", "GroupBox5", 8, 24, 92, 60, "IS (Ampere)", "", "", ""},
    {Kind::Result, "DFS", "GroupBox5", 8, 58, 92, 60, "Diametro filo (mm)", "", "", ""},
    {Kind::Result, "VSRMS", "GroupBox5", 8, 92, 92, 60, "VSrms (Volt)", "", "", ""},
    {Kind::Result, "NSS", "GroupBox5", 166, 24, 74, 80, "Numero spire", "", "", ""},
    {Kind::Result, "LSEC", "GroupBox5", 166, 58, 74, 80, "L ( µH )", "", "", ""},
    {Kind::Result, "XLSEC", "GroupBox5", 166, 92, 74, 80, "XL = Z (ohm)", "", "", ""},

    // Checks of the windings, in the free band under the results, beside "Calcola": the
    // wire to buy under the wire diameter of each group, then the skin depth and the fill.
    {Kind::Result, "FILOP", "TabSheet1", 20, 420, 92, 150, "Filo", "", "",
     "Filo smaltato da acquistare per il primario (serie R20 IEC 60317): fili in parallelo x "
     "diametro in mm e calibro AWG"},
    {Kind::Result, "FILOS", "TabSheet1", 400, 420, 46, 150, "Filo", "", "",
     "Filo smaltato da acquistare per il secondario (serie R20 IEC 60317): fili in parallelo x "
     "diametro in mm e calibro AWG"},
    {Kind::Result, "DELTAFER", "TabSheet1", 20, 443, 140, 60, "Prof. penetrazione δ (mm)", "", "",
     "Profondità di penetrazione della corrente nel rame alla frequenza di lavoro"},
    {Kind::Result, "RIEMPFER", "TabSheet1", 400, 443, 110, 60, "Riempimento finestra", "", "",
     "Parte dell'area finestra Ac occupata dal rame nudo dei due avvolgimenti - oltre 0,40 "
     "l'avvolgimento difficilmente entra"},

    // Losses and temperature: the ambient on the left, the two losses, then the core
    // temperature and the efficiency they leave.
    {Kind::SpinField, "TAMBFER", "GBPERDITE", 16, 22, 104, 60, "T ambiente (°C)", "", "",
     "Temperatura dell'aria intorno al trasformatore"},
    {Kind::Result, "PNUCLEO", "GBPERDITE", 236, 22, 132, 60, "Perdite nucleo (W)", "", "",
     "Perdite nel ferrite alla temperatura del nucleo, dai coefficienti di Steinmetz del "
     "materiale (Core e Materiale della libreria) - stima"},
    {Kind::Result, "PRAME", "GBPERDITE", 236, 48, 132, 60, "Perdite rame (W)", "", "",
     "Perdite nei due avvolgimenti alla temperatura del nucleo, con effetto pelle e di "
     "prossimità alla sola frequenza di lavoro - stima per difetto"},
    {Kind::Result, "TNUCLEO", "GBPERDITE", 456, 22, 144, 60, "Temperatura nucleo (°C)", "", "",
     "Temperatura del nucleo in aria ferma con le perdite di nucleo e rame - stima; oltre "
     "100 °C il ferrite esce dai dati del costruttore"},
    {Kind::Result, "RENDCALC", "GBPERDITE", 456, 48, 144, 60, "Rendimento calcolato (%)", "", "",
     "Rendimento del solo trasformatore con le perdite stimate di nucleo e rame - se è minore "
     "del rendimento stimato, la corrente di primario è sottostimata"},
};

constexpr Tint kTints[] = {
    {"Edit1", Colour::System(Colour::Role::InfoBackground)},
    {"Edit2", Colour::System(Colour::Role::InfoBackground)},
};

// Group captions: navy bold, the primary and secondary sub-groups green; the controls inside
// keep the regular weight and the window-text colour.
constexpr Tint kCaptions[] = {
    {"GroupBox1", kNavy},  {"GroupBox2", kNavy},  {"GroupBox3", kNavy},
    {"GroupBox4", kGreen}, {"GroupBox5", kGreen}, {"GBPERDITE", kNavy},
};

} // namespace

void BuildFerritePage(QWidget* page) {
    BuildItems(page, kGroups);
    BuildFields(page, kFields, kFerriteTint, kSpins);
    ApplyTints(page, kTints);
    ApplyCaptionColours(page, kCaptions);
    if (auto* caption = page->findChild<QLabel*>("Label107")) {
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        caption->setWordWrap(true);
    }
}

} // namespace velkor::ui
