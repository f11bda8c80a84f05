#include "support_contrast.h"

#include "looks.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace window_testing {

using velkor::ui::ContrastRatio;

Reading Read(const QImage& picture) {
    QHash<QRgb, int> counts;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    Reading reading;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            reading.background = QColor(it.key());
        }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double contrast = ContrastRatio(QColor(it.key()), reading.background);
        if (contrast > reading.contrast) {
            reading.contrast = contrast;
            reading.text = QColor(it.key());
        }
    }
    return reading;
}

namespace {

const QColor kAlarmRed(255, 0, 0);

// What a measured area shows: a text (4.5 : 1, 3 : 1 on the alarm red) or a graphic that
// identifies a control (3 : 1): a radio or check indicator, a button's picture, spin arrows.
enum class Shows { Text, Indicator, Icon, Arrows };

// One area of a control to measure, and the name to report it under. `owner` is the control
// whose colours draw it (a grid for its viewport's cells), `widget` the one grabbed.
struct Area {
    QWidget* widget;
    QRect area; // in `widget`
    QString name;
    Shows shows = Shows::Text;
    QWidget* owner = nullptr;
};

QString NameOf(const QWidget* widget) {
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    const QWidget* named = widget->parentWidget();
    while (named && named->objectName().isEmpty())
        named = named->parentWidget();
    return QStringLiteral("%1 in %2")
        .arg(widget->metaObject()->className(), named ? named->objectName() : QString());
}

QRect IndicatorRect(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const auto element = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonIndicator
                                                             : QStyle::SE_CheckBoxIndicator;
    return button->style()->subElementRect(element, &option, button);
}

// The areas inside `root` to measure: where the visible controls show text (the inside of
// fields and lists, labels, the captions of buttons, groups and tabs, grid cells, the manual's
// page) and the graphics of the controls (indicators, button pictures, spin arrows).
QList<Area> Areas(QWidget* root) {
    QList<Area> areas;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        const QString name = NameOf(widget);
        const QRect inside = widget->rect().adjusted(3, 3, -3, -3);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            // A spin field's arrows are measured as a graphic of their own.
            QRect text = edit->hasFrame() ? inside : widget->rect();
            if (auto* arrows = edit->findChild<QWidget*>("arrows", Qt::FindDirectChildrenOnly))
                text.setRight(arrows->x() - 1);
            if (!edit->text().trimmed().isEmpty())
                areas.append({widget, text, name});
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.editable = list->isEditable();
            const QRect arrow = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxArrow, list);
            if (!list->isEditable() && !list->currentText().isEmpty())
                areas.append(
                    {widget, inside.adjusted(0, 0, arrow.left() - inside.right(), 0), name});
            areas.append({widget, arrow, name + " arrow", Shows::Arrows});
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (!label->text().trimmed().isEmpty())
                areas.append({widget, widget->rect(), name});
        } else if (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget)) {
            // The caption beside the indicator, and the indicator with what surrounds it.
            auto* button = static_cast<QAbstractButton*>(widget);
            QStyleOptionButton option;
            option.initFrom(widget);
            const auto element = qobject_cast<QRadioButton*>(widget)
                                     ? QStyle::SE_RadioButtonContents
                                     : QStyle::SE_CheckBoxContents;
            areas.append({widget, widget->style()->subElementRect(element, &option, widget), name});
            areas.append({widget, IndicatorRect(button), name + " indicator", Shows::Indicator});
        } else if (auto* button = qobject_cast<QToolButton*>(widget)) {
            // A button without a picture shows its caption whatever its style.
            if (!button->text().isEmpty() &&
                (button->toolButtonStyle() != Qt::ToolButtonIconOnly || button->icon().isNull())) {
                // Beside the picture, if any.
                const int left = button->icon().isNull() ? 3 : button->iconSize().width() + 6;
                areas.append({widget, widget->rect().adjusted(left, 3, -3, -3), name});
            }
            if (!button->icon().isNull())
                areas.append({widget, widget->rect(), name + " picture", Shows::Icon});
        } else if (widget->objectName() == QLatin1String("arrows")) {
            areas.append({widget, widget->rect(), NameOf(widget->parentWidget()) + " arrows",
                          Shows::Arrows});
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            QFont bold = group->font();
            bold.setBold(true);
            areas.append({widget, QRect(0, 0, group->width(), QFontMetrics(bold).height()), name});
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                areas.append({widget, tabs->tabRect(i).adjusted(3, 3, -3, -3),
                              name + " tab " + QString::number(i)});
        } else if (auto* grid = qobject_cast<QTableWidget*>(widget)) {
            for (int row = 0; row < grid->rowCount(); ++row)
                for (int column = 0; column < grid->columnCount(); ++column)
                    if (const QTableWidgetItem* cell = grid->item(row, column);
                        cell && !cell->text().trimmed().isEmpty())
                        areas.append({grid->viewport(),
                                      grid->visualItemRect(cell).adjusted(1, 1, -1, -1),
                                      QStringLiteral("%1 %2,%3").arg(name).arg(column).arg(row),
                                      Shows::Text, grid});
        } else if (auto* view = qobject_cast<QTextEdit*>(widget)) {
            const QRect page = view->viewport()->rect();
            areas.append({view->viewport(), page.adjusted(0, 0, 0, -page.height() / 2), name});
        }
    }
    return areas;
}

