// "Calcola" of the flyback page: the inputs read and checked, the design, its fields and looks.
#include "flyback.h"

#include "parts_library.h"
#include "unit_values.h"

#include <string>
#include <string_view>
#include <utility>

namespace velkor {

namespace {

// The spin field of each input.
struct InputField {
    std::string_view field;
    long double FlybackInputs::*member;
};

constexpr InputField kInputs[] = {
    {"VINMINFB", &FlybackInputs::vinMin}, {"VINMAXFB", &FlybackInputs::vinMax},
    {"VOUTFB", &FlybackInputs::vout},     {"IOUTFB", &FlybackInputs::iout},
    {"VFFB", &FlybackInputs::vf},         {"FSWFB", &FlybackInputs::freq},
    {"DMAXFB", &FlybackInputs::dmax},     {"ETAFB", &FlybackInputs::eta},
    {"KRPFB", &FlybackInputs::krp},       {"BMFB", &FlybackInputs::bmax},
    {"JFB", &FlybackInputs::j},           {"TAMBFB", &FlybackInputs::ambient},
};

// The name of the first input that would divide by zero or less (or make the design point
// meaningless); empty when every one can be used.
std::string_view RefusedInput(const FlybackInputs& in) {
    // Each of these divides, directly or through Pin, Ipk and ΔI.
    const std::pair<long double, std::string_view> divisors[] = {
        {in.vinMin, "VIN min"},
        {in.vinMax, "VIN max"},
        {in.vout, "Vout"},
        {in.iout, "Iout"},
        {in.vout + in.vf, "Vf diodo"}, // n = VINmin·D / ((Vout + Vf)·(1 − D))
        {in.freq, "Frequenza"},
        {in.dmax, "Duty max"},
        {1 - in.dmax, "Duty max"}, // 1 − Dmax
        {in.eta, "% rendimento stimato"},
        {in.krp, "Ondulazione KRP"},
        {2 - in.krp, "Ondulazione KRP"}, // 2 − KRP
        {in.bmax, "B max"},
        {in.j, "Densità di corrente"},
    };
    for (const auto& [value, name] : divisors)
        if (!(value > 0))
            return name;
    if (in.vinMax < in.vinMin)
        return "VIN max";
    return {};
}

// A core that can carry a gap: a library shape that is not a toroid.
const library::CoreShape* GappableCore(const library::PartsLibrary* parts, std::string_view name) {
    const library::CoreShape* shape = parts ? parts->FindShape(name) : nullptr;
    return shape && !shape->Toroid() ? shape : nullptr;
}

void WriteDesign(Page& page, const FlybackDesign& d) {
    const NumberLocale& locale = page.Locale();
    const auto show = [&](std::string_view field, std::string_view pattern, long double value) {
        page.SetText(field, Format(pattern, value, locale));
    };
    const auto mark = [&](std::string_view field, bool alarm) {
        ApplyLook(page, field, alarm ? kAlarmLook : kFlybackNormalLook);
    };
    show("NRATFB", "%2.3f", static_cast<long double>(d.np) / d.ns);
    show("LPFB", "%6.1f", static_cast<long double>(d.lp) * 1e6L); // µH
    show("IPKFB", "%2.3f", d.low.peak);
    show("IRMSPFB", "%2.3f", d.irmsPrimary);
    show("IRMSSFB", "%2.3f", d.irmsSecondary);
    show("NPFB", "%4.0f", d.np);
    show("NSFB", "%4.0f", d.ns);
    show("DFB", "%1.3f", d.low.duty);
    show("VORFB", "%5.1f", d.vor);
    show("VDSFB", "%5.1f", d.vdsMax);
    page.SetText("TRAFFB",
                 d.gap ? Format("%1.3f", static_cast<long double>(*d.gap) * 1000, locale) : "?");
    show("BPKFB", "%4.0f", static_cast<long double>(d.peakFlux) * 1000); // mT
    show("DBFB", "%4.0f", static_cast<long double>(d.fluxSwing) * 1000); // mT
    page.SetText("FILOPFB", WireText(d.primaryWire, locale));
    page.SetText("FILOSFB", WireText(d.secondaryWire, locale));
    page.SetText("RIEMPFB", d.windowFill ? Format("%1.2f", *d.windowFill, locale) : "?");
    if (d.losses) {
        show("PNUCFB", "%1.2f", d.losses->core);
        show("PRAMEFB", "%1.2f", d.losses->copper);
        show("TFB", "%3.0f", d.losses->celsius);
        show("RENDFB", "%4.1f", d.losses->efficiency);
    } else {
        // The one rule for "no answer": every loss, temperature and efficiency field.
        for (std::string_view field : {"PNUCFB", "PRAMEFB", "TFB", "RENDFB"})
            page.SetText(field, "?");
    }
    mark("BPKFB", d.saturationAlarm);
    mark("RIEMPFB", d.fillAlarm);
    mark("TFB", d.heatAlarm);
    mark("DFB", d.dutyAlarm);
}

} // namespace

void SBCALCFBClick(Page& page) {
    FlybackInputs in;
    for (const InputField& input : kInputs)
        in.*input.member = SpinValue(page.Text(input.field), page.Locale());

    const library::PartsLibrary* parts = page.Library();
    const library::CoreShape* core = GappableCore(parts, page.Text("COREFB"));
    if (!core) {
        ShowFieldError(page, "Core");
        return;
    }
    const library::Material* material = parts->FindMaterial(page.Text("MATFB"));
    if (!material) {
        ShowFieldError(page, "Materiale");
        return;
    }
    if (const std::string_view refused = RefusedInput(in); !refused.empty()) {
        ShowFieldError(page, refused);
        return;
    }
    // The whole design first: a fault on the way leaves every field as it was.
    const FlybackDesign design = DesignFlyback(in, *core, *material, *parts);
    WriteDesign(page, design);
}

} // namespace velkor
