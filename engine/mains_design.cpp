#include "mains_design.h"

#include "checked.h"
#include "unit_values.h"

#include <optional>
#include <string_view>

namespace velkor {

namespace {

constexpr std::string_view kResults = "SGTAOUTSEC";

// A field text that does not convert inside the design.
class NotANumber : public Fault {
public:
    NotANumber() : Fault("Not a number") {}
};

// The field's text read as a number; a text that does not convert stops the design.
double FieldNumber(const Page& page, std::string_view name) {
    const auto value = ReadNumber(page.Text(name), page.Locale());
    if (!value)
        throw NotANumber();
    return *value;
}

// The field's text read as a number, or no value.
std::optional<double> OptionalNumber(const Page& page, std::string_view name) {
    return ReadNumber(page.Text(name), page.Locale());
}

// One secondary as entered: its voltage is ParseFailed when the row is invalid.
struct Secondary {
    double volts = ParseFailed; // V r.m.s.
    double amps = 0;            // A r.m.s.
};

using SecondaryRows = std::array<Secondary, 7>; // row 0 unused

// Inputs of the design that the steps share.
struct Nameplate {
    Ext primaryVolts; // V r.m.s.
    Ext frequency;    // Hz
    Ext density;      // A/mm²
    double power = 0; // VA, total of the secondaries
};

// Results of one step that later steps read.
struct Core {
    double width = 0;      // mm, centre leg C = stack height S
    double section = 0;    // mm², gross core section AN
    double induction = 0;  // Wb/m²
    double efficiency = 0; // ratio
    bool single = true;    // single-section bobbin
};

struct Primary {
    std::int32_t turns = 0;  // NP
    double current = 0;      // A
    double secondaryTpv = 0; // turns per volt of the secondaries
    double wire = 0;         // mm, bare diameter
    double windingWidth = 0; // mm, Cb as read at the layer count; ParseFailed when unreadable
    double layers = 0;       // LP
    double resistance = 0;   // ohm
};

constexpr double kMostRise = 65; // °C, temperature rise of class A insulation at 40 °C ambient
constexpr Look kMainsAlarmLook{kRed, kWhite, false}; // as TALC out of the table
constexpr Look kRiseLook{Colour::Rgb(255, 176, 176), kSystemWindowText, false}; // TADT's tint

void Put(Page& page, std::string_view name, std::string_view pattern, long double value) {
    page.SetText(name, Format(pattern, value, page.Locale()));
}

void PutCell(Page& page, int column, int row, std::string_view pattern, long double value) {
    page.SetCell(kResults, column, row, Format(pattern, value, page.Locale()));
}

// Steps 6 to 12: induction, efficiency, the lamination, its maximum power, its dimensions and
// the automatic bobbin.
Core DesignCore(Page& page, const Nameplate& plate) {
    const NumberLocale& locale = page.Locale();
    Core core;
    core.single = page.Checked("RBTASING");
    core.induction = FieldNumber(page, "CBTAINDUZ");

    // A typed or previously written efficiency is used as it stands.
    if (const auto typed = OptionalNumber(page, "TARESA")) {
        core.efficiency = *typed;
    } else {
        core.efficiency = DefaultEfficiency(plate.power);
        page.SetText("TARESA", FormatGeneral(core.efficiency, locale));
    }

    // The power a square stack carries grows with C^4: C^4 = P / (0.2331 B f J eta).
    const Ext ratio =
        Ext(plate.power) * 1e6L /
        (0.2331L * Ext(core.induction) * plate.frequency * plate.density * Ext(core.efficiency));
    const double minimumWidth = Store(Power(ratio, 0.25L)); // mm
    const LaminationChoice choice = ChooseLamination(minimumWidth);
    core.width = choice.width;
    ApplyLook(page, "TALC",
              choice.standard ? Look{kSystemWindow, kSystemWindowText, false} : kMainsAlarmLook);

    const Ext c = core.width;
    // Power the chosen core can deliver with these materials.
    const double maximumPower =
        Store(c * c * c * c * 1.665L * 0.14L * Ext(core.induction) * plate.frequency *
              plate.density * Ext(core.efficiency) / 1e6L); // VA
    Put(page, "TAPMAX", "%5.0f", maximumPower);

    // Lamination proportions, all from the centre leg.
    core.section = Store(c * c); // mm²
    page.SetText("TASEZL", FormatGeneral(core.section, locale));
    page.SetText("TALC", FormatGeneral(c.value(), locale));
    page.SetText("TALA", FormatGeneral((3.0L * c).value(), locale));
    page.SetText("TALB", FormatGeneral((2.5L * c).value(), locale));
    page.SetText("TALD", FormatGeneral((c / 2.0L).value(), locale));
    page.SetText("TALE", FormatGeneral((1.5L * c).value(), locale));
    page.SetText("TAAF", FormatGeneral((0.75L * c * c).value(), locale)); // window area, mm²

    if (page.Checked("CBAUTOCART")) {
        // The largest bobbin the window holds: inner side, winding width, flange side (mm).
        const Ext inner = c + 2.5L;
        const Ext flange = 2.0L * c;
        const Ext width = core.single ? 1.5L * c - 2.5L : (1.5L * c - 3.5L) / 2.0L;
        Put(page, "TACA", "%3.1f", inner.value());
        Put(page, "TACC", "%3.1f", width.value());
        Put(page, "TACX", "%3.1f", flange.value());
    }
    return core;
}

// Steps 13 to 20: the primary winding.
Primary DesignPrimary(Page& page, const Nameplate& plate, const Core& core) {
    Primary primary;
    const Ext b = core.induction;
    const Ext c = core.width;
    // Turns from V = 4.44 N f B A (A in m²).
    primary.turns =
        Ceil32(plate.primaryVolts * 1e6L / (4.44L * b * plate.frequency * Ext(core.section)));
    Put(page, "TANSP", "%5.0f", primary.turns);

    // The primary draws the delivered power and the losses: IP = P / (eta VP), A.
    primary.current = Store(Ext(plate.power) / (Ext(core.efficiency) * plate.primaryVolts));
    Put(page, "TAIP", "%2.3f", primary.current);

    const double primaryTpv = Store(Ext(primary.turns) / plate.primaryVolts);
    Put(page, "TASVP", "%2.2f", primaryTpv);
    primary.secondaryTpv = Store(1.1L * Ext(primaryTpv)); // margin for the secondaries' drop
    Put(page, "TASVS", "%2.2f", primary.secondaryTpv);

    // Bare diameter for the current density, rounded up to the next hundredth of a mm.
    primary.wire =
        Store(Ext(Ceil32(200.0L * Sqrt(Ext(primary.current) / (kPi * plate.density)))) / 100.0L);
    Put(page, "TADF", "%1.2f", primary.wire);

    // Layers across the winding width; an unreadable or zero width marks the count unknown.
    primary.windingWidth = ParseFailed;
    try {
        const double width = FieldNumber(page, "TACC"); // mm
        primary.layers = Store(Ext(primary.turns) * Ext(primary.wire) / Ext(width));
        primary.windingWidth = width;
        Put(page, "TANP", "%3.1f", primary.layers);
    } catch (const Fault&) {
        primary.layers = 0;
        page.SetText("TANP", "???");
    }

    // Mean turn of the primary, wound first on the core: 5.1 C.
    const double length = Store(Ext(primary.turns) * 5.1L * c / 1000.0L); // m
    Put(page, "TALFILO", "%4.1f", length);
    // Copper resistivity 0.0177 ohm mm²/m.
    const Ext wireArea = kPi * (Ext(primary.wire) / 2.0L) * (Ext(primary.wire) / 2.0L); // mm²
    primary.resistance = Store(0.0177L * Ext(length) / wireArea);
    Put(page, "TARESRAME", "%4.1f", primary.resistance);
    // Copper weight in grams: dm³ of copper at 9.18 kg/dm³.
    const Ext radius = Ext(primary.wire) / 200.0L; // dm
    const double weight = Store(kPi * radius * radius * (Ext(length) * 10.0L) * 9.18L * 1000.0L);
    Put(page, "TAPESO", "%4.2f", weight);
    return primary;
}

// Step 21: one row of the results grid per valid secondary. Returns their copper loss (W) and
// adds their build-up across the winding (mm) to `buildUp`.
double DesignSecondaries(Page& page, const Nameplate& plate, const Core& core,
                         const Primary& primary, const SecondaryRows& rows, double& buildUp) {
    // Mean turn: over the primary on a single-section bobbin, beside it on a double one.
    const Ext meanTurn = (core.single ? 6.7L : 5.1L) * Ext(core.width); // mm
    double loss = 0;                                                    // W
    for (int row = 1; row <= 6; ++row) {
        const Secondary& s = rows[row];
        if (s.volts == ParseFailed)
            continue;
        PutCell(page, 0, row, "%4.1f", s.volts);
        PutCell(page, 1, row, "%2.3f", s.amps);
        const std::int32_t turns = Ceil32(Ext(primary.secondaryTpv) * Ext(s.volts));
        PutCell(page, 2, row, "%4.0f", turns);
        const double wire =
            Store(Ext(Ceil32(200.0L * Sqrt(Ext(s.amps) / (kPi * plate.density)))) / 100.0L); // mm
        PutCell(page, 3, row, "%1.2f", wire);
        if (primary.windingWidth > 0) {
            const double layers = Store(Ext(turns) * Ext(wire) / Ext(primary.windingWidth));
            PutCell(page, 4, row, "%3.1f", layers);
            // Both sides of the core, 1.2 wire diameters per layer.
            buildUp = Store(Ext(buildUp) + 2.0L * Ext(Ceil32(layers)) * Ext(wire) * 1.2L);
        } else {
            page.SetCell(kResults, 4, row, "?");
        }
        const double length = Store(meanTurn * Ext(turns) / 1000.0L); // m
        PutCell(page, 5, row, "%3.1f", length);
        const Ext radius = Ext(wire) / 200.0L; // dm
        const double weight =
            Store(kPi * radius * radius * (Ext(length) * 10.0L) * 9.18L * 1000.0L); // g
        PutCell(page, 6, row, "%3.0f", weight);
        const Ext area = kPi * (Ext(wire) / 2.0L) * (Ext(wire) / 2.0L); // mm²
        const double resistance = Store(0.0177L * Ext(length) / area);  // ohm
        PutCell(page, 7, row, "%3.1f", resistance);
        loss = Store(Ext(loss) + Ext(s.amps) * Ext(s.amps) * Ext(resistance));
    }
    return loss;
}

// Step 22: how full the bobbin is. A bobbin that cannot be measured marks its three fields.
void BobbinFill(Page& page, const Core& core, const Primary& primary, double secondaryBuildUp) {
    const Ext primaryBuildUp = 2.0L * Ext(Ceil32(primary.layers)) * Ext(primary.wire) * 1.2L; // mm
    const auto inner = OptionalNumber(page, "TACA");                                          // mm
    const auto width = OptionalNumber(page, "TACC");                                          // mm
    const auto flange = OptionalNumber(page, "TACX");                                         // mm
    bool measured = inner && width && flange && secondaryBuildUp != 0;
    if (measured) {
        // Single section: the secondaries lie over the primary; double: side by side.
        const Ext secondary = secondaryBuildUp;
        const Ext buildUp = core.single                  ? primaryBuildUp + secondary
                            : primaryBuildUp > secondary ? primaryBuildUp
                                                         : secondary;
        try {
            // Share of the flange height the windings take: 0 empty, 1 full.
            const double fill = Store(buildUp / (Ext(*flange) - Ext(*inner)));
            Put(page, "RAPIMPAC", "%1.2f", fill);
            page.SetBackground("RAPIMPAC", fill >= 1 ? kRed : kResultTint);
        } catch (const Fault&) {
            measured = false; // flange equal to the inner side
        }
    }
    if (!measured) {
        page.SetText("TACA", "?");
        page.SetText("TACC", "?");
        page.SetText("TACX", "?");
    }
}

// Steps 23 to 28: full-load losses and temperature rise.
void Losses(Page& page, const Core& core, const Primary& primary, double secondaryLoss) {
    const Ext c = core.width;
    const double ironMass = Store(0.0468L * c * c * c / 1000.0L); // kg
    Put(page, "TAPESOFERRO", "%3.2f", ironMass);

    double ironLoss = 0; // W
    if (const auto perKilogram = OptionalNumber(page, "PEFE")) {
        ironLoss = Store(Ext(ironMass) * Ext(*perKilogram));
        Put(page, "TAPERFERRO", "%3.1f", ironLoss);
    } else {
        page.SetText("TAPERFERRO", "???");
    }

    const double primaryLoss =
        Store(Ext(primary.current) * Ext(primary.current) * Ext(primary.resistance)); // W
    Put(page, "TAPERP", "%3.1f", primaryLoss);
    Put(page, "TAPERS", "%3.1f", secondaryLoss);
    const double total = Store(Ext(secondaryLoss) + Ext(primaryLoss) + Ext(ironLoss)); // W
    Put(page, "TAPERTOT", "%3.1f", total);
    // Temperature rise: the loss over a cooling surface that grows with C².
    const double rise = Store(100.0L * Ext(total) / (0.02162L * c * c)); // °C
    Put(page, "TADT", "%3.1f", rise);
    // Class A insulation (105 °C) at 40 °C ambient allows a rise of 65 °C.
    ApplyLook(page, "TADT", rise > kMostRise ? kMainsAlarmLook : kRiseLook);
}

// The name of the input that made the design fail: the first that is zero or negative, in
// the order the design reads them; the induction when none is (an overflow of the turns or
// of the lamination from a value far beyond any transformer included).
std::string_view FailedDesignInput(const Page& page, const Nameplate& plate,
                                   const SecondaryRows& rows) {
    const auto positive = [&](std::string_view field) {
        const auto value = OptionalNumber(page, field);
        return !value || *value > 0;
    };
    if (!positive("CBTAINDUZ"))
        return "Induzione nucleo";
    if (!(plate.frequency > 0))
        return "Frequenza";
    if (!(plate.density > 0))
        return "Densità di corrente";
    if (!positive("TARESA"))
        return "Rendimento";
    if (!(plate.primaryVolts > 0))
        return "Tensione primario";
    for (int row = 1; row <= 6; ++row) {
        if (rows[row].volts != ParseFailed && !(rows[row].amps > 0))
            return "Corrente secondario";
    }
    return "Induzione nucleo";
}

} // namespace

LaminationChoice ChooseLamination(double minimumWidth) {
    for (double width : kStandardLaminations)
        if (width >= minimumWidth)
            return {width, true};
    return {static_cast<double>(Ceil32(minimumWidth)), false};
}

double DefaultEfficiency(double power) {
    if (power <= 20)
        return 0.82;
    if (power <= 50)
        return 0.85;
    if (power <= 150)
        return 0.89;
    if (power <= 300)
        return 0.91;
    return 0.93;
}

void SBTACALCClick(Page& page, const SecondaryTable& secondaries) {
    const NumberLocale& locale = page.Locale();
    for (int row = 1; row <= 6; ++row)
        for (int column = 0; column < 8; ++column)
            page.SetCell(kResults, column, row, "");

    // A spin text that does not convert reaches the window's general error box.
    Nameplate plate;
    plate.primaryVolts = SpinValue(page.Text("TAVP"), locale);
    plate.frequency = SpinValue(page.Text("TAFREQ"), locale);
    plate.density = SpinValue(page.Text("TADENS"), locale);

    // Total power of the rows whose two texts convert. A voltage of -1 cannot be told from an
    // invalid row, so such a row counts here but gets no results.
    SecondaryRows rows;
    Ext total = 0; // VA; extended precision holds any product of two doubles
    for (int row = 1; row <= 6; ++row) {
        const auto volts = ReadNumber(secondaries.At(0, row), locale);
        const auto amps = ReadNumber(secondaries.At(1, row), locale);
        if (volts && amps) {
            rows[row] = {*volts, *amps};
            total += Ext(*volts) * Ext(*amps);
        }
    }
    if (!(total > 0)) {
        ShowFieldError(page, "Nessun secondario valido");
        return;
    }

    // Past this point every failure a step does not handle itself ends the design here.
    try {
        plate.power = Store(total);
        const Core core = DesignCore(page, plate);
        const Primary primary = DesignPrimary(page, plate, core);
        double secondaryBuildUp = 0; // mm
        const double secondaryLoss =
            DesignSecondaries(page, plate, core, primary, rows, secondaryBuildUp);
        BobbinFill(page, core, primary, secondaryBuildUp);
        Losses(page, core, primary, secondaryLoss);
    } catch (const Fault&) {
        ShowFieldError(page, FailedDesignInput(page, plate, rows));
    }
}

} // namespace velkor
