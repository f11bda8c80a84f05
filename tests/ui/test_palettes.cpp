// Every text of the window readable under the default light palette and under a dark Fusion
// palette: each page and sub-page is drawn after the worked examples and after designs that
// raise the alarm looks, and every visible control that shows text is measured on its picture
// (WCAG 2.1 contrast ratio): each text is drawn once as shown and once in no colour, and its
// pixels are measured against what lies behind them, buttons and drop-downs included. The
// graphics that identify a control reach 3 : 1 against what surrounds them: radio and check
// indicators, the buttons' pictures (along their edge), the spin arrows.
// Also: the window following a palette change, looks named in the light palette kept exactly,
// and the hints readable. With VELKOR_SCREENSHOTS set, writes a picture of every page in each
// palette.
#include "looks.h"
#include "main_window.h"
#include "support_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>
#include <cmath>

using namespace window_testing;
using velkor::ui::ContrastRatio;

namespace {

constexpr double kNormalText = 4.5; // WCAG AA, normal text
constexpr double kAlarmText = 3.0;  // the alarm red with white bold text, at best 4.0
constexpr double kGraphic = 3.0;    // WCAG 1.4.11, a control's graphic against its surroundings
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

// A dark Fusion palette as desktops set it: dark grey window and fields, white text.
QPalette DarkFusion(const QColor& tipBase = QColor(53, 53, 53), const QColor& tipText = kWhite) {
    QPalette dark;
    const QColor window(53, 53, 53), base(42, 42, 42), grey(127, 127, 127);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, kWhite);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    dark.setColor(QPalette::ToolTipBase, tipBase);
    dark.setColor(QPalette::ToolTipText, tipText);
    dark.setColor(QPalette::Text, kWhite);
    dark.setColor(QPalette::PlaceholderText, grey);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, kWhite);
    dark.setColor(QPalette::BrightText, kRed);
    dark.setColor(QPalette::Link, QColor(42, 130, 218));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, QColor(35, 35, 35));
    dark.setColor(QPalette::Light, QColor(90, 90, 90));
    dark.setColor(QPalette::Midlight, QColor(66, 66, 66));
    dark.setColor(QPalette::Mid, QColor(44, 44, 44));
    dark.setColor(QPalette::Dark, QColor(35, 35, 35));
    dark.setColor(QPalette::Shadow, QColor(20, 20, 20));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, grey);
    return dark;
}

// What a picture shows: its most frequent colour, and its pixel of highest contrast to it.
struct Reading {
    QColor background;
    QColor text;
    double contrast = 1;
};

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
    return measured.behind == kRed ? kAlarmText : kNormalText;
}

// Every area of the window (as now shown) below its contrast: one line each.
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

// The pages and sub-pages of the window: page index, sub-page index, name.
struct Shown {
    int page;
    int subPage;
    const char* name;
};
constexpr Shown kShown[] = {
    {0, 0, "inductors_single_layer"},
    {0, 1, "inductors_closed_core"},
    {1, 0, "ferrite"},
    {2, 0, "mains"},
    {3, 0, "manual"},
};

// Every page in turn: `look` called with the window showing it, and its name.
void ForEachPage(QWidget* window, const std::function<void(const QString&)>& look) {
    auto* pages = Control<QTabWidget>(window, "PageControl1");
    auto* subPages = Control<QTabWidget>(window, "PageControl2");
    for (const Shown& shown : kShown) {
        pages->setCurrentIndex(shown.page);
        subPages->setCurrentIndex(shown.subPage);
        QApplication::processEvents();
        look(QString::fromLatin1(shown.name));
    }
}

void TypeSecondary(QWidget* root, const char* volts, const char* amps) {
    TypeIntoCell(root, "SGTAINSEC", 0, 1, volts);
    TypeIntoCell(root, "SGTAINSEC", 1, 1, amps);
}

void TypeBobbin(QWidget* root, const char* side) {
    TypeInto(root, "EDDIAM", Local("0,5"));
    for (const auto& [name, text] : {std::pair{"NSNUC", "100"},
                                     {"D1NUC", "10"},
                                     {"D2NUC", "10"},
                                     {"D3NUC", "20"},
                                     {"D4NUC", side},
                                     {"D5NUC", "20"}})
        TypeInto(root, name, text);
}

