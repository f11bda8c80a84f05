#include "report_elements.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPen>
#include <QSvgRenderer>
#include <utility>

namespace velkor::reports {

namespace {

std::function<QDate()>& Clock() {
    static std::function<QDate()> clock = [] { return QDate::currentDate(); };
    return clock;
}

// Draws one line of text with the top of its line box at `topMm`.
void DrawLine(QPainter& painter, QPaintDevice* device, const DeviceScale& scale, const QFont& font,
              double leftMm, double topMm, const QString& text) {
    painter.setFont(QFont(font, device));
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, device);
    painter.drawText(QPointF(scale.X(leftMm), scale.X(topMm) + metrics.ascent()), text);
}

} // namespace

bool ReportFonts::Installed(const QString& family) {
    if (installed_.isEmpty())
        installed_ = QFontDatabase::families();
    return installed_.contains(family, Qt::CaseInsensitive);
}

QString ReportFonts::Resolve(const QString& family) {
    if (const auto known = chosen_.constFind(family); known != chosen_.constEnd())
        return *known;
    static const QList<std::pair<QString, QString>> twins = {
        {"Times New Roman", "Liberation Serif"},
        {"Arial", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},
    };
    QString chosen = family;
    for (const auto& [windows, twin] : twins) {
        if (family == windows && !Installed(windows) && Installed(twin))
            chosen = twin;
    }
    chosen_.insert(family, chosen);
    return chosen;
}

QFont ReportFonts::Font(const QString& family, double points, bool bold) {
    const QString chosen = Resolve(family);
    QFont font(chosen);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleHint(chosen.contains("Mono") || family == "Courier New" ? QFont::TypeWriter
                                                                         : QFont::AnyStyle);
    return font;
}

QFont ReportFont(const QString& family, double points, bool bold) {
    return ReportFonts().Font(family, points, bold);
}

QRElement::QRElement(QObject* report, const QString& name, QRectF rect)
    : QObject(report), rect_(rect) {
    setObjectName(name);
}

QRLabel::QRLabel(QObject* report, const QString& name, QRectF rect, QFont font, const QString& text,
                 Align align)
    : QRElement(report, name, rect), font_(std::move(font)), align_(align) {
    text_ = text;
}

QRLabel::Printed QRLabel::Fit(QPaintDevice* device) const {
    const double dotsPerMm = device->logicalDpiX() / 25.4;
    const auto widthOf = [&](const QFont& font, const QString& text) { // mm
        return QFontMetricsF(font, device).horizontalAdvance(text) / dotsPerMm;
    };
    Printed printed{font_, text_};
    if (text_.isEmpty())
        return printed;
    const QString mark = alarm_ ? QStringLiteral(" (!)") : QString();
    printed.text += mark;
    if (alarm_)
        printed.font.setBold(true);
    if (value_ && !box_.isEmpty()) {
        const double room = box_.right() - rect_.left(); // mm
        // Shrunk in steps of a quarter point: the width of a text is not quite proportional
        // to its size, the hinting rounds it.
        for (double points = font_.pointSizeF();
             widthOf(printed.font, printed.text) > room && points > kSmallestPoints;) {
            points = std::max(
                kSmallestPoints,
                std::min(points - 0.25, points * room / widthOf(printed.font, printed.text)));
            printed.font.setPointSizeF(points);
        }
        // The last resort: the value elided, the alarm mark kept whole.
        if (widthOf(printed.font, printed.text) > room) {
            const QFontMetricsF metrics(printed.font, device);
            const double left = (room - widthOf(printed.font, mark)) * dotsPerMm; // pixels
            printed.text = metrics.elidedText(text_, Qt::ElideRight, std::max(0.0, left)) + mark;
            // An ellipsis may round one hair over: take characters off until it fits.
            for (qsizetype keep = text_.size();
                 widthOf(printed.font, printed.text) > room && keep > 0; --keep)
                printed.text = text_.left(keep - 1) + QChar(0x2026) + mark;
        }
        return printed;
    }
    if (fitWidth_ > 0) {
        const double natural = widthOf(printed.font, printed.text);
        if (natural > fitWidth_)
            printed.font.setStretch(std::max(50, static_cast<int>(100 * fitWidth_ / natural)));
    }
    return printed;
}

QString QRLabel::PrintedText(QPaintDevice* device) const {
    return Fit(device).text;
}

QFont QRLabel::PrintedFont(QPaintDevice* device) const {
    return Fit(device).font;
}

QRectF QRLabel::PrintedRect(QPaintDevice* device) const {
    return RectOf(Fit(device), device);
}

