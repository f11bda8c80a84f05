#include "fill_support.h"
#include "report_fields.h"
#include "report_fills.h"
#include "report_forms.h"

#include <iterator>

namespace velkor::reports {

namespace {

// The inductance field of each sub-page of PageControl2, by index, with its unit: the text of
// a unit list, or a fixed unit when the sub-page has none.
struct SubPageInductance {
    const char* field;
    const char* unitList; // null for a fixed unit
    const char* unit;
};
const SubPageInductance kSubPageInductances[] = {
    {"ISS", "CBUISS", ""},   // 0, single layer
    {"INUC", "CBUINUC", ""}, // 1, closed core
};

// The inductance of the visible sub-page, text, blank and unit; the single layer's when
// no sub-page is known.
ShownText VisibleInductance(const QWidget* main, int subPage) {
    const int count = static_cast<int>(std::size(kSubPageInductances));
    const SubPageInductance& shown =
        kSubPageInductances[subPage >= 0 && subPage < count ? subPage : 0];
    return FieldText(main, shown.field) + " " +
           (shown.unitList ? FieldText(main, shown.unitList) : ShownText(shown.unit));
}

// The resonance and current rows, the same for every sub-page.
void FillCommonRows(TQuickRep* report, const QWidget* main, int subPage) {
    Put(report, "QRIFREQ", FieldText(main, "IFREQ") + " " + FieldText(main, "CBUFR"));
    // The resonance inductance, or the visible sub-page's when the resonance field is empty.
    const ShownText inductance = FieldText(main, "IIND");
    Put(report, "QRIIND",
        !inductance.isEmpty() ? inductance + " " + FieldText(main, "CBUIR")
                              : VisibleInductance(main, subPage));
    Put(report, "QRICAP", FieldText(main, "ICAP") + " " + FieldText(main, "CBUCR"));
    Put(report, "QRIXL", FieldText(main, "IXL") + " ohm");
    Put(report, "QRIXC", FieldText(main, "IXC") + " ohm");
    Put(report, "QRIINOM", FieldText(main, "EDINOM") + " A");
    Put(report, "QRIDENS", FieldText(main, "EDDENS") + " A/mm²");
    Put(report, "QRIDIAMF", FieldText(main, "EDDIAM") + " mm");
}

void FillClosedCore(TQuickRep* report, const QWidget* main) {
    Put(report, "QRImage2",
        FieldChecked(main, "RBC1NUC") ? pictures::kSquareBobbin : pictures::kRoundBobbin);
    Put(report, "QRILB01", "Coeff. Al");
    Put(report, "QRIDATA01", FieldText(main, "ALNUC") + " nH/N²");
    Put(report, "QRINSPIRE", FieldText(main, "NSNUC"));
    // Dim. X and Y print also for the round bobbin, whose page hides them.
    struct Dimension {
        const char *caption, *value, *text, *field;
    };
    static const Dimension dimensions[] = {
        {"QRILBDIM01", "QRIDATADIM01", "Dim. A", "D1NUC"},
        {"QRILBDIM02", "QRIDATADIM02", "Dim. B", "D2NUC"},
        {"QRILBDIM03", "QRIDATADIM03", "Dim. C", "D3NUC"},
        {"QRILBDIM04", "QRIDATADIM04", "Dim. X", "D4NUC"},
        {"QRILBDIM05", "QRIDATADIM05", "Dim. Y", "D5NUC"},
    };
    for (const Dimension& dimension : dimensions) {
        Put(report, dimension.caption, dimension.text);
        Put(report, dimension.value, FieldText(main, dimension.field) + " mm");
    }
    Put(report, "QRIRESRAME", FieldText(main, "RRNUC") + " ohm");
    Put(report, "QRILENFILO", FieldText(main, "LFNUC") + " mt");
    Put(report, "QRLabel26", "Numero Passate");
    Put(report, "QRINPASS", FieldText(main, "NPNUC"));
    Put(report, "QRLabel20", "Peso Rame");
    Put(report, "QRIPESORAME", FieldText(main, "PESONUC") + " gr.");
    // The resistance row is already the whole wire's: no winding row.
    Put(report, "QRILBRESAVV", QString());
    Put(report, "QRIRESAVV", QString());
    // Nagaoka's correction belongs to the single-layer coil: captions go too.
    for (const char* name : {"QRILBKNAG", "QRIKNAG", "QRILBCORR", "QRICORR"})
        Put(report, name, QString());
}

void FillSingleLayer(TQuickRep* report, const QWidget* main) {
    Put(report, "QRImage2", pictures::kSingleLayer);
    Put(report, "QRILB01", "Permeabilità µe");
    Put(report, "QRIDATA01", FieldText(main, "MESS"));
    Put(report, "QRINSPIRE", FieldText(main, "NSSS"));
    Put(report, "QRILBDIM01", "Diametro D");
    Put(report, "QRIDATADIM01", FieldText(main, "DSS") + " mm");
    Put(report, "QRILBDIM02", "Lunghezza L");
    Put(report, "QRIDATADIM02", FieldText(main, "LSS") + " mm");
    for (const char* name :
         {"QRILBDIM03", "QRIDATADIM03", "QRILBDIM04", "QRIDATADIM04", "QRILBDIM05", "QRIDATADIM05"})
        Put(report, name, QString());
    Put(report, "QRIRESRAME", FieldText(main, "EDRESRAME") + " ohm/m");
    Put(report, "QRILENFILO", FieldText(main, "EDLUNGRAME") + " mt");
    Put(report, "QRILBRESAVV", "Resistenza avvolgimento");
    Put(report, "QRIRESAVV", FieldText(main, "EDRESAVV") + " ohm");
    // A single-layer winding has no layers and no weight row: captions go too.
    for (const char* name : {"QRLabel26", "QRINPASS", "QRLabel20", "QRIPESORAME"})
        Put(report, name, QString());
    // Nagaoka's coefficient and the corrected value with the unit its label names.
    Put(report, "QRILBKNAG", "K Nagaoka");
    Put(report, "QRIKNAG", FieldText(main, "EDKNAGSS"));
    Put(report, "QRILBCORR", "Con correzione di Nagaoka");
    const QString unit = FieldText(main, "UnitEDCORRSS");
    Put(report, "QRICORR", FieldText(main, "EDCORRSS") + (unit.isEmpty() ? QString() : " " + unit));
}

} // namespace

void FillInductorReport(QWidget* main) {
    TQuickRep* report = ReportOf(main, "Form2");
    if (!report)
        return;
    const int subPage = ActivePage(main, "PageControl2");
    FillCommonRows(report, main, subPage);
    if (subPage == 1)
        FillClosedCore(report, main);
    else
        FillSingleLayer(report, main);
}

} // namespace velkor::reports
