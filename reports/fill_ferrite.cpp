#include "fill_support.h"
#include "report_fields.h"
#include "report_fills.h"

namespace velkor::reports {

namespace {

enum class Taken { Text, Trimmed };

struct Mapping {
    const char* label;
    const char* field;
    Taken taken;
    const char* suffix;
};

// Label, source field, how the text is taken and its suffix, in fill order. Only the
// construction data are trimmed; the other results keep the blanks of their fixed widths.
const Mapping kMappings[] = {
    {"QRTFVPMIN", "VPMIN", Taken::Text, " Vac"},
    {"QRTFVPMAX", "VPMAX", Taken::Text, " Vac"},
    {"QRTFIP", "IPRIM", Taken::Text, " A"},
    {"QRTFIPPEEK", "IPPEEK", Taken::Text, " A"},
    {"QRTFFREQ", "FREQ", Taken::Text, " Hz"},
    {"QRTFFORMA", "FATTF", Taken::Text, ""},
    {"QRTFVSPP", "VSPP", Taken::Text, " Vac"},
    {"QRTFVSRMS", "VSRMS", Taken::Text, " Vac"},
    {"QRTFPOUT", "PSEC", Taken::Text, " W"},
    {"QRTFIS", "ISEC", Taken::Text, " A"},
    {"QRTFDENS", "DCMQ", Taken::Text, "A/mm²"},
    {"QRTFCORE", "Edit1", Taken::Text, ""},
    {"QRTFMAT", "Edit2", Taken::Text, ""},
    {"QRTFAL", "AL", Taken::Text, " nH/N²"},
    {"QRTFBSAT", "BSAT", Taken::Text, " Gauss"},
    {"QRTFBMAX", "BMAXEFF", Taken::Text, " Gauss"},
    {"QRTFPUN", "PUN", Taken::Text, " %"},
    {"QRTFRESA", "ETA", Taken::Text, " %"},
    {"QRTFAE", "AE", Taken::Text, " mm²"},
    {"QRTFAC", "AC", Taken::Text, " mm²"},
    {"QRTFAEACMIN", "AEACMIN", Taken::Text, " cm^4"},
    {"QRTFAEAC", "AEAC", Taken::Text, " cm^4"},
    {"QRTFNSP", "NSP", Taken::Trimmed, ""},
    {"QRTFDFP", "DFP", Taken::Trimmed, " mm"},
    {"QRTFINDP", "LPRIM", Taken::Trimmed, " µH"},
    {"QRTFXLP", "XLPRIM", Taken::Trimmed, " ohm"},
    {"QRTFNSS", "NSS", Taken::Trimmed, ""},
    {"QRTFDFS", "DFS", Taken::Trimmed, " mm"},
    {"QRTFINDS", "LSEC", Taken::Trimmed, " µH"},
    {"QRTFXLS", "XLSEC", Taken::Trimmed, " ohm"},
    {"QRTFDELTA", "DELTAFER", Taken::Text, " mm"},
    {"QRTFFILOP", "FILOP", Taken::Text, ""},
    {"QRTFFILOS", "FILOS", Taken::Text, ""},
    {"QRTFRIEMP", "RIEMPFER", Taken::Text, ""},
    {"QRTFPNUCLEO", "PNUCLEO", Taken::Text, " W"},
    {"QRTFPRAME", "PRAME", Taken::Text, " W"},
    {"QRTFTNUCLEO", "TNUCLEO", Taken::Text, " °C"},
    {"QRTFREND", "RENDCALC", Taken::Text, " %"},
    {"QRTFTAMBFER", "TAMBFER", Taken::Text, " °C"},
};

} // namespace

void FillFerriteReport(QWidget* main) {
    TQuickRep* report = ReportOf(main, "Form3");
    if (!report)
        return;
    for (const Mapping& mapping : kMappings) {
        const ShownText text = FieldText(main, mapping.field);
        Put(report, mapping.label,
            (mapping.taken == Taken::Trimmed ? Trimmed(text) : text) +
                QString::fromUtf8(mapping.suffix));
    }
}

} // namespace velkor::reports