// The worked examples of every page: the resonance and the single-layer coil, a bobbin that
// fits, the default ferrite design, the mains transformer of one 12 V, 2 A secondary.
void RunWorkedExamples(QWidget* root) {
    RunResonanceAndCoil(root);
    TypeBobbin(root, "13");
    AnswerAllBoxes([&] { Click(root, "SBALTRONUC"); });
    AnswerAllBoxes([&] { Click(root, "SBCALC"); });
    TypeSecondary(root, "12", "2");
    AnswerAllBoxes([&] { Click(root, "SBTACALC"); });
    QCOMPARE(Text(root, "RAPIMPAC"), Local("0,28"));
}

// Designs that raise the alarm looks: an overflowing bobbin, a core window too small for the
// ferrite design, an oversize lamination with an overfull typed bobbin.
void RunAlarms(QWidget* root) {
    TypeBobbin(root, "12");
    AnswerAllBoxes([&] { Click(root, "SBALTRONUC"); });
    TypeInto(root, "AC", "10");
    AnswerAllBoxes([&] { Click(root, "SBCALC"); });
    TypeSecondary(root, "100", "20");
    Click(root, "CBAUTOCART");
    TypeInto(root, "TACA", Local("83,5"));
    TypeInto(root, "TACC", "119");
    TypeInto(root, "TACX", "90");
    AnswerAllBoxes([&] { Click(root, "SBTACALC"); });
    for (const char* name : {"D4NUC", "D5NUC", "AEAC", "TALC", "RAPIMPAC", "TADT"})
        QVERIFY2(Background(root, name) == kRed, name);
}

// The scenarios of the test rows, by name.
void RunScenario(const QString& name, QWidget* root) {
    if (name == QLatin1String("alarms"))
        RunAlarms(root);
    else
        RunWorkedExamples(root);
}

// Runs the test window in `start`, a scenario, then switches to `then` (when valid).
class PaletteFixture {
public:
    explicit PaletteFixture(const QPalette& start) { QApplication::setPalette(start); }
    ~PaletteFixture() { QApplication::setPalette(initial_); }
    PaletteFixture(const PaletteFixture&) = delete;
    PaletteFixture& operator=(const PaletteFixture&) = delete;

private:
    QPalette initial_ = QApplication::palette();
};

// The window opened with the manual in place, as a user starts the program.
std::unique_ptr<Window> OpenWindow() {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(VELKOR_SOURCE_DIR "/resources");
    auto window = std::make_unique<Window>();
    QDir::setCurrent(previous);
    return window;
}

} // namespace

class TestPalettes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void contrastRatio_data();
    void contrastRatio();
    void everyTextReadable_data();
    void everyTextReadable();
    void lightLooksKeptAfterDark();
    void hintsReadable_data();
    void hintsReadable();

private:
    QPalette light_;
};

void TestPalettes::initTestCase() {
    light_ = QApplication::palette();
    QVERIFY(!velkor::ui::IsDark(light_));
    QVERIFY(velkor::ui::IsDark(DarkFusion()));
}

void TestPalettes::contrastRatio_data() {
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << kWhite << 21.0;
    QTest::newRow("same colour") << QColor(118, 118, 118) << QColor(118, 118, 118) << 1.0;
    QTest::newRow("white on alarm red") << kWhite << kRed << 3.998;
    QTest::newRow("black on alarm red") << QColor(Qt::black) << kRed << 5.252;
    QTest::newRow("AA grey on white") << QColor(118, 118, 118) << kWhite << 4.542;
}

void TestPalettes::contrastRatio() {
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(ContrastRatio(first, second) - ratio) < 0.005,
             qPrintable(QString::number(ContrastRatio(first, second))));
    QCOMPARE(ContrastRatio(second, first), ContrastRatio(first, second));
}

void TestPalettes::everyTextReadable_data() {
    QTest::addColumn<QPalette>("start");
    QTest::addColumn<QPalette>("then"); // switched to after the scenario; start again if equal
    QTest::addColumn<QString>("scenario");
    const QPalette dark = DarkFusion();
    const QString worked = QStringLiteral("worked examples");
    const QString alarms = QStringLiteral("alarms");
    QTest::newRow("light, worked examples") << light_ << light_ << worked;
    QTest::newRow("light, alarms") << light_ << light_ << alarms;
    QTest::newRow("dark, worked examples") << dark << dark << worked;
    QTest::newRow("dark, alarms") << dark << dark << alarms;
    QTest::newRow("light to dark, worked examples") << light_ << dark << worked;
    QTest::newRow("light to dark, alarms") << light_ << dark << alarms;
    QTest::newRow("dark to light, alarms") << dark << light_ << alarms;
}

