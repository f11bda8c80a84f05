#include "ferrite.h"

#include "checked.h"
#include "ferrite_losses.h"
#include "numbers.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velkor {

namespace {

// The spin field of each input.
constexpr std::pair<std::string_view, long double FerriteInputs::*> kInputFields[] = {
    {"VPMIN", &FerriteInputs::vpmin}, {"VPMAX", &FerriteInputs::vpmax},
    {"VSPP", &FerriteInputs::vspp},   {"PSEC", &FerriteInputs::psec},
    {"FATTF", &FerriteInputs::k},     {"FREQ", &FerriteInputs::freq},
    {"DCMQ", &FerriteInputs::j},      {"BSAT", &FerriteInputs::bsat},
    {"AL", &FerriteInputs::al},       {"AE", &FerriteInputs::ae},
    {"AC", &FerriteInputs::ac},       {"PUN", &FerriteInputs::pun},
    {"ETA", &FerriteInputs::eta},
};

constexpr long double kSquareMil = 0.00064516L; // mm², one square mil

// Runs the nineteen steps in order. `value(field)` yields an input when the step that needs it
// runs; `show(field, pattern, values)` receives each result as soon as its step is done;
// `mark(field, alarm)` receives the outcome of each check. Every step computes in extended
// precision and stores its working value in double precision; the first fault ends the run.
template <class Value, class Show, class Mark>
FerriteDesign RunSteps(Value&& value, Show&& show, Mark&& mark) {
    FerriteDesign d;

    // 1. Design flux density: the allowed share of the saturation flux density.
    {
        const Ext bsat = value("BSAT"); // G
        const Ext pun = value("PUN");   // %
        d.bmax = Store(bsat / 100 * pun);
    }
    show("BMAX", "%5.0f", {d.bmax});

    // 2. Area product of the core, mm⁴ to cm⁴.
    {
        const Ext ae = value("AE"); // mm²
        const Ext ac = value("AC"); // mm²
        d.aeac = Store(ae * ac / 10000);
    }
    show("AEAC", "%3.4f", {d.aeac});

    // 3. Wire allowance in circular mils per ampere at the current density J.
    {
        const Ext j = value("DCMQ"); // A/mm²
        d.dcma = Store(Ext(4) / (j * kSquareMil * kPi));
    }

    // 4. Minimum area product for the power to be carried at this frequency and flux.
    {
        const Ext psec = value("PSEC"); // W
        const Ext freq = value("FREQ"); // Hz
        d.aeacMin = Store(psec * d.dcma * 680 / freq / d.bmax);
    }
    show("AEACMIN", "%2.4f", {d.aeacMin});

    // 5. Primary current: the input power PSEC / efficiency at the lowest supply voltage.
    {
        const Ext psec = value("PSEC");   // W
        const Ext eta = value("ETA");     // %
        const Ext vpmin = value("VPMIN"); // V
        d.ip = Store(psec * 100 / (eta * vpmin));
    }
    show("IPRIM", "%2.3f", {d.ip});

    // 6. Primary turns from the turns equation (area in cm², flux density in gauss), then
    //    the nearest whole number with halves going up.
    {
        const Ext vpmin = value("VPMIN"); // V
        const Ext ae = value("AE");       // mm²
        const Ext freq = value("FREQ");   // Hz
        const Ext k = value("FATTF");
        d.npExact = Store(vpmin * 1e8L / ((ae / 100) * freq * k * d.bmax));
        d.np = Floor32(Ext(d.npExact) + 0.5L); // beyond the 32-bit range: Overflow
    }
    show("NSP", "%4.0f (%4.1f)", {static_cast<long double>(d.np), d.npExact});

    // 7. Primary inductance, nH to µH.
    {
        const Ext al = value("AL"); // nH/turn²
        const Ext np = d.np;
        d.lp = Store(np * np * al / 1000);
    }
    show("LPRIM", "%5.1f", {d.lp});

    // 8. Primary reactance at the working frequency (LP in henry).
    {
        const Ext freq = value("FREQ"); // Hz
        d.xlp = Store(freq * kTwoPi * d.lp * 1e-6L);
    }
    show("XLPRIM", "%5.0f", {d.xlp});

    // 9. Peak flux density at the highest supply voltage with the whole turns.
    {
        const Ext vpmax = value("VPMAX"); // V
        const Ext ae = value("AE");       // mm²
        const Ext freq = value("FREQ");   // Hz
        const Ext k = value("FATTF");
        d.bmaxEff = Store(vpmax * 1e8L / ((ae / 100) * freq * k * d.np));
    }
    show("BMAXEFF", "%4.0f", {d.bmaxEff});

    // 10. Secondary turns by the voltage ratio, not rounded.
    {
        const Ext vspp = value("VSPP");   // V
        const Ext vpmin = value("VPMIN"); // V
        d.ns = Store(vspp * d.np / vpmin);
    }
    show("NSS", "%4.0f", {d.ns});

    // 11. Secondary inductance from the unrounded turns, nH to µH.
    {
        const Ext al = value("AL"); // nH/turn²
        d.ls = Store(Ext(d.ns) * d.ns * al / 1000);
    }
    show("LSEC", "%5.1f", {d.ls});

    // 12. Secondary reactance at the working frequency (LS in henry).
    {
        const Ext freq = value("FREQ"); // Hz
        d.xls = Store(freq * kTwoPi * d.ls * 1e-6L);
    }
    show("XLSEC", "%5.0f", {d.xls});

    // 13. Rms voltage of a sine of the given peak-to-peak value.
    {
        const Ext vspp = value("VSPP"); // V
        d.vsrms = Store(vspp / Sqrt(2) / 2);
    }
    show("VSRMS", "%4.1f", {d.vsrms});

    // 14. Secondary current.
    {
        const Ext psec = value("PSEC"); // W
        d.is = Store(psec / d.vsrms);
    }
    show("ISEC", "%3.4f", {d.is});

    // 15. Secondary wire diameter: the round wire that carries IS at density J.
    {
        const Ext j = value("DCMQ"); // A/mm²
        d.ds = Store(2 * Sqrt(d.is / (j * kPi)));
    }
    show("DFS", "%2.2f", {d.ds});

    // 16. Primary peak current: the reflected load current plus the magnetising ramp
    //     (LP / 10^6 in henry).
    {
        const Ext vpmin = value("VPMIN"); // V
        const Ext eta = value("ETA");     // %
        const Ext freq = value("FREQ");   // Hz
        const Ext load = (vpmin + d.vsrms) * d.is * 100 / vpmin / eta;
        const Ext ramp = (vpmin + d.vsrms) * vpmin / (2 * freq * d.vsrms * d.lp / 1e6L);
        d.ipPeak = Store(load + ramp);
    }
    show("IPPEEK", "%2.3f", {d.ipPeak});

    // 17. Primary wire diameter from the peak current at density J.
    {
        const Ext j = value("DCMQ"); // A/mm²
        d.dp = Store(2 * Sqrt(d.ipPeak / (j * kPi)));
    }
    show("DFP", "%2.2f", {d.dp});

    // 18. Core check: the core must offer at least the minimum area product.
    d.coreAlarm = d.aeacMin > d.aeac;
    mark("AEAC", d.coreAlarm);

    // 19. Saturation check at the highest supply voltage, against BSAT read afresh.
    {
        const long double bsat = value("BSAT"); // G
        d.saturationAlarm = bsat < d.bmaxEff;
    }
    mark("BMAXEFF", d.saturationAlarm);
    return d;
}

} // namespace

