// The inductor report: resonance, currents and the construction data of the visible
// sub-page. Positions in mm from the band's top-left corner.
#include "report_forms.h"
#include "report_layout.h"

namespace velkor::reports {

namespace {

constexpr double kCorrectionValueLeft = 58.0; // mm, after the caption of the corrected value

} // namespace

void BuildInductorLayout(TQuickRep* report) {
    LayoutBuilder layout(report);
    AddHeader(layout, "Calcolo Induttori", 75.4, 38.4);

    // Resonance and reactances.
    layout.Box(1.3, 31.8, 96.8, 32.0, "QRShape2");
    layout.Caption(2.4, 33.1, "Risonanza e Reattanze", true);
    layout.Row(2.4, 41.0, "Frequenza :", 23.5, "QRIFREQ");
    layout.Row(2.4, 47.6, "Induttanza :", 23.5, "QRIIND");
    layout.Row(60.6, 47.6, "XL :", 72.5, "QRIXL");
    layout.Row(2.4, 54.2, "Capacità :", 23.5, "QRICAP");
    layout.Row(60.6, 54.2, "XC :", 72.5, "QRIXC");

    // Currents.
    layout.Box(99.2, 31.8, 88.9, 32.0, "QRShape3");
    layout.Caption(100.3, 33.1, "Correnti", true);
    layout.Row(100.3, 41.0, "Corrente Nominale", 134.7, "QRIINOM");
    layout.Row(100.3, 47.6, "Densità di corrente", 134.7, "QRIDENS");
    layout.Row(100.3, 54.2, "Diametro filo", 134.7, "QRIDIAMF");

    // Construction data of the visible sub-page.
    layout.Box(1.3, 64.8, 186.8, 66.4, "QRShape4");
    layout.Caption(3.7, 66.1, "Dati costruttivi induttore", true);
    layout.NamedCaption("QRILB01", 3.7, 74.1, "QRILB01")->SetFitWidth(38.1 - 3.7 - 1);
    layout.Value("QRIDATA01", 38.1, 74.1);
    layout.Row(3.7, 82.0, "Numero spire", 38.1, "QRINSPIRE");
    const double dimensionTops[] = {74.1, 80.7, 87.3, 93.9, 100.5}; // mm
    for (int row = 0; row < 5; ++row) {
        const QString number = QString("%1").arg(row + 1, 2, 10, QChar('0'));
        layout.NamedCaption("QRILBDIM" + number, 75.1, dimensionTops[row], "QRILBDIM" + number)
            ->SetFitWidth(108.2 - 75.1 - 1);
        layout.Value("QRIDATADIM" + number, 108.2, dimensionTops[row]);
    }
    layout.NamedCaption("QRLabel26", 3.7, 111.1, "Numero Passate")->SetFitWidth(34.1 - 3.7 - 1);
    layout.Value("QRINPASS", 34.1, 111.1);
    layout.Row(75.1, 111.1, "Resistenza rame", 108.2, "QRIRESRAME");
    layout.NamedCaption("QRLabel20", 3.7, 117.7, "Peso rame")->SetFitWidth(34.1 - 3.7 - 1);
    layout.Value("QRIPESORAME", 34.1, 117.7);
    layout.Row(75.1, 117.7, "Lunghezza filo", 108.2, "QRILENFILO");
    // The whole winding's resistance of the single-layer coil; blank for the closed core.
    layout.NamedCaption("QRILBRESAVV", 3.7, 124.3, "Resistenza avvolgimento")
        ->SetFitWidth(kCorrectionValueLeft - 3.7 - 1);
    layout.Value("QRIRESAVV", kCorrectionValueLeft, 124.3);
    layout.Image("QRImage2", QRectF(144.2, 67.5, 39.7, 53.2), pictures::kSingleLayer);

    // Nagaoka's correction of the single-layer coil, in the free rows of the left column;
    // the fill sets the captions too, blank for the closed core.
    layout.NamedCaption("QRILBKNAG", 3.7, 88.6, "K Nagaoka")->SetFitWidth(38.1 - 3.7 - 1);
    layout.Value("QRIKNAG", 38.1, 88.6);
    layout.NamedCaption("QRILBCORR", 3.7, 95.2, "Con correzione di Nagaoka")
        ->SetFitWidth(kCorrectionValueLeft - 3.7 - 1);
    layout.Value("QRICORR", kCorrectionValueLeft, 95.2);
}

} // namespace velkor::reports
