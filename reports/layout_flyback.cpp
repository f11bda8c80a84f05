// The flyback transformer report: electrical data, core, construction data of both windings,
// losses and temperature, and the picture of the stage. Positions in mm from the band's
// top-left corner; rows within a box are 6.6 mm apart.
#include "report_forms.h"
#include "report_layout.h"

#include <utility>

namespace velkor::reports {

namespace {

constexpr double kStep = 6.6; // mm between rows

// One column of caption and value rows from `top` down, `kStep` apart.
void AddColumn(LayoutBuilder& layout, double captionLeft, double valueLeft, double top,
               std::initializer_list<std::pair<const char*, const char*>> rows) {
    for (const auto& [caption, value] : rows) {
        layout.Row(captionLeft, top, caption, valueLeft, value);
        top += kStep;
    }
}

} // namespace

void BuildFlybackLayout(TQuickRep* report) {
    LayoutBuilder layout(report);
    AddHeader(layout, "Calcolo trasformatori flyback", 60.3, 68.5);

    // Electrical data.
    layout.Box(1.3, 31.8, 186.8, 42.0);
    layout.Caption(2.4, 33.1, "Dati elettrici", true);
    AddColumn(layout, 2.4, 47.4, 39.7,
              {{"Tensione continua min.", "QRFBVINMIN"},
               {"Tensione continua max.", "QRFBVINMAX"},
               {"Tensione d'uscita", "QRFBVOUT"},
               {"Corrente d'uscita", "QRFBIOUT"},
               {"Caduta del diodo", "QRFBVF"}});
    AddColumn(layout, 93.7, 142.0, 39.7,
              {{"Frequenza di lavoro", "QRFBFSW"},
               {"Duty max", "QRFBDMAX"},
               {"Rendimento stimato", "QRFBETA"},
               {"Ondulazione KRP", "QRFBKRP"}});

    // Core data.
    layout.Box(1.3, 75.0, 186.8, 33.0);
    layout.Caption(2.4, 76.3, "Dati nucleo", true);
    AddColumn(layout, 35.5, 46.0, 76.3, {{"Core", "QRFBCORE"}});
    AddColumn(layout, 84.4, 101.6, 76.3, {{"Materiale", "QRFBMAT"}});
    AddColumn(layout, 2.4, 47.4, 86.8,
              {{"Induzione max ammessa", "QRFBBMAX"},
               {"Densità di corrente", "QRFBDENS"},
               {"Temperatura ambiente", "QRFBTAMB"}});
    AddColumn(layout, 93.7, 142.0, 86.8,
              {{"Traferro totale", "QRFBTRAF"},
               {"Induzione di picco", "QRFBBPK"},
               {"Escursione ΔB", "QRFBDB"}});

    // Construction data.
    layout.Box(1.3, 109.3, 186.8, 63.0);
    layout.Caption(3.7, 110.6, "Dati costruttivi", true);
    layout.Caption(23.5, 117.2, "Primario", true);
    layout.Caption(124.1, 117.2, "Secondario", true);
    AddColumn(layout, 3.7, 47.4, 124.5,
              {{"Numero spire", "QRFBNP"},
               {"Induttanza", "QRFBLP"},
               {"Duty a VIN min", "QRFBD"},
               {"Corrente di picco", "QRFBIPK"},
               {"Corrente efficace", "QRFBIRMSP"},
               {"Vds max senza picco", "QRFBVDS"},
               {"Filo", "QRFBFILOP"}});
    AddColumn(layout, 110.9, 148.0, 124.5,
              {{"Numero spire", "QRFBNS"},
               {"Rapporto Np/Ns", "QRFBNRAT"},
               {"Tensione riflessa", "QRFBVOR"},
               {"Corrente efficace", "QRFBIRMSS"},
               {"Filo", "QRFBFILOS"}});

    // Losses and temperature.
    layout.Box(1.3, 173.6, 186.8, 29.0);
    layout.Caption(3.7, 174.9, "Perdite e temperatura", true);
    AddColumn(layout, 3.7, 52.0, 181.5,
              {{"Perdite nucleo", "QRFBPNUC"},
               {"Perdite rame", "QRFBPRAME"},
               {"Riempimento finestra", "QRFBRIEMP"}});
    AddColumn(layout, 93.7, 148.0, 181.5,
              {{"Temperatura nucleo", "QRFBTEMP"}, {"Rendimento trasformatore", "QRFBREND"}});

    // The stage, at the picture's own size.
    layout.Box(1.3, 203.9, 186.8, 38.0);
    layout.Image("QRFBIMAGE", QRectF(37.8, 208.3, 113.8, 29.1), pictures::kFlyback);
}

} // namespace velkor::reports
