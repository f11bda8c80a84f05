#include "loss_plot.h"

#include "core_loss.h"
#include "faults.h"
#include "materials.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace velkor::ui {

namespace {

constexpr double kFrequencies[] = {25, 50, 100, 200, 500}; // kHz
constexpr int kStepsPerCurve = 48;                         // equal steps of ln B
constexpr double kFluxTicks[] = {25, 50, 100, 200, 400};   // mT
constexpr int kHues[] = {215, 28, 130, 350, 275};          // blue, orange, green, red, violet

// Plot margins, px: room for the numbers and the axis titles.
constexpr int kLeft = 58, kRight = 12, kTop = 26, kBottom = 42;

} // namespace

std::vector<LossCurve> LossCurves(const library::Material& material, double celsius) {
    std::vector<LossCurve> curves;
    if (material.bands.empty())
        return curves;
    const double lowest = material.bands.front().fMin; // Hz
    const double highest = material.bands.back().fMax; // Hz
    for (const double kilohertz : kFrequencies) {
        const double hertz = kilohertz * 1e3; // Hz
        if (hertz < lowest || hertz > highest)
            continue; // outside the fitted bands: no extrapolated curve
        LossCurve curve{kilohertz, {}};
        for (int step = 0; step <= kStepsPerCurve; ++step) {
            // B from 25 to 400 mT, equal steps of the logarithm.
            const double millitesla = kPlotLowestFlux * std::pow(kPlotHighestFlux / kPlotLowestFlux,
                                                                 double(step) / kStepsPerCurve);
            try {
                const std::optional<double> density =
                    library::SineLossDensity(material, hertz, millitesla * 1e-3, celsius); // W/m³
                if (density && *density > 0 && std::isfinite(*density))
                    curve.points.emplace_back(millitesla, *density * 1e-3); // kW/m³
            } catch (const Fault&) {
                // A point without an answer is left out.
            }
        }
        if (!curve.points.empty())
            curves.push_back(std::move(curve));
    }
    return curves;
}

LossPlot::LossPlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LossPlot::SetCurves(std::vector<LossCurve> curves, const QString& title) {
    curves_ = std::move(curves);
    title_ = title;
    update();
}

QColor LossPlot::CurveColour(int n) const {
    const bool dark = palette().color(QPalette::Base).lightness() < 128;
    const int hue = kHues[static_cast<std::size_t>(n) % std::size(kHues)];
    return QColor::fromHsl(hue, 210, dark ? 175 : 85);
}

void LossPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    const QColor ink = colours.color(QPalette::Text);
    QColor grid = ink;
    grid.setAlpha(50);

    // The decades of Pv that hold every point (1 to 10⁴ kW/m³ with none).
    double low = 1, high = 1e4; // kW/m³
    bool any = false;
    for (const LossCurve& curve : curves_)
        for (const QPointF& point : curve.points) {
            low = any ? std::min(low, point.y()) : point.y();
            high = any ? std::max(high, point.y()) : point.y();
            any = true;
        }
    int lowDecade = static_cast<int>(std::floor(std::log10(low)));
    int highDecade = static_cast<int>(std::ceil(std::log10(high)));
    if (highDecade <= lowDecade)
        highDecade = lowDecade + 1;

    const QRectF area(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
    const double fluxSpan = std::log(kPlotHighestFlux / kPlotLowestFlux);
    const auto x = [&](double millitesla) {
        return area.left() + area.width() * std::log(millitesla / kPlotLowestFlux) / fluxSpan;
    };
    const auto y = [&](double density) {
        return area.bottom() -
               area.height() * (std::log10(density) - lowDecade) / (highDecade - lowDecade);
    };

    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator); // "100000", never "100.000"
    const QFontMetrics metrics(font());
    painter.setPen(ink);
    // Title, axes, grid and numbers.
    painter.drawText(QRectF(kLeft, 2, area.width(), kTop - 4), Qt::AlignCenter, title_);
    for (const double tick : kFluxTicks) {
        painter.setPen(grid);
        painter.drawLine(QPointF(x(tick), area.top()), QPointF(x(tick), area.bottom()));
        painter.setPen(ink);
        painter.drawText(QRectF(x(tick) - 30, area.bottom() + 2, 60, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, locale.toString(tick, 'g', 6));
    }
    for (int decade = lowDecade; decade <= highDecade; ++decade) {
        const double value = std::pow(10.0, decade);
        painter.setPen(grid);
        painter.drawLine(QPointF(area.left(), y(value)), QPointF(area.right(), y(value)));
        painter.setPen(ink);
        painter.drawText(QRectF(0, y(value) - metrics.height() / 2.0, kLeft - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, locale.toString(value, 'g', 6));
    }
    painter.drawRect(area);
    painter.drawText(QRectF(kLeft, height() - metrics.height() - 2, area.width(), metrics.height()),
                     Qt::AlignCenter, tr("B picco (mT)"));
    painter.save();
    painter.translate(12, area.center().y());
    painter.rotate(-90);
    painter.drawText(
        QRectF(-area.height() / 2, -metrics.height() / 2.0, area.height(), metrics.height()),
        Qt::AlignCenter, QStringLiteral("Pv (kW/m³)"));
    painter.restore();

    // The curves, clipped to the plot.
    painter.save();
    painter.setClipRect(area);
    for (std::size_t n = 0; n < curves_.size(); ++n) {
        QPainterPath path;
        for (const QPointF& point : curves_[n].points) {
            const QPointF at(x(point.x()), y(point.y()));
            if (path.elementCount() == 0)
                path.moveTo(at);
            else
                path.lineTo(at);
        }
        painter.setPen(QPen(CurveColour(static_cast<int>(n)), 2));
        painter.drawPath(path);
    }
    painter.restore();

    // The legend, top left inside the plot: the highest losses lie at the right.
    if (curves_.empty())
        return;
    const int line = metrics.height() + 2;
    const int legendWidth = metrics.horizontalAdvance(QStringLiteral("500 kHz")) + 34;
    const QRectF legend(area.left() + 6, area.top() + 6, legendWidth,
                        line * static_cast<int>(curves_.size()) + 6);
    painter.setPen(ink);
    painter.setBrush(colours.color(QPalette::Base));
    painter.drawRect(legend);
    for (std::size_t n = 0; n < curves_.size(); ++n) {
        const double top = legend.top() + 3 + line * static_cast<double>(n);
        painter.setPen(QPen(CurveColour(static_cast<int>(n)), 2));
        painter.drawLine(QPointF(legend.left() + 5, top + line / 2.0),
                         QPointF(legend.left() + 23, top + line / 2.0));
        painter.setPen(ink);
        painter.drawText(QRectF(legend.left() + 28, top, legendWidth - 30, line),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         locale.toString(curves_[n].kilohertz, 'g', 6) + QStringLiteral(" kHz"));
    }
}

} // namespace velkor::ui