// While it lives, `widget` draws its texts (and the arrows and marks drawn in text colours) in
// `none`, a transparent colour: every text role of its palette. A mark drawn with an opacity
// of its own (Fusion's arrows) shows the colour's red, green and blue at that opacity.
class TextsHidden {
public:
    TextsHidden(QWidget* widget, const QColor& none)
        : widget_(widget), saved_(widget->palette()),
          own_(widget->testAttribute(Qt::WA_SetPalette)) {
        QPalette hidden = saved_;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (const auto role :
                 {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText,
                  QPalette::HighlightedText, QPalette::PlaceholderText})
                hidden.setColor(group, role, none);
        widget->setPalette(hidden);
    }
    ~TextsHidden() { widget_->setPalette(own_ ? saved_ : QPalette()); }
    TextsHidden(const TextsHidden&) = delete;
    TextsHidden& operator=(const TextsHidden&) = delete;

private:
    QWidget* widget_;
    QPalette saved_;
    bool own_;
};

// While it lives, `button` shows an empty picture of its picture's size.
class IconHidden {
public:
    explicit IconHidden(QToolButton* button) : button_(button), saved_(button->icon()) {
        QPixmap empty(button->iconSize());
        empty.fill(Qt::transparent);
        button->setIcon(QIcon(empty));
    }
    ~IconHidden() { button_->setIcon(saved_); }
    IconHidden(const IconHidden&) = delete;
    IconHidden& operator=(const IconHidden&) = delete;

private:
    QToolButton* button_;
    QIcon saved_;
};

QImage Grab(QWidget* widget, const QRect& area) {
    return widget->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

// A contrast measured, with the colours that give it.
struct Measured {
    double contrast = 21;
    QColor drawn, behind;
    bool found = false; // the pixels to measure were there
};

// A control drawn as shown (`with`) and with its texts in transparent black and in
// transparent white: where those two agree a text left the pixel as it lies behind; where they
// differ a mark drawn with its own opacity `a` lies there, and what lies behind it is recovered
// from the two (black over it gives behind × (1 - a), white adds 255 × a).
struct Renders {
    QImage with, black, white;
};

// What lies behind a mark's pixel, or an invalid colour when the mark is opaque there.
QColor BehindMark(QRgb black, QRgb white) {
    const double opacity =
        (qRed(white) - qRed(black) + qGreen(white) - qGreen(black) + qBlue(white) - qBlue(black)) /
        (3 * 255.0);
    if (opacity >= 0.98)
        return {};
    const auto behind = [&](int channel) {
        return std::clamp(static_cast<int>(std::lround(channel / (1 - opacity))), 0, 255);
    };
    return QColor(behind(qRed(black)), behind(qGreen(black)), behind(qBlue(black)));
}

// The pixels drawn for texts (`marks` false) or for marks drawn with an opacity of their own
// (`marks` true): the highest contrast of a drawn pixel to what lies behind it, the core of a
// glyph or mark.
Measured Strongest(const Renders& drawn, bool marks) {
    Measured best;
    best.contrast = 1;
    for (int y = 0; y < drawn.with.height(); ++y)
        for (int x = 0; x < drawn.with.width(); ++x) {
            const QRgb with = drawn.with.pixel(x, y), black = drawn.black.pixel(x, y),
                       white = drawn.white.pixel(x, y);
            const bool mark = black != white;
            if (mark != marks || (!mark && with == black))
                continue;
            const QColor behind = mark ? BehindMark(black, white) : QColor(black);
            if (!behind.isValid())
                continue;
            best.found = true;
            if (const double contrast = ContrastRatio(QColor(with), behind);
                contrast > best.contrast)
                best = {contrast, QColor(with), behind, true};
        }
    return best;
}

// A picture's edge, where it meets what surrounds it (the pixels drawn next to pixels not
// drawn): the contrast that at least half of that edge reaches.
Measured Edge(const QImage& with, const QImage& without) {
    const auto drawn = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < with.width() && y < with.height() &&
               with.pixel(x, y) != without.pixel(x, y);
    };
    QList<Measured> edge;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (drawn(x, y) &&
                (!drawn(x - 1, y) || !drawn(x + 1, y) || !drawn(x, y - 1) || !drawn(x, y + 1)))
                edge.append({ContrastRatio(QColor(with.pixel(x, y)), QColor(without.pixel(x, y))),
                             QColor(with.pixel(x, y)), QColor(without.pixel(x, y)), true});
    if (edge.isEmpty())
        return {};
    std::sort(edge.begin(), edge.end(),
              [](const Measured& a, const Measured& b) { return a.contrast > b.contrast; });
    return edge[(edge.size() - 1) / 2];
}

