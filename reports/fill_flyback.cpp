#include "fill_support.h"
#include "report_fields.h"
#include "report_fills.h"

namespace velkor::reports {

namespace {

struct Mapping {
    const char* label;
    const char* field;
    const char* suffix;
};

// Label, source field and unit suffix, in fill order. The results are trimmed of the blanks of
// their fixed widths: on paper each value stands after its caption.
const Mapping kMappings[] = {
    {"QRFBVINMIN", "VINMINFB", " V"}, {"QRFBVINMAX", "VINMAXFB", " V"},
    {"QRFBVOUT", "VOUTFB", " V"},     {"QRFBIOUT", "IOUTFB", " A"},
    {"QRFBVF", "VFFB", " V"},         {"QRFBFSW", "FSWFB", " Hz"},
    {"QRFBDMAX", "DMAXFB", ""},       {"QRFBETA", "ETAFB", " %"},
    {"QRFBKRP", "KRPFB", ""},         {"QRFBCORE", "COREFB", ""},
    {"QRFBMAT", "MATFB", ""},         {"QRFBBMAX", "BMFB", " mT"},
    {"QRFBDENS", "JFB", " A/mm²"},    {"QRFBTAMB", "TAMBFB", " °C"},
    {"QRFBTRAF", "TRAFFB", " mm"},    {"QRFBBPK", "BPKFB", " mT"},
    {"QRFBDB", "DBFB", " mT"},        {"QRFBNP", "NPFB", ""},
    {"QRFBLP", "LPFB", " µH"},        {"QRFBD", "DFB", ""},
    {"QRFBIPK", "IPKFB", " A"},       {"QRFBIRMSP", "IRMSPFB", " A"},
    {"QRFBVDS", "VDSFB", " V"},       {"QRFBFILOP", "FILOPFB", ""},
    {"QRFBNS", "NSFB", ""},           {"QRFBNRAT", "NRATFB", ""},
    {"QRFBVOR", "VORFB", " V"},       {"QRFBIRMSS", "IRMSSFB", " A"},
    {"QRFBFILOS", "FILOSFB", ""},     {"QRFBPNUC", "PNUCFB", " W"},
    {"QRFBPRAME", "PRAMEFB", " W"},   {"QRFBRIEMP", "RIEMPFB", ""},
    {"QRFBTEMP", "TFB", " °C"},       {"QRFBREND", "RENDFB", " %"},
};

} // namespace

void FillFlybackReport(QWidget* main) {
    TQuickRep* report = ReportOf(main, "Form5");
    if (!report)
        return;
    for (const Mapping& mapping : kMappings) {
        // The text keeps its field's alarm, which the value label prints.
        const ShownText text = Trimmed(FieldText(main, mapping.field));
        // A field not computed yet, or "?", carries no unit.
        const bool number = !text.isEmpty() && text != QStringLiteral("?");
        Put(report, mapping.label, number ? text + mapping.suffix : text);
    }
}

} // namespace velkor::reports
