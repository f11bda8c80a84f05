#include "fill_support.h"
#include "report_fields.h"
#include "report_fills.h"
#include "report_forms.h"

#include "numbers.h"

namespace velkor::reports {

namespace {

struct Mapping {
    const char* label;
    const char* field;
    const char* suffix;
};

// Label, source field and suffix of every value of the report.
const Mapping kMappings[] = {
    {"QRTAVP", "TAVP", " Vac"},
    {"QRTAIP", "TAIP", " A"},
    {"QRTAFREQ", "TAFREQ", " Hz"},
    {"QRTAPOUT", "TAPTOT", " VA"},
    {"QRTAPMAX", "TAPMAX", " VA"},
    {"QRTADENS", "TADENS", " A/mm²"},
    {"QRTAINDUZ", "CBTAINDUZ", " Wb/m²"},
    {"QRTARESA", "TARESA", ""},
    {"QRTAPERDFERRO", "PEFE", " W/Kg"}, // the loss per kilogram, not the total
    {"QRTASEZL", "TASEZL", " mm²"},
    {"QRTAPESOFERRO", "TAPESOFERRO", " Kg"},
    {"QRTADNA", "TALA", " mm"},
    {"QRTADNB", "TALB", " mm"},
    {"QRTADNC", "TALC", " mm"},
    {"QRTADND", "TALD", " mm"},
    {"QRTADNE", "TALE", " mm"},
    {"QRTAFATTR", "RAPIMPAC", ""},
    {"QRTADCA", "TACA", " mm"},
    {"QRTADCC", "TACC", " mm"},
    {"QRTADCX", "TACX", " mm"},
    {"QRTANSP", "TANSP", ""},
    {"QRTASPVP", "TASVP", ""},
    {"QRTADFP", "TADF", " mm"},
    {"QRTANPASSP", "TANP", ""},
    {"QRTALFP", "TALFILO", " mt"},
    {"QRTAPRP", "TAPESO", " gr"},
    {"QRTARRP", "TARESRAME", " ohm"},
    {"QRTASPVS", "TASVS", ""},
    {"QRTAPEFE", "TAPERFERRO", " W"},
    {"QRTAPERP", "TAPERP", " W"},
    {"QRTAPERS", "TAPERS", " W"},
    {"QRTAPETOT", "TAPERTOT", " W"},
    {"QRTADELTAT", "TADT", " °C"},
};

QString Padded(const std::string& text, int width) {
    return QString::fromStdString(PadLeft(text, width));
}

// One line per secondary typed in the entry table: voltage, current and their product.
// A row whose voltage or current does not read as a number is left out.
void FillEnteredSecondaries(QRMemo* memo, QWidget* main) {
    memo->Clear();
    const NumberLocale locale = SystemSeparators();
    for (int row = 1; row <= 6; ++row) {
        const auto volts = ReadNumber(SecondaryText(main, 0, row).toStdString(), locale);
        const auto amperes = ReadNumber(SecondaryText(main, 1, row).toStdString(), locale);
        if (!volts || !amperes)
            continue;
        const long double power = static_cast<long double>(*volts) * *amperes; // VA
        memo->Add(Padded(Format("%4.1f Vac", *volts, locale), 10) +
                  Padded(Format("%3.3f A", *amperes, locale), 10) +
                  Padded(Format("%4.0f VA", power, locale), 10));
    }
}

// The header line and one line per filled row of the results grid.
void FillWindings(QRMemo* memo, const QWidget* main) {
    memo->Clear();
    memo->Add("    Vs   Is(A)  spire  Ø mm   #pass     mt     gr    ohm");
    for (int row = 1; row <= 6; ++row) {
        if (GridCell(main, "SGTAOUTSEC", 0, row).isEmpty())
            continue;
        QString line;
        for (int column = 0; column < 8; ++column)
            line +=
                Padded(GridCell(main, "SGTAOUTSEC", column, row).toStdString(), column < 7 ? 7 : 8);
        memo->Add(line);
    }
}

} // namespace

void FillMainsReport(QWidget* main) {
    TQuickRep* report = ReportOf(main, "Form4");
    if (!report)
        return;
    for (const Mapping& mapping : kMappings)
        Put(report, mapping.label,
            FieldText(main, mapping.field) + QString::fromUtf8(mapping.suffix));
    Put(report, "QRLabel8",
        FieldChecked(main, "CBAUTOCART") ? "(Calcolati dalle dim. del ferro)"
                                         : "(Impostati dall'operatore)");
    Put(report, "QRTAIMG1", pictures::kLamination);
    Put(report, "QRTAIMG2",
        FieldChecked(main, "RBTASING") ? pictures::kSingleBobbin : pictures::kDoubleBobbin);
    if (auto* memo = report->findChild<QRMemo*>("QRMEMOSECIN"))
        FillEnteredSecondaries(memo, main);
    if (auto* memo = report->findChild<QRMemo*>("QRMEMOSECOUT"))
        FillWindings(memo, main);
}

} // namespace velkor::reports