// An indicator against what surrounds it: its pixel of highest contrast to the commonest
// colour of a ring two pixels wide around it.
Measured AgainstSurroundings(QWidget* widget, const QRect& indicator) {
    const QRect around = indicator.adjusted(-2, -2, 2, 2) & widget->rect();
    const QImage image = Grab(widget, around);
    const QRect inner = indicator.translated(-around.topLeft());
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!inner.contains(x, y))
                ++counts[image.pixel(x, y)];
    QRgb surround = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            std::tie(surround, most) = std::pair{it.key(), it.value()};
    Measured best;
    best.contrast = 1;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            if (const double contrast = ContrastRatio(QColor(image.pixel(x, y)), QColor(surround));
                contrast > best.contrast)
                best = {contrast, QColor(image.pixel(x, y)), QColor(surround), true};
    return best;
}

Measured Measure(const Area& area) {
    const QRect rect = area.area & area.widget->rect(); // grid cells may lie scrolled away
    switch (area.shows) {
    case Shows::Indicator:
        return AgainstSurroundings(area.widget, rect);
    case Shows::Icon: {
        auto* button = static_cast<QToolButton*>(area.widget);
        const QImage with = Grab(button, rect);
        const IconHidden hidden(button);
        return Edge(with, Grab(button, rect));
    }
    case Shows::Arrows:
    case Shows::Text: {
        Renders drawn{Grab(area.widget, rect), {}, {}};
        for (const auto& [none, image] : {std::pair{QColor(0, 0, 0, 0), &drawn.black},
                                          std::pair{QColor(255, 255, 255, 0), &drawn.white}}) {
            const TextsHidden hidden(area.owner ? area.owner : area.widget, none);
            *image = Grab(area.widget, rect);
        }
        const bool arrows = area.shows == Shows::Arrows;
        Measured measured = Strongest(drawn, arrows);
        if (!measured.found && arrows) // arrows drawn as plain marks
            measured = Strongest(drawn, false);
        if (measured.found || arrows)
            return measured;
        // A text drawn in colours of its own (a group's caption, the manual): its commonest
        // colour against its pixel of highest contrast to it.
        const Reading reading = Read(drawn.with);
        return {reading.contrast, reading.text, reading.background, true};
    }
    }
    return {};
}

double Needed(const Area& area, const Measured& measured) {
    if (area.shows != Shows::Text)
        return kGraphic;
    return measured.behind == kAlarmRed ? kAlarmText : kNormalText;
}

} // namespace

QStringList Unreadable(QWidget* window, const QString& where) {
    QStringList faults;
    for (const Area& area : Areas(window)) {
        const QRect rect = area.area & area.widget->rect();
        if (rect.width() < 2 || rect.height() < 2)
            continue;
        const Measured measured = Measure(area);
        if (qEnvironmentVariableIsSet("VELKOR_CONTRASTS")) // every measure, to look at
            qInfo().noquote() << where << area.name << measured.contrast << measured.drawn.name()
                              << measured.behind.name();
        if (measured.found && measured.contrast < Needed(area, measured))
            faults << QStringLiteral("%1 %2: %3 (%4 on %5)")
                          .arg(where, area.name)
                          .arg(measured.contrast, 0, 'f', 2)
                          .arg(measured.drawn.name(), measured.behind.name());
    }
    return faults;
}

} // namespace window_testing