void TestPalettes::everyTextReadable() {
    QFETCH(QPalette, start);
    QFETCH(QPalette, then);
    QFETCH(QString, scenario);
    PaletteFixture palette(start);
    const auto window = OpenWindow();
    RunScenario(scenario, window->get());
    if (QTest::currentTestFailed())
        return;
    QApplication::setPalette(then);
    QApplication::processEvents();

    const QString row = QString::fromUtf8(QTest::currentDataTag());
    const QString folder = qEnvironmentVariable("VELKOR_SCREENSHOTS");
    QStringList faults;
    ForEachPage(window->get(), [&](const QString& page) {
        faults << Unreadable(window->get(), page);
        if (!folder.isEmpty())
            QVERIFY(window->get()->grab().save(
                QStringLiteral("%1/palette_%2_%3.png")
                    .arg(folder, QString(row).replace(", ", "_").replace(' ', '_'), page)));
    });
    faults.removeDuplicates();
    if (!faults.isEmpty()) // every fault, beyond what a failure message holds
        qWarning().noquote() << faults.join('\n');
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestPalettes::lightLooksKeptAfterDark() {
    // Looks set under the light palette, through a dark one and back, are the named colours
    // again: the tints, the alarm, the window-text colours and the navy and green captions.
    PaletteFixture palette(light_);
    const auto window = OpenWindow();
    QWidget* root = window->get();
    RunAlarms(root);
    const auto looks = [&] {
        QStringList seen;
        for (const char* name : {"AEAC", "BMAXEFF", "TALC", "RAPIMPAC", "TAPERTOT", "TADT", "TASVS",
                                 "D4NUC", "D1NUC", "TANSP", "Edit1", "VPMIN"})
            seen << QStringLiteral("%1 %2 %3 %4")
                        .arg(name, Background(root, name).name(), TextColour(root, name).name())
                        .arg(Bold(root, name));
        for (const char* name : {"GroupBox1", "GroupBox4", "LabelVPMIN"})
            seen << name +
                        Control<QWidget>(root, name)->palette().color(QPalette::WindowText).name();
        seen << root->palette().color(QPalette::WindowText).name();
        seen << Control<QTableWidget>(root, "SGTAINSEC")->item(0, 0)->background().color().name();
        return seen;
    };
    const QStringList before = looks();
    QApplication::setPalette(DarkFusion());
    QApplication::processEvents();
    QVERIFY(Background(root, "BMAXEFF") != QColor(214, 252, 254));
    QCOMPARE(Background(root, "AEAC"), kRed);
    QCOMPARE(TextColour(root, "AEAC"), kWhite);
    QVERIFY(Bold(root, "AEAC"));
    QCOMPARE(Background(root, "TALC"), kRed);
    QCOMPARE(TextColour(root, "TALC"), kWhite);
    QApplication::setPalette(light_);
    QApplication::processEvents();
    QCOMPARE(looks(), before);
    QCOMPARE(Background(root, "BMAXEFF"), QColor(214, 252, 254));
    QCOMPARE(Background(root, "TADT"), kRed); // 2000 VA rise above 65 °C
    QCOMPARE(TextColour(root, "TADT"), kWhite);
    QCOMPARE(Background(root, "TASVS"), QColor(216, 228, 248));
}

void TestPalettes::hintsReadable_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << light_;
    QTest::newRow("dark") << DarkFusion();
    // A common dark palette whose hints are white on white.
    QTest::newRow("dark, white hints") << DarkFusion(kWhite, kWhite);
}

void TestPalettes::hintsReadable() {
    QFETCH(QPalette, palette);
    PaletteFixture fixture(light_);
    const auto window = OpenWindow();
    QApplication::setPalette(palette);
    QApplication::processEvents();
    QWidget* field = FindControl(window->get(), "EDDIAM");
    QToolTip::showText(field->mapToGlobal(QPoint(4, 4)), field->toolTip(), field);
    QWidget* tip = nullptr;
    QTRY_VERIFY((tip = [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel") && top->isVisible())
                return top;
        return static_cast<QWidget*>(nullptr);
    }()));
    const Reading reading = Read(tip->grab(tip->rect().adjusted(2, 2, -2, -2)).toImage());
    QToolTip::hideText();
    QVERIFY2(reading.contrast >= kNormalText,
             qPrintable(QStringLiteral("%1 on %2: %3")
                            .arg(reading.text.name(), reading.background.name())
                            .arg(reading.contrast)));
}

QTEST_MAIN(TestPalettes)
#include "test_palettes.moc"