WindingChecks CheckWindings(const FerriteDesign& d, long double freq, long double ac) {
    WindingChecks checks;
    if (const auto depth = SkinDepth(freq))
        checks.skinDepth = Store(*depth);
    if (checks.skinDepth) {
        checks.primaryWire = WireToBuy(d.dp, *checks.skinDepth);
        checks.secondaryWire = WireToBuy(d.ds, *checks.skinDepth);
    }
    if (ac > 0) {
        try {
            // Bare copper of both windings, NP π DP² / 4 + NS π DS² / 4, over the window (mm²).
            const Ext primary = Ext(d.np) * kPi * d.dp * d.dp / 4;
            const Ext secondary = Ext(d.ns) * kPi * d.ds * d.ds / 4;
            checks.windowFill = Store((primary + secondary) / ac);
            checks.fillAlarm = *checks.windowFill > kMostWindowFill;
        } catch (const Fault&) {
            // A window too small for the number range holds no winding: "?" with the alarm.
        }
    }
    return checks;
}

FerriteDesign DesignFerrite(const FerriteInputs& inputs) {
    const auto value = [&](std::string_view field) -> long double {
        for (const auto& [name, member] : kInputFields)
            if (name == field)
                return inputs.*member;
        return 0.0L;
    };
    const auto show = [](std::string_view, std::string_view, std::initializer_list<long double>) {};
    const auto mark = [](std::string_view, bool) {};
    FerriteDesign d = RunSteps(value, show, mark);
    d.checks = CheckWindings(d, inputs.freq, inputs.ac);
    return d;
}

void SBCALCClick(Page& page) {
    // Each step reads its inputs when it runs; a text met before is not parsed again.
    std::vector<std::pair<std::string, long double>> parsed; // text, value
    const auto value = [&](std::string_view field) {
        std::string text = page.Text(field);
        for (const auto& [seen, known] : parsed)
            if (seen == text)
                return known;
        const long double typed = SpinValue(text, page.Locale());
        parsed.emplace_back(std::move(text), typed);
        return typed;
    };
    const auto show = [&](std::string_view field, std::string_view pattern,
                          std::initializer_list<long double> values) {
        page.SetText(field, FormatPattern(pattern, values, page.Locale()));
    };
    const auto mark = [&](std::string_view field, bool alarm) {
        ApplyLook(page, field, alarm ? kAlarmLook : kFerriteNormalLook);
    };
    FerriteDesign d = RunSteps(value, show, mark);

    // The checks read the frequency and the window afresh, as every step reads its inputs.
    const long double freq = value("FREQ"); // Hz
    const long double ac = value("AC");     // mm²
    d.checks = CheckWindings(d, freq, ac);
    const WindingChecks& checks = d.checks;
    const NumberLocale& locale = page.Locale();
    page.SetText("DELTAFER", checks.skinDepth ? Format("%1.3f", *checks.skinDepth, locale) : "?");
    page.SetText("FILOP", WireText(checks.primaryWire, locale));
    page.SetText("FILOS", WireText(checks.secondaryWire, locale));
    page.SetText("RIEMPFER", checks.windowFill ? Format("%1.2f", *checks.windowFill, locale) : "?");
    ApplyLook(page, "RIEMPFER", checks.fillAlarm ? kAlarmLook : kFerriteNormalLook);

    // Then the losses, the core temperature and the efficiency, on the same readings.
    FerriteInputs now;
    now.freq = freq;
    now.k = value("FATTF");
    now.psec = value("PSEC");
    now.eta = value("ETA");
    ShowFerriteLosses(page, d, now);
}

} // namespace velkor
