// The inductor report: resonance, currents and the construction data of the visible
// sub-page. Positions in mm from the band's top-left corner.
#include "report_forms.h"
#include "report_layout.h"

namespace velkor::reports {

namespace {

constexpr double kCorrectionValueLeft = 58.0; // mm, after the caption of the corrected value

// The gapped-core body: rows of design data and of results, and where their values start.
constexpr int kGappedInputRows = 10;
constexpr int kGappedResultRows = 12;
constexpr double kGappedInputValueLeft = 45.0;   // mm
constexpr double kGappedResultLeft = 80.0;       // mm
constexpr double kGappedResultValueLeft = 121.0; // mm

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
    // Its fixed captions are named: the gapped-core body, printed in their place, blanks them.
    layout.NamedCaption("QRILBTITOLO", 3.7, 66.1, "Dati costruttivi induttore", true);
    layout.NamedCaption("QRILB01", 3.7, 74.1, "QRILB01")->SetFitWidth(38.1 - 3.7 - 1);
    layout.Value("QRIDATA01", 38.1, 74.1);
    layout.NamedCaption("QRILBNSPIRE", 3.7, 82.0, "Numero spire")->SetFitWidth(38.1 - 3.7 - 1);
    layout.Value("QRINSPIRE", 38.1, 82.0);
    const double dimensionTops[] = {74.1, 80.7, 87.3, 93.9, 100.5}; // mm
    for (int row = 0; row < 5; ++row) {
        const QString number = QString("%1").arg(row + 1, 2, 10, QChar('0'));
        layout.NamedCaption("QRILBDIM" + number, 75.1, dimensionTops[row], "QRILBDIM" + number)
            ->SetFitWidth(108.2 - 75.1 - 1);
        layout.Value("QRIDATADIM" + number, 108.2, dimensionTops[row]);
    }
    layout.NamedCaption("QRLabel26", 3.7, 111.1, "Numero Passate")->SetFitWidth(34.1 - 3.7 - 1);
    layout.Value("QRINPASS", 34.1, 111.1);
    layout.NamedCaption("QRILBRESRAME", 75.1, 111.1, "Resistenza rame")
        ->SetFitWidth(108.2 - 75.1 - 1);
    layout.Value("QRIRESRAME", 108.2, 111.1);
    layout.NamedCaption("QRLabel20", 3.7, 117.7, "Peso rame")->SetFitWidth(34.1 - 3.7 - 1);
    layout.Value("QRIPESORAME", 34.1, 117.7);
    layout.NamedCaption("QRILBLENFILO", 75.1, 117.7, "Lunghezza filo")
        ->SetFitWidth(108.2 - 75.1 - 1);
    layout.Value("QRILENFILO", 108.2, 117.7);
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

    // The gapped-core body, in the place of the construction data (whose box it hides) and
    // below it: the design data on the left, the results in the middle, the picture of the
    // construction data (QRImage2) at the top right. Every caption is named: the other
    // sub-pages' fills blank them, and hide the box.
    layout.Box(1.3, 64.8, 186.8, 89.2, "QRShapeGAP");
    layout.NamedCaption("QRGLBTITOLO", 3.7, 66.1, "Induttore su nucleo in ferrite con traferro",
                        true);
    for (int row = 0; row < kGappedInputRows; ++row) {
        const double top = 74.1 + 6.6 * row; // mm
        const QString number = QString("%1").arg(row + 1, 2, 10, QChar('0'));
        layout.NamedCaption("QRGLBIN" + number, 3.7, top, "QRGLBIN" + number)
            ->SetFitWidth(kGappedInputValueLeft - 3.7 - 1);
        layout.Value("QRGIN" + number, kGappedInputValueLeft, top);
    }
    for (int row = 0; row < kGappedResultRows; ++row) {
        const double top = 74.1 + 6.6 * row; // mm
        const QString number = QString("%1").arg(row + 1, 2, 10, QChar('0'));
        layout.NamedCaption("QRGLBOUT" + number, kGappedResultLeft, top, "QRGLBOUT" + number)
            ->SetFitWidth(kGappedResultValueLeft - kGappedResultLeft - 1);
        layout.Value("QRGOUT" + number, kGappedResultValueLeft, top);
    }
}

} // namespace velkor::reports
