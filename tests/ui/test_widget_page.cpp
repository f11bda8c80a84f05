// The calculations' view of the window (WidgetPage) over the real widgets: texts of every kind
// of control, list positions, colours of each role, weight, read-only, visibility, grid cells,
// the error box, and names the window lacks.
#include "faults.h"
#include "main_window.h"
#include "support_window.h"
#include "widget_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace window_testing;
using velkor::Colour;

class TestWidgetPage : public QObject {
    Q_OBJECT

private slots:
    void textsOfEveryKind();
    void listPositions_data();
    void listPositions();
    void colours_data();
    void colours();
    void weightReadOnlyVisibility();
    void gridCells();
    void errorBox();
    void unknownNamesChangeNothing();
    void writesOnlyWhatChanged_data();
    void writesOnlyWhatChanged();
    void hidingAControlOfAHiddenPage();
    void typedTextGivesWayToTheSameItem();
    void cellsOfAHandlerChangeOnce();
};

namespace {

// Counts the events of one type a widget receives.
class EventCounter : public QObject {
public:
    EventCounter(QWidget* widget, QEvent::Type type) : type_(type) {
        widget->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_)
            ++count;
        return false;
    }

private:
    QEvent::Type type_;
};

} // namespace

void TestWidgetPage::textsOfEveryKind() {
    Window window;
    velkor::Page& page = window->Fields();
    QCOMPARE(page.Locale().decimal, QLocale::system().decimalPoint().toStdString());

    page.SetText("IFREQ", "12,5 µ");
    QCOMPARE(Text(window.get(), "IFREQ"), QString("12,5 µ"));
    QCOMPARE(page.Text("IFREQ"), std::string("12,5 µ"));
    page.SetText("Label66", "ohm ( 0.14 mm)");
    QCOMPARE(Text(window.get(), "Label66"), QString("ohm ( 0.14 mm)"));
    QCOMPARE(page.Text("VPMIN"), Local("10,0").toStdString());
    QCOMPARE(page.Text("CBUFR"), std::string("KHz"));
    QCOMPARE(page.Text("CBTAINDUZ"), Local("1,1").toStdString());
}

void TestWidgetPage::listPositions_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("read");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << "CBUFR" << 0 << 0 << "Hz";
    QTest::newRow("last") << "CBUCR" << 4 << 4 << "pF";
    QTest::newRow("past the end") << "CBUISS" << 4 << -1 << "";
    QTest::newRow("none") << "CBUINUC" << -1 << -1 << "";
    QTest::newRow("empty fifth item") << "CBUIR" << 4 << 4 << "";
    QTest::newRow("pick-only") << "CBTAINDUZ" << 0 << 0 << Local("0,9");
    QTest::newRow("pick-only past the end") << "CBTAINDUZ" << 9 << -1 << "";
}

void TestWidgetPage::listPositions() {
    QFETCH(QString, list);
    QFETCH(int, set);
    QFETCH(int, read);
    QFETCH(QString, text);
    Window window;
    velkor::Page& page = window->Fields();
    const std::string name = list.toStdString();
    page.SetItemIndex(name, set);
    QCOMPARE(page.ItemIndex(name), read);
    QCOMPARE(page.Text(name), text.toStdString());
    QCOMPARE(Control<QComboBox>(window.get(), list)->currentIndex(), read);
}

void TestWidgetPage::colours_data() {
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("expected");
    const QPalette palette = QApplication::palette();
    QTest::newRow("rgb") << int(Colour::Role::Rgb) << QColor(255, 0, 0);
    QTest::newRow("window") << int(Colour::Role::Window) << palette.color(QPalette::Base);
    QTest::newRow("window text") << int(Colour::Role::WindowText) << palette.color(QPalette::Text);
    QTest::newRow("inactive caption text")
        << int(Colour::Role::InactiveCaptionText) << QColor(216, 228, 248);
    QTest::newRow("info background")
        << int(Colour::Role::InfoBackground) << palette.color(QPalette::ToolTipBase);
    QTest::newRow("button face") << int(Colour::Role::ButtonFace)
                                 << palette.color(QPalette::Button);
}

