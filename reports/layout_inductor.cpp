// The inductor report: resonance, currents and the construction data of the visible
// sub-page. Positions in mm from the band's top-left corner.
#include "report_forms.h"
#include "report_layout.h"

namespace velkor::reports {

void BuildInductorLayout(TQuickRep* report) {
    LayoutBuilder layout(report);
    AddHeader(layout, "Calcolo Induttori", 75.4, 38.4);

    // Resonance and reactances.
    layout.Box(1.3, 31.8, 96.8, 32.0, "QRShape2");
    layout.Caption(2.4, 33.1, "Risonanza e Reattanze", true);
    layout.Caption(2.4, 41.0, "Frequenza :");
    layout.Value("QRIFREQ", 23.5, 41.0);
    layout.Caption(2.4, 47.6, "Induttanza :");
    layout.Value("QRIIND", 23.5, 47.6);
    layout.Caption(60.6, 47.6, "XL :");
    layout.Value("QRIXL", 72.5, 47.6);
    layout.Caption(2.4, 54.2, "Capacità :");
    layout.Value("QRICAP", 23.5, 54.2);
    layout.Caption(60.6, 54.2, "XC :");
    layout.Value("QRIXC", 72.5, 54.2);

    // Currents.
    layout.Box(99.2, 31.8, 88.9, 32.0, "QRShape3");
    layout.Caption(100.3, 33.1, "Correnti", true);
    layout.Caption(100.3, 41.0, "Corrente Nominale");
    layout.Value("QRIINOM", 134.7, 41.0);
    layout.Caption(100.3, 47.6, "Densità di corrente");
    layout.Value("QRIDENS", 134.7, 47.6);
    layout.Caption(100.3, 54.2, "Diametro filo");
    layout.Value("QRIDIAMF", 134.7, 54.2);

    // Construction data of the visible sub-page.
    layout.Box(1.3, 64.8, 186.8, 66.4, "QRShape4");
    layout.Caption(3.7, 66.1, "Dati costruttivi induttore", true);
    layout.NamedCaption("QRILB01", 3.7, 74.1, "QRILB01");
    layout.Value("QRIDATA01", 38.1, 74.1);
    layout.Caption(3.7, 82.0, "Numero spire");
    layout.Value("QRINSPIRE", 38.1, 82.0);
    const double dimensionTops[] = {74.1, 80.7, 87.3, 93.9, 100.5}; // mm
    for (int row = 0; row < 5; ++row) {
        const QString number = QString("%1").arg(row + 1, 2, 10, QChar('0'));
        layout.NamedCaption("QRILBDIM" + number, 75.1, dimensionTops[row], "QRILBDIM" + number);
        layout.Value("QRIDATADIM" + number, 108.2, dimensionTops[row]);
    }
    layout.NamedCaption("QRLabel26", 3.7, 111.1, "Numero Passate");
    layout.Value("QRINPASS", 34.1, 111.1);
    layout.Caption(75.1, 111.1, "Resistenza rame");
    layout.Value("QRIRESRAME", 108.2, 111.1);
    layout.NamedCaption("QRLabel20", 3.7, 117.7, "Peso rame");
    layout.Value("QRIPESORAME", 34.1, 117.7);
    layout.Caption(75.1, 117.7, "Lunghezza filo");
    layout.Value("QRILENFILO", 108.2, 117.7);
    layout.Image("QRImage2", QRectF(144.2, 67.5, 39.7, 53.2), pictures::kSingleLayer);
}

} // namespace velkor::reports
