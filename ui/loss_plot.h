// The loss curves of a ferrite: Pv against the peak flux density of a sine on log–log axes,
// one curve per frequency, drawn with a few lines of QPainter in the window's palette.
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>

#include <vector>

namespace velkor::library {
struct Material;
}

namespace velkor::ui {

struct LossCurve {
    double kilohertz = 0;        // kHz
    std::vector<QPointF> points; // x: B̂ in mT, y: Pv in kW/m³; points without an answer left out
};

inline constexpr double kPlotLowestFlux = 25;   // mT
inline constexpr double kPlotHighestFlux = 400; // mT

// The curves of `material` at `celsius` for those of 25, 50, 100, 200 and 500 kHz that lie
// within its bands (from the first band's lowest to the last band's highest frequency): no
// curve is extrapolated. Each from 25 to 400 mT in equal steps of the logarithm.
std::vector<LossCurve> LossCurves(const library::Material& material, double celsius);

class LossPlot : public QWidget {
    Q_OBJECT
public:
    explicit LossPlot(QWidget* parent = nullptr);

    // The curves to draw, and the title above them ("N87 a 100 °C"); none draws the axes alone
    // with `title` saying why.
    void SetCurves(std::vector<LossCurve> curves, const QString& title);
    const std::vector<LossCurve>& Curves() const { return curves_; }
    const QString& Title() const { return title_; }

    // The colour of the n-th curve in the palette in force: a hue of its own, dark on a light
    // background and light on a dark one.
    QColor CurveColour(int n) const;

    QSize sizeHint() const override { return {340, 300}; }
    QSize minimumSizeHint() const override { return {260, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<LossCurve> curves_;
    QString title_;
};

} // namespace velkor::ui
