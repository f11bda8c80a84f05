#include "looks.h"

#include "group_box.h"
#include "numedit.h"

#include <QApplication>
#include <QTableWidget>
#include <QToolTip>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace velkor::ui {

namespace {

// The light grey-blue that reads as the system's "inactive caption text" tint of results.
constexpr QColor kInactiveCaptionText(216, 228, 248);
constexpr QColor kBlack(0, 0, 0);
constexpr QColor kPaperWhite(255, 255, 255);

constexpr double kReadable = 4.5; // contrast a text needs (WCAG AA, normal text)
constexpr double kComfort = 6.0;  // contrast a derived colour aims at, room for antialiasing
// A caption lightened on a dark palette aims higher: buttons draw their face a shade lighter
// than the palette's button colour, and small text's antialiasing takes the rest.
constexpr double kLightCaption = 8.0;

// The logical looks, kept as dynamic properties of the control.
constexpr const char* kBackgroundKey = "velkorBackground";
constexpr const char* kTextKey = "velkorText";
constexpr const char* kWindowTextKey = "velkorWindowText";
constexpr const char* kButtonTextKey = "velkorButtonText";
constexpr const char* kCaptionKey = "velkorCaption";
constexpr const char* kPaperKey = "velkorPaper";
constexpr const char* kHeaderRowKey = "velkorHeaderRow";
constexpr const char* kSelectionKey = "velkorSelection";
constexpr const char* kTipFixKey = "velkorTipPalette"; // on the application

QVariant Pack(Colour colour) {
    return static_cast<uint>((static_cast<uint>(colour.role) << 24) | (colour.r << 16) |
                             (colour.g << 8) | colour.b);
}

Colour Unpack(const QVariant& value) {
    const uint packed = value.toUInt();
    return {static_cast<Colour::Role>(packed >> 24), static_cast<std::uint8_t>(packed >> 16),
            static_cast<std::uint8_t>(packed >> 8), static_cast<std::uint8_t>(packed)};
}

// Black or white, whichever stands out more on `background`.
QColor BlackOrWhite(const QColor& background) {
    const QColor white(255, 255, 255);
    return ContrastRatio(kBlack, background) >= ContrastRatio(white, background) ? kBlack : white;
}

// A dark shade of the hue of `tint` for a field under a dark palette: saturation held
// moderate, lightness lowered until `text` stands out comfortably on it.
QColor DarkShade(const QColor& tint, const QColor& text) {
    const float hue = tint.hslHueF();
    const float saturation = std::min(tint.hslSaturationF(), 0.6f);
    QColor shade;
    for (float lightness = 0.28f; lightness > 0.07f; lightness -= 0.02f) {
        shade = QColor(QColor::fromHslF(hue, saturation, lightness).rgb());
        if (ContrastRatio(text, shade) >= kComfort)
            break;
    }
    return shade;
}

void ApplyField(QWidget* field, const QPalette& palette) {
    const QVariant background = field->property(kBackgroundKey);
    const QVariant text = field->property(kTextKey);
    if (!background.isValid() && !text.isValid())
        return;
    const FieldColours colours =
        ResolveField(background.isValid() ? Unpack(background) : kSystemWindow,
                     text.isValid() ? Unpack(text) : kSystemWindowText, palette);
    // Only the roles of the look are the field's own; the others follow its parent.
    QPalette own;
    own.setColor(QPalette::Text, colours.text);
    own.setColor(QPalette::WindowText, colours.text);
    own.setColor(QPalette::Base, colours.background);
    field->setPalette(own);
    // A spin field keeps its background as its Color property.
    if (auto* spin = qobject_cast<NumEdit*>(field))
        spin->SetColor(colours.background);
}

QColor ReadableHighlight(const QPalette& palette, QPalette::ColorGroup group);

void ApplyForeground(QWidget* widget, const QPalette& palette) {
    const QVariant windowText = widget->property(kWindowTextKey);
    const QVariant buttonText = widget->property(kButtonTextKey);
    const bool selection = widget->property(kSelectionKey).toBool();
    if (!windowText.isValid() && !buttonText.isValid() && !selection)
        return;
    QPalette own;
    // Selected text stands out on the selection colour.
    if (selection)
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            own.setColor(group, QPalette::Highlight, ReadableHighlight(palette, group));
    if (windowText.isValid())
        own.setColor(QPalette::WindowText,
                     ReadableCaption(NamedColour(Unpack(windowText), palette), palette));
    if (buttonText.isValid())
        own.setColor(QPalette::ButtonText,
                     ReadableCaption(NamedColour(Unpack(buttonText), palette), palette));
    widget->setPalette(own);
}

void ApplyCaption(QWidget* widget, const QPalette& palette) {
    const QVariant caption = widget->property(kCaptionKey);
    if (auto* group = qobject_cast<GroupBox*>(widget); group && caption.isValid())
        group->SetTitleLook(true, ReadableCaption(NamedColour(Unpack(caption), palette), palette));
}

void ApplyPaper(QWidget* view) {
    if (!view->property(kPaperKey).toBool())
        return;
    QPalette own;
    own.setColor(QPalette::Base, kPaperWhite);
    own.setColor(QPalette::Text, kBlack);
    view->setPalette(own);
}

// The selection colour of `palette`, kept when its selected text reads on it, else a shade of
// its hue dark or light enough for that text.
QColor ReadableHighlight(const QPalette& palette, QPalette::ColorGroup group) {
    const QColor highlight = palette.color(group, QPalette::Highlight);
    const QColor text = palette.color(group, QPalette::HighlightedText);
    if (ContrastRatio(text, highlight) >= kReadable)
        return highlight;
    const bool darker = Luminance(text) > 0.5;
    const float hue = highlight.hslHueF();
    const float saturation = highlight.hslSaturationF();
    for (float lightness = highlight.lightnessF(); lightness >= 0.0f && lightness <= 1.0f;
         lightness += darker ? -0.02f : 0.02f) {
        const QColor shade = QColor(QColor::fromHslF(hue, saturation, lightness).rgb());
        if (ContrastRatio(text, shade) >= kComfort)
            return shade;
    }
    return BlackOrWhite(text);
}

void ApplyHeaderRow(QWidget* widget, const QPalette& palette) {
    auto* grid = qobject_cast<QTableWidget*>(widget);
    if (!grid || !grid->property(kHeaderRowKey).toBool())
        return;
    // The selected cell: its text stands out on the selection colour.
    QPalette own;
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        own.setColor(group, QPalette::Highlight, ReadableHighlight(palette, group));
    grid->setPalette(own);
    const QColor face = palette.color(QPalette::Button);
    const bool textReadable = ContrastRatio(palette.color(QPalette::Text), face) >= kReadable;
    for (int column = 0; column < grid->columnCount(); ++column) {
        if (QTableWidgetItem* cell = grid->item(0, column)) {
            cell->setBackground(face);
            if (textReadable)
                cell->setData(Qt::ForegroundRole, QVariant());
            else
                cell->setForeground(BlackOrWhite(face));
        }
    }
}

// A spin field without a look of its own takes the palette's field and button colours.
void ApplySpinColours(QWidget* widget, const QPalette& palette) {
    auto* spin = qobject_cast<NumEdit*>(widget);
    if (!spin || spin->property(kBackgroundKey).isValid())
        return;
    spin->SetColor(palette.color(QPalette::Active, QPalette::Base));
    spin->SetDisabledColor(palette.color(QPalette::Active, QPalette::Button));
}

// Hints: a palette whose tooltip text does not stand out on its tooltip background gets black
// or white hint text; a readable one is left to the application palette.
void ApplyTipColours(const QPalette& palette) {
    const QColor base = palette.color(QPalette::ToolTipBase);
    if (ContrastRatio(palette.color(QPalette::ToolTipText), base) < kReadable) {
        QPalette tips;
        tips.setColor(QPalette::ToolTipText, BlackOrWhite(base));
        QToolTip::setPalette(tips);
        qApp->setProperty(kTipFixKey, true);
    } else if (qApp->property(kTipFixKey).toBool()) {
        QToolTip::setPalette(QPalette());
        qApp->setProperty(kTipFixKey, false);
    }
}

void ApplyAll(QWidget* widget, const QPalette& palette) {
    ApplySpinColours(widget, palette);
    ApplyField(widget, palette);
    ApplyForeground(widget, palette);
    ApplyCaption(widget, palette);
    ApplyPaper(widget);
    ApplyHeaderRow(widget, palette);
}

} // namespace