void TestWidgetPage::colours() {
    QFETCH(int, role);
    QFETCH(QColor, expected);
    Window window;
    velkor::Page& page = window->Fields();
    const Colour colour = role == int(Colour::Role::Rgb)
                              ? Colour::Rgb(255, 0, 0)
                              : Colour::System(static_cast<Colour::Role>(role));
    page.SetBackground("TALC", colour);
    QCOMPARE(Background(window.get(), "TALC"), expected);
    page.SetTextColour("BMAXEFF", colour);
    QCOMPARE(TextColour(window.get(), "BMAXEFF"), expected);
    // Other fields keep their looks.
    QCOMPARE(Background(window.get(), "TARESA"), QApplication::palette().color(QPalette::Base));
}

void TestWidgetPage::weightReadOnlyVisibility() {
    Window window;
    velkor::Page& page = window->Fields();
    page.SetBold("AEAC", true);
    QVERIFY(Bold(window.get(), "AEAC"));
    page.SetBold("AEAC", false);
    QVERIFY(!Bold(window.get(), "AEAC"));

    page.SetReadOnly("TACA", false);
    QVERIFY(!Control<QLineEdit>(window.get(), "TACA")->isReadOnly());
    page.SetReadOnly("TACA", true);
    QVERIFY(Control<QLineEdit>(window.get(), "TACA")->isReadOnly());

    page.SetVisible("D4NUC", false);
    page.SetVisible("LabelD4NUC", false);
    QVERIFY(FindControl(window.get(), "D4NUC")->isHidden());
    QVERIFY(FindControl(window.get(), "LabelD4NUC")->isHidden());
    page.SetVisible("D4NUC", true);
    QVERIFY(!FindControl(window.get(), "D4NUC")->isHidden());

    QVERIFY(page.Checked("RBTASING"));
    QVERIFY(!page.Checked("RBTADOPPIO"));
    QVERIFY(page.Checked("CBAUTOCART"));
}

void TestWidgetPage::gridCells() {
    Window window;
    velkor::Page& page = window->Fields();
    QCOMPARE(page.Cell("SGTAOUTSEC", 3, 0), std::string("Ø filo"));
    page.SetCell("SGTAOUTSEC", 7, 6, "0,25");
    QCOMPARE(page.Cell("SGTAOUTSEC", 7, 6), std::string("0,25"));
    QCOMPARE(Cell(window.get(), "SGTAOUTSEC", 7, 6), QString("0,25"));
    // Cells outside the grid read empty and take nothing.
    page.SetCell("SGTAOUTSEC", 8, 1, "x");
    page.SetCell("SGTAINSEC", 0, 7, "x");
    page.SetCell("SGTAINSEC", -1, 0, "x");
    QCOMPARE(page.Cell("SGTAOUTSEC", 8, 1), std::string());
    QCOMPARE(page.Cell("SGTAINSEC", 0, -1), std::string());
}

