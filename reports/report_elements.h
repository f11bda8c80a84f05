// The elements a report band carries: labels, memos, pictures, rectangle outlines and the date
// of printing. Each is a QObject named after its component ("QRTFVPMIN", "QRMEMOSECOUT") with
// its current text in the `text` property; positions and sizes are in millimetres from the
// band's top-left corner.
#pragma once

#include <QDate>
#include <QFont>
#include <QHash>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPainter;
class QPaintDevice;
class QSvgRenderer;

namespace velkor::reports {

// Millimetres of one layout unit of 1/96 inch.
inline constexpr double kMmPerUnit = 25.4 / 96.0; // mm

// Converts millimetres to device pixels on a device of the given resolution.
struct DeviceScale {
    double dotsPerMm = 1; // pixels per mm
    double X(double mm) const { return mm * dotsPerMm; }
};

// The report fonts: the Windows family names of the layouts resolve to their metric twins when
// the system lacks the original (Times New Roman -> Liberation Serif, Arial -> Liberation
// Sans, Courier New -> Liberation Mono). The installed families are read once per object and
// each family is resolved once: asking the font database about a name runs the system's whole
// font configuration again each time.
class ReportFonts {
public:
    QFont Font(const QString& family, double points, bool bold = false);

private:
    QString Resolve(const QString& family);
    bool Installed(const QString& family);

    QHash<QString, QString> chosen_; // layout family -> family used
    QStringList installed_;          // the system's families, read at the first look-up
};

// A single report font, resolved afresh.
QFont ReportFont(const QString& family, double points, bool bold = false);

class QRElement : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text READ Text WRITE SetText)
public:
    QRElement(QObject* report, const QString& name, QRectF rect);

    virtual QString Text() const { return text_; }
    virtual void SetText(const QString& text) { text_ = text; }
    // The design rectangle, mm.
    QRectF Rect() const { return rect_; }
    // Draws the element with the band's top-left corner at the painter's origin.
    virtual void Paint(QPainter& painter, QPaintDevice* device, const DeviceScale& scale) const = 0;

protected:
    QString text_;
    QRectF rect_; // mm
};

// A one-line caption or value. Left-aligned labels grow to the right of their left edge;
// centred ones stay centred on their design rectangle.
//
// A value label (one the fills write a field's text into) keeps its painted text within its
// box: the room from its left edge to whatever stands next on its line, which the report
// measures before each paint. A long text is shrunk to fit, never below 6 pt, and only what
// still does not fit is elided with "…". A value marked as an alarm prints bold with " (!)"
// after it, the mark kept also when the rest is elided.
class QRLabel : public QRElement {
    Q_OBJECT
public:
    enum class Align { Left, Centre };
    QRLabel(QObject* report, const QString& name, QRectF rect, QFont font, const QString& text,
            Align align = Align::Left);

    static constexpr double kSmallestPoints = 6; // pt, the least a shrunk value is printed at

    QFont Font() const { return font_; }
    Align Alignment() const { return align_; }
    // Narrows the font (never below half its width) so that the text ends within `width`
    // mm of its left edge; a caption thus never runs into the value beside it.
    void SetFitWidth(double width) { fitWidth_ = width; }

    // A value label: fitted to its box.
    bool IsValue() const { return value_; }
    void SetValue(bool value) { value_ = value; }
    // The box a value's painted text stays in, mm; an empty box leaves the text as it is.
    QRectF Box() const { return box_; }
    void SetBox(const QRectF& box) { box_ = box; }
    // The value's field showed the alarm look when the report was filled.
    bool Alarm() const { return alarm_; }
    void SetAlarm(bool alarm) { alarm_ = alarm; }

    // The text as painted: the alarm mark added, elided when it must be.
    QString PrintedText(QPaintDevice* device) const;
    // The font it is painted in: bold for an alarm, shrunk or narrowed to fit.
    QFont PrintedFont(QPaintDevice* device) const;
    // The text's rectangle as printed on the device, mm (the label sizes itself to its text).
    QRectF PrintedRect(QPaintDevice* device) const;
    void Paint(QPainter& painter, QPaintDevice* device, const DeviceScale& scale) const override;

private:
    // The painted font and text, found together.
    struct Printed {
        QFont font;
        QString text;
    };
    Printed Fit(QPaintDevice* device) const;
    QRectF RectOf(const Printed& printed, QPaintDevice* device) const; // mm

    QFont font_;
    Align align_;
    double fitWidth_ = 0; // mm, 0 for none
    bool value_ = false;
    QRectF box_; // mm
    bool alarm_ = false;
};

// Lines of monospaced text, clipped to the memo's rectangle.
class QRMemo : public QRElement {
    Q_OBJECT
public:
    QRMemo(QObject* report, const QString& name, QRectF rect, QFont font);

    QStringList Lines() const { return lines_; }
    void Clear() { lines_.clear(); }
    void Add(const QString& line) { lines_.append(line); }
    QString Text() const override { return lines_.join('\n'); }
    void SetText(const QString& text) override;
    void Paint(QPainter& painter, QPaintDevice* device, const DeviceScale& scale) const override;

private:
    QStringList lines_;
    QFont font_;
};

// A picture from the resources (an SVG), drawn as vectors at the device's resolution. A
// picture sized to its content takes the picture's own size at 96 pixels per inch; a missing
// picture draws nothing.
class QRImage : public QRElement {
    Q_OBJECT
    Q_PROPERTY(QString picture READ Picture WRITE SetPicture)
public:
    QRImage(QObject* report, const QString& name, QRectF rect, const QString& picture,
            bool sizedToContent = true);
    ~QRImage() override;

    QString Picture() const { return picture_; }
    void SetPicture(const QString& picture) { picture_ = picture; }
    QString Text() const override { return picture_; }
    void SetText(const QString& text) override { picture_ = text; }
    // Where the picture lands, mm.
    QRectF PrintedRect() const;
    void Paint(QPainter& painter, QPaintDevice* device, const DeviceScale& scale) const override;

private:
    QSvgRenderer* Renderer() const; // null when there is no readable picture

    QString picture_;
    bool sizedToContent_;
    mutable QString loaded_; // the picture the renderer holds
    mutable std::unique_ptr<QSvgRenderer> renderer_;
};

// A rectangle outline with a thin black pen; a hidden one (the box of a body the fill leaves
// out) draws nothing.
class QRShape : public QRElement {
    Q_OBJECT
public:
    QRShape(QObject* report, const QString& name, QRectF rect);
    void SetShown(bool shown) { shown_ = shown; }
    bool Shown() const { return shown_; }
    void Paint(QPainter& painter, QPaintDevice* device, const DeviceScale& scale) const override;

private:
    bool shown_ = true;
};

// The date of printing, in the system's short date format.
class QRSysData : public QRElement {
    Q_OBJECT
public:
    QRSysData(QObject* report, const QString& name, QRectF rect, QFont font);

    QString Text() const override;
    void Paint(QPainter& painter, QPaintDevice* device, const DeviceScale& scale) const override;

    // The clock the date is read from; tests replace it.
    static void SetClock(std::function<QDate()> clock);

private:
    QFont font_;
};

} // namespace velkor::reports
