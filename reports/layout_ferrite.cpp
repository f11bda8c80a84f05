// The ferrite transformer report: electrical data, core data and construction data.
// Positions in mm from the band's top-left corner.
#include "report_forms.h"
#include "report_layout.h"

namespace velkor::reports {

namespace {

struct Row {
    double top; // mm
    const char* caption;
    const char* value;
};

// One column of caption and value rows.
void AddColumn(LayoutBuilder& layout, double captionLeft, double valueLeft,
               std::initializer_list<Row> rows) {
    for (const Row& row : rows) {
        layout.Row(captionLeft, row.top, row.caption, valueLeft, row.value);
    }
}

} // namespace

void BuildFerriteLayout(TQuickRep* report) {
    LayoutBuilder layout(report);
    AddHeader(layout, "Calcolo trasformatori in ferrite", 60.3, 68.5);

    // Electrical data.
    layout.Box(1.3, 31.8, 186.8, 50.5);
    layout.Caption(2.4, 33.1, "Dati elettrici", true);
    AddColumn(layout, 2.4, 47.4,
              {{39.7, "Tensione c.c. primario min.", "QRTFVPMIN"},
               {46.3, "Tensione c.c. primario max.", "QRTFVPMAX"},
               {52.9, "Corrente primario", "QRTFIP"},
               {59.5, "Corrente primario di picco", "QRTFIPPEEK"},
               {66.1, "Frequenza di lavoro", "QRTFFREQ"},
               {72.8, "Fattore di Forma", "QRTFFORMA"}});
    AddColumn(layout, 93.7, 151.9,
              {{39.7, "Tensione p-p secondario  Vs", "QRTFVSPP"},
               {46.3, "Tensione rms secondario  Vs", "QRTFVSRMS"},
               {52.9, "Potenza richiesta al secondario  Ps", "QRTFPOUT"},
               {59.5, "Corrente di secondario  Is", "QRTFIS"},
               {66.1, "Densità di corrente", "QRTFDENS"}});

    // Core data.
    layout.Box(1.3, 83.3, 186.8, 47.9);
    layout.Caption(2.4, 84.7, "Dati nucleo", true);
    AddColumn(layout, 35.5, 46.0, {{84.7, "Core", "QRTFCORE"}});
    AddColumn(layout, 84.4, 101.6, {{84.7, "Materiale", "QRTFMAT"}});
    AddColumn(layout, 2.4, 39.4,
              {{95.2, "Coeff. Al", "QRTFAL"},
               {101.9, "Flusso di saturazione", "QRTFBSAT"},
               {108.5, "Flusso max applicato", "QRTFBMAX"},
               {115.1, "% utilizzo nucleo", "QRTFPUN"},
               {121.7, "Rendimento stimato", "QRTFRESA"}});
    AddColumn(layout, 84.4, 116.2,
              {{95.2, "Area nucleo   Ae", "QRTFAE"},
               {101.9, "Area finestra  Ac", "QRTFAC"},
               {108.5, "Ae * Ac minima", "QRTFAEACMIN"},
               {115.1, "Ae * Ac", "QRTFAEAC"}});

    // Construction data.
    layout.Box(1.3, 132.3, 186.8, 54.5);
    layout.Caption(3.7, 133.6, "Dati costruttivi", true);
    layout.Caption(23.5, 142.9, "Primario", true);
    layout.Caption(124.1, 142.9, "Secondario", true);
    AddColumn(layout, 3.7, 31.5,
              {{152.1, "Numero spire", "QRTFNSP"},
               {160.1, "Diametro filo", "QRTFDFP"},
               {170.7, "Induttanza", "QRTFINDP"},
               {177.3, "Reattanza", "QRTFXLP"}});
    AddColumn(layout, 110.9, 138.6,
              {{152.1, "Numero spire", "QRTFNSS"},
               {160.1, "Diametro filo", "QRTFDFS"},
               {170.7, "Induttanza", "QRTFINDS"},
               {177.3, "Reattanza", "QRTFXLS"}});

    // Checks of the windings, in the free space under the construction data; under them the
    // losses, the core temperature and the ambient it was estimated for.
    layout.Box(1.3, 188.1, 186.8, 44.2);
    layout.Caption(3.7, 189.4, "Verifiche", true);
    AddColumn(layout, 3.7, 52.0,
              {{197.4, "Prof. penetrazione δ", "QRTFDELTA"},
               {204.0, "Riempimento finestra", "QRTFRIEMP"},
               {210.6, "Perdite nucleo", "QRTFPNUCLEO"},
               {217.2, "Temperatura nucleo", "QRTFTNUCLEO"},
               {223.8, "Rendimento calcolato", "QRTFREND"}});
    AddColumn(layout, 93.7, 126.0,
              {{197.4, "Filo primario", "QRTFFILOP"},
               {204.0, "Filo secondario", "QRTFFILOS"},
               {210.6, "Perdite rame", "QRTFPRAME"},
               {217.2, "T ambiente", "QRTFTAMBFER"}});
}

} // namespace velkor::reports