void TestWidgetPage::errorBox() {
    Window window;
    velkor::Page& page = window->Fields();
    const BoxSeen box =
        AnswerNextBox([&] { page.ShowErrorBox("Error", "Campo errato o nullo : Frequenza"); });
    QVERIFY(box.shown);
    QCOMPARE(box.title, QString("Error"));
    QCOMPARE(box.text, QString("Campo errato o nullo : Frequenza"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons.size(), 1);
}

void TestWidgetPage::unknownNamesChangeNothing() {
    Window window;
    velkor::Page& page = window->Fields();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no control named"));
    QCOMPARE(page.Text("NOSUCH"), std::string());
    for (int i = 0; i < 8; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no control named"));
    page.SetText("NOSUCH", "1");
    page.SetItemIndex("NOSUCH", 1);
    QCOMPARE(page.ItemIndex("NOSUCH"), -1);
    QVERIFY(!page.Checked("NOSUCH"));
    page.SetBackground("NOSUCH", velkor::kRed);
    page.SetBold("NOSUCH", true);
    page.SetVisible("NOSUCH", false);
    page.SetCell("NOSUCH", 0, 0, "x");
    // Asking a field for what it does not hold is harmless too.
    QCOMPARE(page.ItemIndex("IFREQ"), -1);
    QVERIFY(!page.Checked("IFREQ"));
    QCOMPARE(page.Cell("IFREQ", 0, 0), std::string());
}

void TestWidgetPage::writesOnlyWhatChanged_data() {
    // Each write done twice: the first changes the control, the second, with the same value,
    // must not touch it again (no event, no signal).
    QTest::addColumn<QString>("write");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("event");
    QTest::newRow("text") << "text"
                          << "IXC" << int(QEvent::None);
    QTest::newRow("label") << "label"
                           << "Label66" << int(QEvent::None);
    QTest::newRow("background") << "background"
                                << "TALC" << int(QEvent::PaletteChange);
    QTest::newRow("text colour") << "text colour"
                                 << "AEAC" << int(QEvent::PaletteChange);
    QTest::newRow("bold") << "bold"
                          << "AEAC" << int(QEvent::FontChange);
    QTest::newRow("look") << "look"
                          << "BMAXEFF" << int(QEvent::PaletteChange);
    QTest::newRow("read-only") << "read-only"
                               << "TACA" << int(QEvent::ReadOnlyChange);
    QTest::newRow("visible") << "visible"
                             << "D4NUC" << int(QEvent::HideToParent);
    QTest::newRow("list position") << "list position"
                                   << "CBUFR" << int(QEvent::None);
    QTest::newRow("list text") << "list text"
                               << "CBUIR" << int(QEvent::None);
    QTest::newRow("cell") << "cell"
                          << "SGTAOUTSEC" << int(QEvent::None);
}

void TestWidgetPage::writesOnlyWhatChanged() {
    QFETCH(QString, write);
    QFETCH(QString, control);
    QFETCH(int, event);
    Window window;
    velkor::Page& page = window->Fields();
    QWidget* widget = FindControl(window.get(), control);
    const std::string name = control.toStdString();
    EventCounter events(widget, static_cast<QEvent::Type>(event));
    std::unique_ptr<QSignalSpy> spy;
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        spy = std::make_unique<QSignalSpy>(edit, &QLineEdit::textChanged);
    if (auto* list = qobject_cast<QComboBox*>(widget))
        spy = std::make_unique<QSignalSpy>(list, &QComboBox::currentTextChanged);
    if (auto* grid = qobject_cast<QTableWidget*>(widget))
        spy = std::make_unique<QSignalSpy>(grid, &QTableWidget::itemChanged);
    const auto writeOnce = [&] {
        if (write == "text" || write == "label")
            page.SetText(name, "12,5");
        else if (write == "background")
            page.SetBackground(name, velkor::kRed);
        else if (write == "text colour")
            page.SetTextColour(name, velkor::kWhite);
        else if (write == "bold")
            page.SetBold(name, true);
        else if (write == "look")
            velkor::ApplyLook(page, name, velkor::kAlarmLook);
        else if (write == "read-only")
            page.SetReadOnly(name, false);
        else if (write == "visible")
            page.SetVisible(name, false);
        else if (write == "list position")
            page.SetItemIndex(name, 3);
        else if (write == "list text")
            page.SetText(name, "kH");
        else if (write == "cell")
            page.SetCell(name, 2, 3, "17");
    };
    writeOnce();
    const int firstEvents = events.count;
    const int firstSignals = spy ? int(spy->count()) : 0;
    if (event != QEvent::None)
        QVERIFY(firstEvents >= 1);
    writeOnce();
    QCOMPARE(events.count, firstEvents);
    if (spy)
        QCOMPARE(int(spy->count()), firstSignals);
    if (write == "label")
        QCOMPARE(page.Text(name), std::string("12,5"));
    if (write == "look") { // background and text colour shown in one step
        QCOMPARE(firstEvents, 1);
        QCOMPARE(Background(window.get(), control), QColor(255, 0, 0));
        QCOMPARE(TextColour(window.get(), control), QColor(255, 255, 255));
        QVERIFY(Bold(window.get(), control));
    }
}

void TestWidgetPage::hidingAControlOfAHiddenPage() {
    // A control of a page not shown yet has never been shown or hidden by hand: hiding it must
    // still keep it hidden when its page comes up.
    Window window;
    velkor::Page& page = window->Fields();
    page.SetVisible("TAVP", false);
    Control<QTabWidget>(window.get(), "PageControl1")->setCurrentIndex(2);
    QVERIFY(!FindControl(window.get(), "TAVP")->isVisible());
    page.SetVisible("TAVP", true);
    QVERIFY(FindControl(window.get(), "TAVP")->isVisible());
}

void TestWidgetPage::typedTextGivesWayToTheSameItem() {
    // Selecting the position a list already has puts back the item's text over a typed one.
    Window window;
    velkor::Page& page = window->Fields();
    page.SetItemIndex("CBUIR", 1);
    page.SetText("CBUIR", "abc");
    QCOMPARE(page.ItemIndex("CBUIR"), -1);
    page.SetItemIndex("CBUIR", 1);
    QCOMPARE(page.ItemIndex("CBUIR"), 1);
    QCOMPARE(page.Text("CBUIR"), std::string("mH"));
    page.SetText("CBUIR", "mH");
    QCOMPARE(page.ItemIndex("CBUIR"), 1);
}

void TestWidgetPage::cellsOfAHandlerChangeOnce() {
    Window window;
    auto* grid = Control<QTableWidget>(window.get(), "SGTAOUTSEC");
    window->Fields().SetCell("SGTAOUTSEC", 1, 1, "4");
    QSignalSpy changes(grid, &QTableWidget::itemChanged);

    // Cleared and written again: one change, and the handler reads what it wrote.
    std::string seen;
    window->Run([&](velkor::Page& page) {
        page.SetCell("SGTAOUTSEC", 1, 1, "");
        page.SetCell("SGTAOUTSEC", 1, 1, "5");
        seen = page.Cell("SGTAOUTSEC", 1, 1);
    });
    QCOMPARE(seen, std::string("5"));
    QCOMPARE(Cell(window.get(), "SGTAOUTSEC", 1, 1), QString("5"));
    QCOMPARE(changes.count(), 1);
    // Cleared and written back as it was: no change at all.
    window->Run([](velkor::Page& page) {
        page.SetCell("SGTAOUTSEC", 1, 1, "");
        page.SetCell("SGTAOUTSEC", 1, 1, "5");
    });
    QCOMPARE(changes.count(), 1);

    // An error box stands over the cells written before it; a fault keeps them too.
    QString underTheBox;
    QTimer::singleShot(0, [&] { underTheBox = Cell(window.get(), "SGTAOUTSEC", 2, 2); });
    const BoxSeen box = AnswerNextBox([&] {
        window->Run([](velkor::Page& page) {
            page.SetCell("SGTAOUTSEC", 2, 2, "7");
            page.ShowErrorBox("Error", "Campo errato o nullo : Induzione nucleo");
        });
    });
    QVERIFY(box.shown);
    QCOMPARE(underTheBox, QString("7"));
    AnswerNextBox([&] {
        window->Run([](velkor::Page& page) {
            page.SetCell("SGTAOUTSEC", 3, 3, "8");
            throw velkor::DivisionByZero();
        });
    });
    QCOMPARE(Cell(window.get(), "SGTAOUTSEC", 3, 3), QString("8"));
}

QTEST_MAIN(TestWidgetPage)
#include "test_widget_page.moc"
