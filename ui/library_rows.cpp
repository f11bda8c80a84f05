#include "library_rows.h"

#include "core_loss.h"
#include "faults.h"
#include "parts_library.h"

#include <QStringList>

#include <cmath>
#include <map>

namespace velkor::ui {

namespace {

QString Number(std::string_view pattern, double value, const NumberLocale& locale) {
    return QString::fromStdString(Format(pattern, value, locale)).trimmed();
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// A cell of a number: its text, and the number itself to sort by.
void Put(PartsTableModel::Row& row, const QString& text, double value) {
    row.texts << text;
    row.keys << value;
}
void Put(PartsTableModel::Row& row, std::string_view pattern, double value,
         const NumberLocale& locale) {
    Put(row, Number(pattern, value, locale), value);
}
// A cell of a text, sorted without regard to case.
void PutText(PartsTableModel::Row& row, const QString& text) {
    row.texts << text;
    row.keys << text.toLower();
}
void PutNone(PartsTableModel::Row& row) {
    row.texts << kDash;
    row.keys << PartsTableModel::NoValue();
}

} // namespace

QStringList CoreHeaders() {
    return {QStringLiteral("Famiglia"),
            QStringLiteral("Nome"),
            QStringLiteral("Ae (mm²)"),
            QStringLiteral("le (mm)"),
            QStringLiteral("Ve (mm³)"),
            QStringLiteral("Amin (mm²)"),
            QStringLiteral("Area finestra (mm²)"),
            QStringLiteral("Finestra rocchetto (mm)"),
            QStringLiteral("Spira media (mm)"),
            QStringLiteral("Al (nH)"),
            QStringLiteral("A catalogo")};
}

std::vector<PartsTableModel::Row> CoreRows(const library::PartsLibrary& parts,
                                           const NumberLocale& locale) {
    std::vector<PartsTableModel::Row> rows;
    const auto& shapes = parts.Shapes();
    rows.reserve(shapes.size());
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const library::CoreShape& shape = shapes[i];
        PartsTableModel::Row row;
        row.index = static_cast<int>(i);
        row.group = Text(shape.family).toUpper();
        row.names = PartsTableModel::NameKey(Text(shape.name));
        for (const std::string& alias : shape.aliases)
            row.names += QLatin1Char('\n') + PartsTableModel::NameKey(Text(alias));
        PutText(row, row.group);
        PutText(row, Text(shape.name));
        Put(row, "%1.1f", shape.ae, locale);         // mm²
        Put(row, "%1.1f", shape.le, locale);         // mm
        Put(row, "%1.0f", shape.ve, locale);         // mm³
        Put(row, "%1.1f", shape.amin, locale);       // mm²
        Put(row, "%1.1f", shape.windowArea, locale); // mm²
        // The bobbin's winding window and mean turn; a core without a bobbin has none.
        const library::Bobbin* bobbin = shape.Toroid() ? nullptr : parts.BobbinOf(shape);
        const std::optional<library::WindingWindow> window =
            bobbin ? library::BobbinWindow(*bobbin) : std::nullopt;
        if (window) {
            Put(row,
                QString::fromStdString(
                    FormatPattern("%1.2f × %1.2f", {window->width, window->height}, locale)),
                window->width * window->height);         // mm²
            Put(row, "%1.1f", window->meanTurn, locale); // mm
        } else {
            PutNone(row);
            PutNone(row);
        }
        PutNone(row); // Al, in the material chosen
        PutText(row, QString());
        rows.push_back(std::move(row));
    }
    return rows;
}

void SetCoreMaterial(PartsTableModel& model, const library::PartsLibrary& parts,
                     const library::Material* material, const NumberLocale& locale) {
    const auto& shapes = parts.Shapes();
    for (int r = 0; r < model.rowCount(); ++r) {
        const int index = model.RowAt(r).index;
        if (index < 0 || index >= static_cast<int>(shapes.size()))
            continue;
        const library::CoreShape& shape = shapes[static_cast<std::size_t>(index)];
        const double al = material ? library::AlEstimate(shape, *material) : 0; // nH
        if (al > 0)
            model.SetCell(r, kCoreAl, Number("%1.0f", al, locale), al);
        else
            model.SetCell(r, kCoreAl, kDash, PartsTableModel::NoValue());
        const bool stock = material && parts.InStock(shape, *material);
        const QString text = stock ? QStringLiteral("a catalogo") : QString();
        model.SetCell(r, kCoreStock, text, text);
    }
    model.SetHeader(kCoreAl, material ? QStringLiteral("Al (nH) in %1").arg(Text(material->name))
                                      : QStringLiteral("Al (nH)"));
    model.ColumnsChanged(kCoreAl, kCoreStock);
}

QString ShapeCountLine(const library::PartsLibrary& parts) {
    const library::ShapeRead& counts = parts.ShapeCounts();
    int leftOut = 0;
    QStringList reasons;
    for (const library::LeftOutCount& count : counts.leftOut) {
        leftOut += count.count;
        reasons << QStringLiteral("%1: %2 %3")
                       .arg(Text(count.family).toUpper(), Text(count.reason))
                       .arg(count.count);
    }
    QString line = QStringLiteral("Forme lette: %1; tenute: %2; escluse: %3")
                       .arg(counts.read)
                       .arg(parts.Shapes().size())
                       .arg(leftOut);
    if (!reasons.isEmpty())
        line += QStringLiteral(" (") + reasons.join(QStringLiteral("; ")) + QLatin1Char(')');
    return line;
}

QStringList MaterialHeaders() {
    // Units on a second line: the table keeps room for its Pv column beside the plot.
    return {QStringLiteral("Produttore"),
            QStringLiteral("Nome"),
            QStringLiteral("µi"),
            QStringLiteral("Bsat 25 °C\n(mT)"),
            QStringLiteral("Bsat 100 °C\n(mT)"),
            QStringLiteral("Curie\n(°C)"),
            QStringLiteral("Pv\n(kW/m³)")};
}

std::vector<PartsTableModel::Row> MaterialRows(const library::PartsLibrary& parts,
                                               const NumberLocale& locale) {
    std::vector<PartsTableModel::Row> rows;
    const auto& materials = parts.Materials();
    for (std::size_t i = 0; i < materials.size(); ++i) {
        const library::Material& material = materials[i];
        PartsTableModel::Row row;
        row.index = static_cast<int>(i);
        row.names = PartsTableModel::NameKey(Text(material.name)) + QLatin1Char('\n') +
                    PartsTableModel::NameKey(Text(material.maker));
        PutText(row, Text(material.maker));
        PutText(row, Text(material.name));
        Put(row, "%1.0f", material.muI, locale);
        Put(row, "%1.0f", material.bsat25 * 1e3, locale);  // mT
        Put(row, "%1.0f", material.bsat100 * 1e3, locale); // mT
        Put(row, "%1.0f", material.curie, locale);         // °C
        PutNone(row);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<double> LossAt(const library::Material& material, const WorkingPoint& point) {
    const double hertz = point.kilohertz * 1e3; // Hz
    if (material.bands.empty() || hertz < material.bands.front().fMin ||
        hertz > material.bands.back().fMax)
        return std::nullopt;
    try {
        const std::optional<double> density =
            library::SineLossDensity(material, hertz, point.millitesla * 1e-3, point.celsius);
        if (density && std::isfinite(*density))
            return *density * 1e-3; // kW/m³
    } catch (const Fault&) {
    }
    return std::nullopt;
}

void SetLossColumn(PartsTableModel& model, const library::PartsLibrary& parts,
                   const WorkingPoint& point, const NumberLocale& locale) {
    const auto& materials = parts.Materials();
    for (int r = 0; r < model.rowCount(); ++r) {
        const int index = model.RowAt(r).index;
        if (index < 0 || index >= static_cast<int>(materials.size()))
            continue;
        const std::optional<double> pv = LossAt(materials[static_cast<std::size_t>(index)], point);
        if (pv)
            model.SetCell(r, kMatLoss, Number("%1.1f", *pv, locale), *pv);
        else
            model.SetCell(r, kMatLoss, kDash, PartsTableModel::NoValue());
    }
    model.ColumnsChanged(kMatLoss, kMatLoss);
}

int NearestGauge(const library::PartsLibrary& parts, double millimetres) {
    const auto& awg = parts.Wires().awg;
    if (!(millimetres > 0))
        return 0;
    if (awg.empty())
        return static_cast<int>(
            std::lround(36 - 39 * std::log(millimetres / 0.127) / std::log(92.0)));
    const library::AwgWire* nearest = &awg.front();
    for (const library::AwgWire& wire : awg)
        if (std::fabs(std::log(wire.diameter / millimetres)) <
            std::fabs(std::log(nearest->diameter / millimetres)))
            nearest = &wire;
    return nearest->gauge;
}

QStringList IecHeaders() {
    return {QStringLiteral("Nominale (mm)"), QStringLiteral("Grado 1 (mm)"),
            QStringLiteral("Grado 2 (mm)"), QStringLiteral("AWG vicino")};
}

std::vector<PartsTableModel::Row> IecRows(const library::PartsLibrary& parts,
                                          const NumberLocale& locale) {
    std::vector<PartsTableModel::Row> rows;
    const auto& wires = parts.Wires().iec;
    for (std::size_t i = 0; i < wires.size(); ++i) {
        const library::IecWire& wire = wires[i];
        PartsTableModel::Row row;
        row.index = static_cast<int>(i);
        Put(row, "%1.3f", wire.nominal, locale); // mm
        row.names = row.texts.front();
        Put(row, "%1.3f", wire.grade1, locale); // mm
        if (wire.grade2 > 0)
            Put(row, "%1.3f", wire.grade2, locale); // mm
        else
            PutNone(row);
        const int gauge = NearestGauge(parts, wire.nominal);
        Put(row, QString::number(gauge), gauge);
        rows.push_back(std::move(row));
    }
    return rows;
}

QStringList AwgHeaders() {
    return {QStringLiteral("AWG"), QStringLiteral("Diametro (mm)"),
            QStringLiteral("Heavy build (mm)")};
}

std::vector<PartsTableModel::Row> AwgRows(const library::PartsLibrary& parts,
                                          const NumberLocale& locale) {
    std::vector<PartsTableModel::Row> rows;
    const auto& wires = parts.Wires().awg;
    for (std::size_t i = 0; i < wires.size(); ++i) {
        const library::AwgWire& wire = wires[i];
        PartsTableModel::Row row;
        row.index = static_cast<int>(i);
        Put(row, QString::number(wire.gauge), wire.gauge);
        row.names = QStringLiteral("awg") + row.texts.front();
        Put(row, "%1.4f", wire.diameter, locale); // mm
        if (wire.heavy > 0)
            Put(row, "%1.4f", wire.heavy, locale); // mm
        else
            PutNone(row);
        rows.push_back(std::move(row));
    }
    return rows;
}

QStringList SuggestionHeaders() {
    return {QStringLiteral("N."),
            QStringLiteral("Nucleo"),
            QStringLiteral("Materiale"),
            QStringLiteral("A catalogo"),
            QStringLiteral("Ve (mm³)"),
            QStringLiteral("NP"),
            QStringLiteral("NS"),
            QStringLiteral("Bmax eff. (G)"),
            QStringLiteral("Riempimento"),
            QStringLiteral("P nucleo (W)"),
            QStringLiteral("P rame (W)"),
            QStringLiteral("T nucleo (°C)"),
            QStringLiteral("Rendimento (%)")};
}

const char* SuggestionField(int column) {
    switch (column) {
    case kSugNp:
        return "NSP";
    case kSugNs:
        return "NSS";
    case kSugBmax:
        return "BMAXEFF";
    case kSugFill:
        return "RIEMPFER";
    case kSugCoreLoss:
        return "PNUCLEO";
    case kSugCopperLoss:
        return "PRAME";
    case kSugCelsius:
        return "TNUCLEO";
    case kSugEfficiency:
        return "RENDCALC";
    default:
        return "";
    }
}

std::vector<PartsTableModel::Row> SuggestionRows(const AdviserResult& result,
                                                 const NumberLocale& locale) {
    std::vector<PartsTableModel::Row> rows;
    for (std::size_t i = 0; i < result.suggestions.size(); ++i) {
        const Suggestion& s = result.suggestions[i];
        PartsTableModel::Row row;
        row.index = static_cast<int>(i);
        row.names = PartsTableModel::NameKey(Text(s.core->name));
        Put(row, QString::number(i + 1), static_cast<double>(i + 1));
        PutText(row, Text(s.core->name));
        PutText(row, Text(s.material->name));
        PutText(row, s.inStock ? QStringLiteral("a catalogo") : QString());
        Put(row, "%1.0f", s.core->ve, locale); // mm³
        // The texts the page shows for the design, with the numbers they stand for.
        const std::vector<FieldText> texts = PageTexts(s, locale);
        const double values[] = {static_cast<double>(s.result.design.np),
                                 s.result.design.ns,
                                 s.result.design.bmaxEff,
                                 s.result.design.checks.windowFill.value_or(0),
                                 s.result.losses.core,
                                 s.result.losses.copper,
                                 s.result.losses.celsius,
                                 s.result.losses.efficiency};
        for (std::size_t t = 0; t < texts.size(); ++t)
            Put(row, QString::fromStdString(texts[t].text).trimmed(), values[t]);
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace velkor::ui
