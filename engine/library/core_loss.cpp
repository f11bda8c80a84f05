#include "core_loss.h"

#include "checked.h"

#include <cmath>
#include <cstddef>

namespace velkor::library {

namespace {

constexpr long double kBlendFactor = 1.1L; // the blend spans f_b/1.1 to 1.1·f_b

// Natural logarithm of a positive value.
Ext Ln(Ext x) {
    if (!(x.value() > 0.0L))
        throw InvalidOperation();
    return Ext::Checked(std::log(x.value()));
}

// An argument of the loss functions: finite and not negative, else an invalid operation.
long double Argument(double value) {
    if (!std::isfinite(value) || value < 0)
        throw InvalidOperation();
    return value;
}

// ln of the temperature bracket ct2·T² − ct1·T + ct0, the loss at T (°C) relative to the fit's
// power law; none where the bracket is zero or negative (the fit has no answer there).
std::optional<Ext> LnBracket(const SteinmetzBand& band, Ext celsius) {
    const Ext bracket = Ext(band.ct2) * celsius * celsius - Ext(band.ct1) * celsius + band.ct0;
    if (!(bracket > 0))
        return std::nullopt;
    return Ln(bracket);
}

// ln I(α), I(α) = ∫₀^2π |cos θ|^α dθ = 2√π·Γ((α+1)/2)/Γ(α/2 + 1): the mean of |cos|^α over a
// period, times 2π, that turns a sine's loss coefficient into a triangle's (I(1) = 4, I(2) = π).
Ext LnCosineIntegral(Ext alpha) {
    const Ext upper = Ext::Checked(std::tgamma(((alpha + 1) / 2).value()));
    const Ext lower = Ext::Checked(std::tgamma((alpha / 2 + 1).value()));
    return Ln(2 * Sqrt(kPi) * upper / lower);
}

// The loss density of the material at `hertz` (Hz) from `lnBand(band)`, the logarithm of one
// band's density (none where that band has no answer). Inside a factor 1.1 of the boundary f_b
// of two neighbouring bands (the lower band's fMax) the two are blended in the logarithm,
// w = ln(f·1.1/f_b)/ln 1.21 running from 0 at f_b/1.1 to 1 at 1.1·f_b, so that Pv has no step
// at the boundary; where one of the two has no answer the other counts alone. Elsewhere the
// band that holds f (the first below the first band, the last above the last).
template <class LnBand>
std::optional<double> BlendedOrOverflow(const Material& material, long double hertz,
                                        LnBand&& lnBand) {
    const auto& bands = material.bands;
    if (bands.empty())
        return std::nullopt;
    const Ext f = hertz; // Hz

    // The boundary nearest to f (in ratio) among those within the blending factor.
    std::size_t boundary = bands.size();
    long double nearest = 0;
    for (std::size_t b = 0; b + 1 < bands.size(); ++b) {
        const Ext fb = bands[b].fMax; // Hz
        if (f < fb / kBlendFactor || f > fb * kBlendFactor)
            continue;
        const long double distance = std::fabs(Ln(f / fb).value());
        if (boundary == bands.size() || distance < nearest) {
            boundary = b;
            nearest = distance;
        }
    }

    std::optional<Ext> lnDensity;
    if (boundary < bands.size()) {
        const Ext fb = bands[boundary].fMax; // Hz
        const Ext w = Ln(f * kBlendFactor / fb) / Ln(kBlendFactor * kBlendFactor);
        const std::optional<Ext> lower = lnBand(bands[boundary]);
        const std::optional<Ext> upper = lnBand(bands[boundary + 1]);
        if (lower && upper)
            lnDensity = (1 - w) * *lower + w * *upper;
        else
            lnDensity = lower ? lower : upper;
    } else {
        std::size_t i = 0;
        while (i + 1 < bands.size() && !(hertz < bands[i].fMax))
            ++i;
        lnDensity = lnBand(bands[i]);
    }
    if (!lnDensity)
        return std::nullopt;
    return Store(Ext::Checked(std::exp(lnDensity->value()))); // W/m³
}

// As above; a density that overflows on the way or lies beyond the double range is no answer
// too: a loss that large is a runaway for every caller.
template <class LnBand>
std::optional<double> Blended(const Material& material, long double hertz, LnBand&& lnBand) {
    try {
        return BlendedOrOverflow(material, hertz, lnBand);
    } catch (const Overflow&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<double> SineLossDensity(const Material& material, double hertz, double peak,
                                      double celsius) {
    const long double f = Argument(hertz); // Hz
    const long double b = Argument(peak);  // T
    if (!std::isfinite(celsius))
        throw InvalidOperation();
    if (f == 0 || b == 0)
        return 0.0;        // no flux swing, no loss
    const Ext t = celsius; // °C
    // Steinmetz: Pv = k·f^α·B̂^β·(ct2·T² − ct1·T + ct0) W/m³, taken as its logarithm
    // ln k + α·ln f + β·ln B̂ + ln(bracket) so that no power overflows on the way.
    const Ext lnF = Ln(f);
    const Ext lnB = Ln(b);
    return Blended(material, f, [&](const SteinmetzBand& band) -> std::optional<Ext> {
        const std::optional<Ext> lnBracket = LnBracket(band, t);
        if (!lnBracket)
            return std::nullopt;
        return Ln(band.k) + Ext(band.alpha) * lnF + Ext(band.beta) * lnB + *lnBracket;
    });
}

std::optional<double> RectangularLossDensity(const Material& material, double hertz, double swing,
                                             double duty, double celsius) {
    const long double f = Argument(hertz);  // Hz
    const long double db = Argument(swing); // T, peak to peak
    if (!std::isfinite(celsius) || !(duty > 0 && duty < 1))
        throw InvalidOperation();
    if (f == 0 || db == 0)
        return 0.0;        // no flux swing, no loss
    const Ext t = celsius; // °C
    const Ext d = duty;    // share of the period the flux rises
    const Ext lnF = Ln(f);
    const Ext lnSwing = Ln(db);
    const Ext ln2Pi = Ln(kTwoPi);
    const Ext ln2 = Ln(2);
    return Blended(material, f, [&](const SteinmetzBand& band) -> std::optional<Ext> {
        const std::optional<Ext> lnBracket = LnBracket(band, t);
        if (!lnBracket)
            return std::nullopt;
        const Ext alpha = band.alpha;
        const Ext beta = band.beta;
        // iGSE: the loss follows |dB/dt|^α. ki = k / ((2π)^(α−1)·I(α)·2^(β−α)) W/m³ matches a
        // sine's loss; a triangle of swing ΔB rising for D·T and falling for (1 − D)·T gives
        // Pv = ki·ΔB^β·f^α·(D^(1−α) + (1 − D)^(1−α))·bracket, here as its logarithm.
        const Ext lnKi =
            Ln(band.k) - (alpha - 1) * ln2Pi - LnCosineIntegral(alpha) - (beta - alpha) * ln2;
        const Ext slopes = Power(d, 1 - alpha) + Power(1 - d, 1 - alpha);
        return lnKi + beta * lnSwing + alpha * lnF + Ln(slopes) + *lnBracket;
    });
}

} // namespace velkor::library
