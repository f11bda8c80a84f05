#include "fill_support.h"
#include "report_fields.h"
#include "report_fills.h"
#include "report_forms.h"

#include <iterator>
#include <span>
#include <utility>

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
    {"LGAP", nullptr, "µH"}, // 2, gapped core
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

// The fixed captions of the construction data, which the gapped-core body blanks.
constexpr std::pair<const char*, const char*> kConstructionCaptions[] = {
    {"QRILBTITOLO", "Dati costruttivi induttore"},
    {"QRILBNSPIRE", "Numero spire"},
    {"QRILBRESRAME", "Resistenza rame"},
    {"QRILBLENFILO", "Lunghezza filo"},
};

// Every other text of the construction data, set by the single-layer and closed-core fills.
constexpr const char* kConstructionTexts[] = {
    "QRILB01",      "QRIDATA01",    "QRINSPIRE",    "QRILBDIM01",   "QRIDATADIM01",
    "QRILBDIM02",   "QRIDATADIM02", "QRILBDIM03",   "QRIDATADIM03", "QRILBDIM04",
    "QRIDATADIM04", "QRILBDIM05",   "QRIDATADIM05", "QRLabel26",    "QRINPASS",
    "QRIRESRAME",   "QRLabel20",    "QRIPESORAME",  "QRILENFILO",   "QRILBKNAG",
    "QRIKNAG",      "QRILBCORR",    "QRICORR",      "QRILBRESAVV",  "QRIRESAVV"};

// A row of the gapped-core body: its caption, the field it copies and the unit after it.
struct GappedRow {
    const char* caption;
    const char* field;
    const char* unit;
};

constexpr GappedRow kGappedInputs[] = {
    {"Core", "COREGAP", ""},
    {"Materiale", "MATGAP", ""},
    {"Induttanza", "LGAP", " µH"},
    {"Corrente di picco", "IPKGAP", " A"},
    {"Corrente efficace", "IRMSGAP", " A"},
    {"Ondulazione ΔI", "DIGAP", " A"},
    {"Frequenza", "FGAP", " Hz"},
    {"B max", "BMGAP", " mT"},
    {"Densità di corrente", "JGAP", " A/mm²"},
    {"Temperatura ambiente", "TAMBGAP", " °C"},
};

constexpr GappedRow kGappedResults[] = {
    {"Numero spire", "NGAP", ""},
    {"Traferro totale", "TRAFGAP", " mm"},
    {"Fattore di frangia", "FRINGGAP", ""},
    {"Al con traferro", "ALGAP", " nH/N²"},
    {"B picco", "BPKGAP", " mT"},
    {"ΔB", "DBGAP", " mT"},
    {"Filo", "FILOGAP", ""},
    {"Riempimento finestra", "RIEMPGAP", ""},
    {"Resistenza", "RDCGAP", " mΩ"},
    {"Perdite nucleo", "PNUCGAP", " W"},
    {"Perdite rame", "PRAMEGAP", " W"},
    {"Temperatura nucleo", "TGAP", " °C"},
};

// Sets the element `prefix` + the row's two-digit number ("QRGIN01" for row 0).
void PutRow(TQuickRep* report, const char* prefix, int row, const ShownText& text) {
    const QString name = QString("%1%2").arg(QLatin1String(prefix)).arg(row + 1, 2, 10, QChar('0'));
    Put(report, name.toLatin1().constData(), text);
}

void ShowBox(TQuickRep* report, const char* name, bool shown) {
    if (auto* box = report->findChild<QRShape*>(QLatin1String(name)))
        box->SetShown(shown);
}

// Shows the construction data or the gapped-core body, and blanks the captions of the other.
void ShowBody(TQuickRep* report, bool gapped) {
    ShowBox(report, "QRShape4", !gapped);
    ShowBox(report, "QRShapeGAP", gapped);
    for (const auto& [name, caption] : kConstructionCaptions)
        Put(report, name, gapped ? QString() : QString::fromUtf8(caption));
    if (gapped) {
        for (const char* name : kConstructionTexts)
            Put(report, name, QString());
        return;
    }
    Put(report, "QRGLBTITOLO", QString());
    for (int row = 0; row < static_cast<int>(std::size(kGappedInputs)); ++row) {
        PutRow(report, "QRGLBIN", row, QString());
        PutRow(report, "QRGIN", row, QString());
    }
    for (int row = 0; row < static_cast<int>(std::size(kGappedResults)); ++row) {
        PutRow(report, "QRGLBOUT", row, QString());
        PutRow(report, "QRGOUT", row, QString());
    }
}

// The gapped-core sub-page: its design data, core and material, and every result.
void FillGapped(TQuickRep* report, const QWidget* main) {
    ShowBody(report, true);
    Put(report, "QRImage2", pictures::kGappedCore);
    Put(report, "QRGLBTITOLO", "Induttore su nucleo in ferrite con traferro");
    const auto fill = [&](std::span<const GappedRow> rows, const char* caption, const char* value) {
        for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
            const GappedRow& entry = rows[row];
            PutRow(report, caption, row, QString::fromUtf8(entry.caption));
            PutRow(report, value, row,
                   FieldText(main, entry.field) + QString::fromUtf8(entry.unit));
        }
    };
    fill(kGappedInputs, "QRGLBIN", "QRGIN");
    fill(kGappedResults, "QRGLBOUT", "QRGOUT");
}

void FillClosedCore(TQuickRep* report, const QWidget* main) {
    ShowBody(report, false);
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
    ShowBody(report, false);
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
    if (subPage == 2)
        FillGapped(report, main);
    else if (subPage == 1)
        FillClosedCore(report, main);
    else
        FillSingleLayer(report, main);
}

} // namespace velkor::reports
