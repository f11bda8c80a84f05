// The mains transformer report. Positions in layout units of 1/96 inch from the band's
// top-left corner; rows within a box are 25 units apart.
#include "report_forms.h"
#include "report_layout.h"

namespace velkor::reports {

namespace {

double U(double units) {
    return units * kMmPerUnit;
} // mm

struct Row {
    double captionLeft, top; // units
    const char* caption;
    double valueLeft; // units
    const char* value;
};

void AddRows(LayoutBuilder& layout, std::initializer_list<Row> rows) {
    for (const Row& row : rows) {
        layout.Row(U(row.captionLeft), U(row.top), row.caption, U(row.valueLeft), row.value);
    }
}

void AddBox(LayoutBuilder& layout, double left, double top, double width, double height,
            double titleLeft, const char* title) {
    layout.Box(U(left), U(top), U(width), U(height));
    layout.Caption(U(titleLeft), U(top + 5), title, true);
}

} // namespace

void BuildMainsLayout(TQuickRep* report) {
    LayoutBuilder layout(report);
    AddHeader(layout, "Calcolo trasformatori di alimentazione", 51.9, 85.7);

    AddBox(layout, 5, 120, 301, 191, 9, "Dati elettrici");
    AddRows(layout, {{9, 150, "Tensione primario", 149, "QRTAVP"},
                     {9, 175, "Corrente di primario", 149, "QRTAIP"},
                     {9, 200, "Frequenza di lavoro", 149, "QRTAFREQ"},
                     {9, 225, "Potenza richiesta", 149, "QRTAPOUT"},
                     {9, 250, "Potenza max", 149, "QRTAPMAX"},
                     {9, 275, "Densità di corrente", 149, "QRTADENS"}});

    AddBox(layout, 310, 120, 401, 191, 314, "Secondari");
    layout.Memo("QRMEMOSECIN", QRectF(U(315), U(150), U(386), U(146)), 12);

    AddBox(layout, 5, 320, 706, 166, 9, "Dati nucleo");
    AddRows(layout, {{9, 355, "Induzione", 124, "QRTAINDUZ"},
                     {9, 380, "Rendimento", 124, "QRTARESA"},
                     {9, 405, "Perdite ferro", 124, "QRTAPERDFERRO"},
                     {9, 430, "Sez. nucleo (AN)", 124, "QRTASEZL"},
                     {9, 455, "Peso ferro", 124, "QRTAPESOFERRO"},
                     {309, 355, "Dim.  A", 429, "QRTADNA"},
                     {309, 380, "Dim.  B", 429, "QRTADNB"},
                     {309, 405, "Dim.  C,S", 429, "QRTADNC"},
                     {309, 430, "Dim.  D,F,G", 429, "QRTADND"},
                     {309, 455, "Dim.  E", 429, "QRTADNE"}});
    new QRImage(report, "QRTAIMG1", QRectF(U(555), U(325), U(150), U(150)), pictures::kLamination,
                false);

    AddBox(layout, 5, 490, 706, 161, 9, "Dati cartoccio");
    layout.NamedCaption("QRLabel8", U(114), U(495), "(Calcolati)");
    AddRows(layout, {{9, 530, "Fattore di riempimento", 159, "QRTAFATTR"},
                     {309, 530, "Dim.  A", 384, "QRTADCA"},
                     {309, 555, "Dim.  C", 384, "QRTADCC"},
                     {309, 580, "Dim.  X", 384, "QRTADCX"}});
    new QRImage(report, "QRTAIMG2", QRectF(U(555), U(495), U(150), U(150)), pictures::kSingleBobbin,
                false);

    AddBox(layout, 5, 655, 246, 241, 14, "  Dati costruttivi primario ");
    AddRows(layout, {{14, 710, "Numero spire", 119, "QRTANSP"},
                     {14, 735, "Spire / Volt", 119, "QRTASPVP"},
                     {14, 760, "Diametro filo", 119, "QRTADFP"},
                     {14, 785, "N° passate", 119, "QRTANPASSP"},
                     {14, 810, "Lunghezza filo", 119, "QRTALFP"},
                     {14, 835, "Peso rame", 119, "QRTAPRP"},
                     {14, 860, "Resistenza rame", 119, "QRTARRP"}});

    AddBox(layout, 255, 655, 456, 241, 259, "Dati costruttivi secondari");
    AddRows(layout, {{514, 660, "Spire / Volt", 594, "QRTASPVS"}});
    layout.Memo("QRMEMOSECOUT", QRectF(U(265), U(710), U(436), U(176)), 9);

    AddBox(layout, 5, 900, 706, 121, 9, "Perdite e temperatura a pieno carico");
    AddRows(layout, {{14, 935, "Nel ferro", 119, "QRTAPEFE"},
                     {14, 960, "Nel primario", 119, "QRTAPERP"},
                     {14, 985, "Nei secondari", 119, "QRTAPERS"},
                     {269, 960, "Perdite totali", 364, "QRTAPETOT"},
                     {534, 960, "Delta T", 589, "QRTADELTAT"}});
}

} // namespace velkor::reports