double Luminance(const QColor& colour) {
    // sRGB channels taken back to linear light, weighted by the eye's sensitivity.
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = Luminance(first) + 0.05;
    const double b = Luminance(second) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

bool IsDark(const QPalette& palette) {
    return Luminance(palette.color(QPalette::Window)) < Luminance(QColor(128, 128, 128));
}

QColor NamedColour(Colour colour, const QPalette& palette) {
    switch (colour.role) {
    case Colour::Role::Rgb:
        return QColor(colour.r, colour.g, colour.b);
    case Colour::Role::Window:
        return palette.color(QPalette::Base);
    case Colour::Role::WindowText:
        return palette.color(QPalette::Text);
    case Colour::Role::InactiveCaptionText:
        return kInactiveCaptionText;
    case Colour::Role::InfoBackground:
        return palette.color(QPalette::ToolTipBase);
    case Colour::Role::ButtonFace:
        return palette.color(QPalette::Button);
    }
    return {};
}

FieldColours ResolveField(Colour background, Colour text, const QPalette& palette) {
    FieldColours colours{NamedColour(background, palette), NamedColour(text, palette)};
    // The alarm: red, with the text colour the check gives it, on every palette.
    const bool alarm = background == kRed;
    if (alarm && text.role == Colour::Role::Rgb)
        return colours;
    const bool dark = IsDark(palette);
    // Under a dark palette a light tint becomes a dark shade of its hue; the system window
    // colour is the palette's own field colour already.
    if (!alarm && dark && background.role != Colour::Role::Window &&
        colours.background.lightnessF() > 0.5f)
        colours.background = DarkShade(colours.background, colours.text);
    // Under a light palette the looks are shown as named.
    if (dark && ContrastRatio(colours.text, colours.background) < kReadable)
        colours.text = BlackOrWhite(colours.background);
    return colours;
}

QColor ReadableCaption(const QColor& colour, const QPalette& palette) {
    const QColor window = palette.color(QPalette::Window);
    const QColor face = palette.color(QPalette::Button);
    const auto worst = [&](const QColor& c) {
        return std::min(ContrastRatio(c, window), ContrastRatio(c, face));
    };
    if (worst(colour) >= kReadable)
        return colour;
    // Lighter on a dark window, with room to spare. On a light window the colour is darkened
    // by the least step that reads: the green captions sit at 4.47 : 1 on the light grey and
    // take one unit less of green.
    const bool lighter = IsDark(palette);
    const double aim = lighter ? kLightCaption : kReadable;
    const float step = lighter ? 0.02f : -0.002f;
    const float hue = colour.hslHueF();
    const float saturation = colour.hslSaturationF();
    for (float lightness = colour.lightnessF(); lightness >= 0.0f && lightness <= 1.0f;
         lightness += step) {
        const QColor shade = QColor(QColor::fromHslF(hue, saturation, lightness).rgb());
        if (worst(shade) >= aim)
            return shade;
    }
    return lighter ? QColor(255, 255, 255) : kBlack;
}

namespace {

// A look already in force is left alone: a handler sets the same looks on every click.
bool Keep(QWidget* widget, const char* key, const QVariant& value) {
    if (widget->property(key) == value)
        return false;
    widget->setProperty(key, value);
    return true;
}

} // namespace

void SetFieldBackground(QWidget* field, Colour colour) {
    if (!Keep(field, kBackgroundKey, Pack(colour)))
        return;
    ApplyField(field, QApplication::palette());
}

void SetFieldText(QWidget* field, Colour colour) {
    if (!Keep(field, kTextKey, Pack(colour)))
        return;
    ApplyField(field, QApplication::palette());
}

void SetFieldLook(QWidget* field, Colour background, Colour text) {
    const bool newBackground = Keep(field, kBackgroundKey, Pack(background));
    if (Keep(field, kTextKey, Pack(text)) || newBackground)
        ApplyField(field, QApplication::palette());
}

void SetForeground(QWidget* widget, QPalette::ColorRole role, Colour colour) {
    widget->setProperty(role == QPalette::ButtonText ? kButtonTextKey : kWindowTextKey,
                        Pack(colour));
    ApplyForeground(widget, QApplication::palette());
}

void SetReadableSelection(QWidget* widget) {
    widget->setProperty(kSelectionKey, true);
    ApplyForeground(widget, QApplication::palette());
}

void SetCaptionColour(QWidget* group, Colour colour) {
    group->setProperty(kCaptionKey, Pack(colour));
    ApplyCaption(group, QApplication::palette());
}

void SetPaper(QWidget* view) {
    view->setProperty(kPaperKey, true);
    ApplyPaper(view);
}

void MarkHeaderRow(QWidget* grid) {
    grid->setProperty(kHeaderRowKey, true);
    ApplyHeaderRow(grid, QApplication::palette());
}

void RefreshLooks(QWidget* root) {
    const QPalette palette = QApplication::palette();
    ApplyAll(root, palette);
    for (QWidget* widget : root->findChildren<QWidget*>())
        ApplyAll(widget, palette);
    ApplyTipColours(palette);
}

} // namespace velkor::ui