QRectF QRLabel::RectOf(const Printed& printed, QPaintDevice* device) const {
    const QFontMetricsF metrics(printed.font, device);
    const double dotsPerMm = device->logicalDpiX() / 25.4;
    const double width = metrics.horizontalAdvance(printed.text) / dotsPerMm; // mm
    const double height = metrics.height() / (device->logicalDpiY() / 25.4);  // mm
    double left = rect_.left();
    if (align_ == Align::Centre)
        left = rect_.center().x() - width / 2;
    // A shrunk text keeps the baseline of the label's own size.
    const double drop = (QFontMetricsF(font_, device).ascent() - metrics.ascent()) /
                        (device->logicalDpiY() / 25.4); // mm
    return {left, rect_.top() + drop, width, height};
}

void QRLabel::Paint(QPainter& painter, QPaintDevice* device, const DeviceScale& scale) const {
    if (text_.isEmpty())
        return;
    const Printed printed = Fit(device);
    const QRectF rect = RectOf(printed, device);
    DrawLine(painter, device, scale, printed.font, rect.left(), rect.top(), printed.text);
}

QRMemo::QRMemo(QObject* report, const QString& name, QRectF rect, QFont font)
    : QRElement(report, name, rect), font_(std::move(font)) {}

void QRMemo::SetText(const QString& text) {
    lines_ = text.isEmpty() ? QStringList() : text.split('\n');
}

void QRMemo::Paint(QPainter& painter, QPaintDevice* device, const DeviceScale& scale) const {
    painter.save();
    painter.setClipRect(QRectF(scale.X(rect_.left()), scale.X(rect_.top()), scale.X(rect_.width()),
                               scale.X(rect_.height())));
    const QFontMetricsF metrics(font_, device);
    const double lineMm = metrics.lineSpacing() / scale.dotsPerMm; // mm
    for (qsizetype i = 0; i < lines_.size(); ++i)
        DrawLine(painter, device, scale, font_, rect_.left(), rect_.top() + i * lineMm, lines_[i]);
    painter.restore();
}

QRImage::QRImage(QObject* report, const QString& name, QRectF rect, const QString& picture,
                 bool sizedToContent)
    : QRElement(report, name, rect), picture_(picture), sizedToContent_(sizedToContent) {}

QRImage::~QRImage() = default;

// The picture, read once and again only when it changes: a page printed again draws the
// document already parsed.
QSvgRenderer* QRImage::Renderer() const {
    if (picture_.isEmpty())
        return nullptr;
    if (!renderer_ || loaded_ != picture_) {
        renderer_ = std::make_unique<QSvgRenderer>(picture_);
        loaded_ = picture_;
    }
    return renderer_->isValid() ? renderer_.get() : nullptr;
}

QRectF QRImage::PrintedRect() const {
    if (!sizedToContent_)
        return rect_;
    const QSvgRenderer* renderer = Renderer();
    if (!renderer || renderer->defaultSize().isEmpty())
        return rect_;
    // The picture's own size, at 96 pixels per inch.
    const QSizeF size = renderer->defaultSize();
    return {rect_.topLeft(), QSizeF(size.width() * kMmPerUnit, size.height() * kMmPerUnit)};
}

void QRImage::Paint(QPainter& painter, QPaintDevice*, const DeviceScale& scale) const {
    QSvgRenderer* renderer = Renderer();
    if (!renderer)
        return;
    const QRectF mm = PrintedRect();
    renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    renderer->render(&painter, QRectF(scale.X(mm.left()), scale.X(mm.top()), scale.X(mm.width()),
                                      scale.X(mm.height())));
}

QRShape::QRShape(QObject* report, const QString& name, QRectF rect)
    : QRElement(report, name, rect) {}

void QRShape::Paint(QPainter& painter, QPaintDevice*, const DeviceScale& scale) const {
    if (!shown_)
        return;
    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, scale.X(0.26))); // one design pixel, mm
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(scale.X(rect_.left()), scale.X(rect_.top()), scale.X(rect_.width()),
                            scale.X(rect_.height())));
    painter.restore();
}

QRSysData::QRSysData(QObject* report, const QString& name, QRectF rect, QFont font)
    : QRElement(report, name, rect), font_(std::move(font)) {}

QString QRSysData::Text() const {
    return QLocale::system().toString(Clock()(), QLocale::ShortFormat);
}

void QRSysData::Paint(QPainter& painter, QPaintDevice* device, const DeviceScale& scale) const {
    DrawLine(painter, device, scale, font_, rect_.left(), rect_.top(), Text());
}

void QRSysData::SetClock(std::function<QDate()> clock) {
    Clock() = clock ? std::move(clock) : [] { return QDate::currentDate(); };
}

} // namespace velkor::reports
