// The main window's handlers through its real widgets on the offscreen platform: the ferrite
// design typed with real keys end to end, its alarm looks, the general error box on a fault or
// an unreadable spin value, the secondaries grid's report of every keystroke, and a new window
// starting afresh. With VELKOR_SCREENSHOTS set, also writes a picture of every page.
#include "main_window.h"
#include "support_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace window_testing;

namespace {

const QColor kFerriteTint(214, 252, 254);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

QColor NormalText() {
    return QApplication::palette().color(QPalette::Text);
}

// The thirteen ferrite inputs at their defaults, as typed under a decimal comma.
const std::pair<const char*, const char*> kFerriteInputs[] = {
    {"VPMIN", "10,0"}, {"VPMAX", "13,9"},  {"FREQ", "20000"}, {"FATTF", "4"}, {"VSPP", "600,0"},
    {"PSEC", "8"},     {"DCMQ", "4,9338"}, {"BSAT", "4100"},  {"AL", "2800"}, {"AE", "52"},
    {"AC", "30"},      {"PUN", "48,79"},   {"ETA", "50"},
};

// The sixteen results of the default ferrite design, as under a decimal comma.
const std::pair<const char*, const char*> kFerriteDefaults[] = {
    {"BMAX", " 2000"},      {"AEAC", "0,1560"},    {"AEACMIN", "0,0544"}, {"IPRIM", "1,600"},
    {"NSP", "  12 (12,0)"}, {"LPRIM", "403,2"},    {"XLPRIM", "   51"},   {"BMAXEFF", "2784"},
    {"NSS", " 720"},        {"LSEC", "1451520,0"}, {"XLSEC", "182403"},   {"VSRMS", "212,1"},
    {"ISEC", "0,0377"},     {"DFS", "0,10"},       {"IPPEEK", "2,325"},   {"DFP", "0,77"},
};

// Room for text in a line edit: its contents less its text margins and the 2 px the edit
// keeps clear on each side.
int TextRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QRect contents = edit->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins());
    return contents.width() - 4;
}

// Room for text in a grid cell: the column less the item view's text margin on each side.
int CellRoom(const QTableWidget* grid, int column) {
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    return grid->columnWidth(column) - 2 * margin;
}

QString Shortage(const QString& what, const QString& text, int needed, int room) {
    return QStringLiteral("%1 '%2' needs %3 px, has %4").arg(what, text).arg(needed).arg(room);
}

// Every field, label and grid cell of the window whose text does not show whole. A line edit
// scrolls its text (and cuts the front of it) once text and cursor need more than its room.
QStringList Clipped(QWidget* root) {
    QStringList clipped;
    for (const QLineEdit* edit : root->findChildren<QLineEdit*>()) {
        const int needed = edit->fontMetrics().horizontalAdvance(edit->text()) + 1;
        if (!edit->objectName().isEmpty() && needed > TextRoom(edit))
            clipped << Shortage(edit->objectName(), edit->text(), needed, TextRoom(edit));
    }
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        if (!label->wordWrap() && needed > label->contentsRect().width())
            clipped << Shortage(label->objectName(), label->text(), needed,
                                label->contentsRect().width());
    }
    for (const QTableWidget* grid : root->findChildren<QTableWidget*>()) {
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                const QString text = grid->item(row, column) ? grid->item(row, column)->text() : "";
                const int needed = grid->fontMetrics().horizontalAdvance(text);
                if (needed > CellRoom(grid, column))
                    clipped << Shortage(
                        QStringLiteral("%1 %2,%3").arg(grid->objectName()).arg(column).arg(row),
                        text, needed, CellRoom(grid, column));
            }
        }
    }
    return clipped;
}

// Large designs on every page, `look` called after each with its name: the resonance group
// and both coil sub-pages filled, the default ferrite transformer and one of 1 kW at 300 to
// 400 V with a 5 kV secondary, a mains transformer of 2000 VA (one secondary of 100 V, 20 A)
// and the same with a second secondary of 12 V, 2 A.
void FillWithLargeDesigns(QWidget* root, const std::function<void(const QString&)>& look) {
    RunResonanceAndCoil(root);
    TypeInto(root, "ALNUC", "250");
    Click(root, "SBCNSNUC");
    for (const char* name : {"D1NUC", "D2NUC", "D3NUC", "D4NUC", "D5NUC"})
        TypeInto(root, name, "5");
    TypeInto(root, "EDDIAM", Local("0,3"));
    AnswerNextBox([&] { Click(root, "SBALTRONUC"); });
    look("inductors");

    AnswerNextBox([&] { Click(root, "SBCALC"); });
    look("ferrite default");
    const std::pair<const char*, const char*> ferrite[] = {
        {"VPMIN", "300"}, {"VPMAX", "400"}, {"VSPP", "5000"}, {"PSEC", "1000"}};
    for (const auto& [name, text] : ferrite)
        TypeInto(root, name, text);
    AnswerNextBox([&] { Click(root, "SBCALC"); });
    look("ferrite 1 kW");

    TypeIntoCell(root, "SGTAINSEC", 0, 1, "100");
    TypeIntoCell(root, "SGTAINSEC", 1, 1, "20");
    AnswerNextBox([&] { Click(root, "SBTACALC"); });
    look("mains 2000 VA");
    TypeIntoCell(root, "SGTAINSEC", 0, 2, "12");
    TypeIntoCell(root, "SGTAINSEC", 1, 2, "2");
    AnswerNextBox([&] { Click(root, "SBTACALC"); });
    look("mains 2024 VA");
}

} // namespace

class TestWindowHandlers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void ferriteDefaultDesign();
    void ferriteAlarmAndBack();
    void zeroDensityShowsGeneralError();
    void unreadableSpinShowsGeneralError();
    void secondariesFollowEveryKeystroke();
    void newWindowStartsAfresh();
    void deletedWithCellEditorOpen();
    void choicesRunOnEveryClick_data();
    void choicesRunOnEveryClick();
    void largeResultsFit_data();
    void largeResultsFit();
    void screenshots();

private:
    QTemporaryDir emptyFolder_;
};

void TestWindowHandlers::initTestCase() {
    QVERIFY(emptyFolder_.isValid());
    QVERIFY(QDir::setCurrent(emptyFolder_.path()));
}

void TestWindowHandlers::ferriteDefaultDesign() {
    Window window;
    QWidget* root = window.get();
    // The defaults typed again as real keys (the field keeps the focus while "Calcola" runs).
    for (const auto& [name, text] : kFerriteInputs) {
        TypeInto(root, name, Local(text));
        QCOMPARE(Text(root, name), Local(text));
    }
    const BoxSeen box = AnswerNextBox([&] { Click(root, "SBCALC"); });
    QVERIFY2(!box.shown, qPrintable(box.text));
    for (const auto& [name, text] : kFerriteDefaults)
        QCOMPARE(Text(root, name), Local(text));
    for (const char* name : {"AEAC", "BMAXEFF"}) {
        QCOMPARE(Background(root, name), kFerriteTint);
        QCOMPARE(TextColour(root, name), NormalText());
        QVERIFY(!Bold(root, name));
    }
    // The inputs are left as typed.
    QCOMPARE(Text(root, "DCMQ"), Local("4,9338"));
}

void TestWindowHandlers::ferriteAlarmAndBack() {
    Window window;
    QWidget* root = window.get();
    TypeInto(root, "AC", "10");
    Click(root, "SBCALC");
    QCOMPARE(Text(root, "AEAC"), Local("0,0520"));
    QCOMPARE(Background(root, "AEAC"), kRed);
    QCOMPARE(TextColour(root, "AEAC"), kWhite);
    QVERIFY(Bold(root, "AEAC"));
    QCOMPARE(Background(root, "BMAXEFF"), kFerriteTint);

    TypeInto(root, "AC", "30");
    Click(root, "SBCALC");
    QCOMPARE(Background(root, "AEAC"), kFerriteTint);
    QCOMPARE(TextColour(root, "AEAC"), NormalText());
    QVERIFY(!Bold(root, "AEAC"));
}

void TestWindowHandlers::zeroDensityShowsGeneralError() {
    Window window;
    QWidget* root = window.get();
    Control<QLineEdit>(root, "AEACMIN")->setText("before");
    TypeInto(root, "DCMQ", "0");
    const BoxSeen box = AnswerNextBox([&] { Click(root, "SBCALC"); });
    QVERIFY(box.shown);
    QCOMPARE(box.title, QString("Velkor"));
    QCOMPARE(box.text, QString("Floating point division by zero."));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons.size(), 1);
    // Steps 1 and 2 wrote their fields; the design stopped before AeAc minima.
    QCOMPARE(Text(root, "BMAX"), QString(" 2000"));
    QCOMPARE(Text(root, "AEAC"), Local("0,1560"));
    QCOMPARE(Text(root, "AEACMIN"), QString("before"));
    // The window goes on working.
    QVERIFY(window->isVisible());
    TypeInto(root, "DCMQ", Local("4,9338"));
    const BoxSeen again = AnswerNextBox([&] { Click(root, "SBCALC"); });
    QVERIFY(!again.shown);
    QCOMPARE(Text(root, "AEACMIN"), Local("0,0544"));
}

void TestWindowHandlers::unreadableSpinShowsGeneralError() {
    Window window;
    QWidget* root = window.get();
    Control<QLineEdit>(root, "VPMIN")->setText("E");
    const BoxSeen box = AnswerNextBox([&] { Click(root, "SBCALC"); });
    QVERIFY(box.shown);
    QCOMPARE(box.title, QString("Velkor"));
    QCOMPARE(box.text, QString("'E' is not a valid floating point value."));
    QCOMPARE(box.icon, QMessageBox::Critical);

    // Stepping the field or leaving it meets the same text with the same box.
    auto* vpmin = Control<QLineEdit>(root, "VPMIN");
    ShowPageOf(vpmin);
    vpmin->setFocus(Qt::OtherFocusReason);
    for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Tab}) {
        // The offscreen platform gives the window its activation back only on request, as a
        // desktop does when a box closes; only an active window moves the focus.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(root));
        QVERIFY(vpmin->hasFocus());
        const BoxSeen same = AnswerNextBox([&] { QTest::keyClick(vpmin, key); });
        QVERIFY(same.shown);
        QCOMPARE(same.title, box.title);
        QCOMPARE(same.text, box.text);
        QCOMPARE(same.icon, box.icon);
        QCOMPARE(same.buttons, box.buttons);
        QCOMPARE(vpmin->text(), QString("E"));
    }
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(root));
    QVERIFY(!vpmin->hasFocus()); // Tab went on to the next field
}

void TestWindowHandlers::secondariesFollowEveryKeystroke() {
    Window window;
    QWidget* root = window.get();
    auto* grid = Control<QTableWidget>(root, "SGTAINSEC");
    ShowPageOf(grid);
    grid->setFocus();
    grid->setCurrentCell(1, 0);
    // Opening the editor reports the cell's text: the power column is refreshed at once.
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QCOMPARE(Cell(root, "SGTAINSEC", 2, 1), QString("?"));
    QCOMPARE(Text(root, "TAPTOT"), Local(" 0,0"));
    QTest::keyClick(editor, '1');
    QCOMPARE(window->Secondaries().At(0, 1), std::string("1"));
    QTest::keyClick(editor, '2');
    QCOMPARE(window->Secondaries().At(0, 1), std::string("12"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the view commits the editor's text from its queue
    QCOMPARE(Cell(root, "SGTAINSEC", 0, 1), QString("12"));
    QCOMPARE(window->Secondaries().At(0, 1), std::string("12"));

    TypeIntoCell(root, "SGTAINSEC", 1, 1, "2");
    QCOMPARE(window->Secondaries().At(1, 1), std::string("2"));
    QCOMPARE(Cell(root, "SGTAINSEC", 2, 1), Local("24,0"));
    QCOMPARE(Text(root, "TAPTOT"), Local("24,0"));
    // The power column takes typing but stores nothing.
    TypeIntoCell(root, "SGTAINSEC", 2, 3, "99");
    QCOMPARE(Cell(root, "SGTAINSEC", 2, 3), QString("99"));
    for (const std::string& text : window->Secondaries().texts)
        QVERIFY(text.empty() || text == "12" || text == "2");
    // The header row and the results grid take no editor.
    grid->setCurrentCell(0, 0);
    QTest::keyClick(grid, Qt::Key_F2);
    QVERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    QCOMPARE(Cell(root, "SGTAINSEC", 0, 0), QString("Vs volt"));
}

void TestWindowHandlers::newWindowStartsAfresh() {
    {
        Window first;
        TypeInto(first.get(), "IFREQ", "50");
        Click(first.get(), "SBCALC");
        Click(first.get(), "RBC2NUC");
        QVERIFY(FindControl(first.get(), "IMG1")->isHidden());
    }
    Window second;
    QCOMPARE(Text(second.get(), "IFREQ"), QString());
    QCOMPARE(Text(second.get(), "BMAX"), QString());
    QVERIFY(!FindControl(second.get(), "IMG1")->isHidden());
    QVERIFY(FindControl(second.get(), "IMG2")->isHidden());
    for (const std::string& text : second->Secondaries().texts)
        QVERIFY(text.empty());
}

void TestWindowHandlers::deletedWithCellEditorOpen() {
    // The program ends while a secondaries cell is still being edited: the editor's last text
    // must not reach a window that is going away.
    auto window = std::make_unique<Window>();
    QPointer<QWidget> root = window->get();
    auto* grid = Control<QTableWidget>(root, "SGTAINSEC");
    ShowPageOf(grid);
    grid->setFocus(Qt::OtherFocusReason);
    grid->setCurrentCell(1, 0);
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClick(editor, '1');
    QTest::keyClick(editor, '2');
    QCOMPARE((*window)->Secondaries().At(0, 1), std::string("12"));
    window.reset();
    QVERIFY(root.isNull());
    // A window made afterwards works as usual.
    Window next;
    TypeIntoCell(next.get(), "SGTAINSEC", 0, 1, "7");
    QCOMPARE(next->Secondaries().At(0, 1), std::string("7"));
}

void TestWindowHandlers::choicesRunOnEveryClick_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("other");  // the other button of the pair
    QTest::addColumn<QString>("shown");  // picture shown after the click
    QTest::addColumn<QString>("hidden"); // its pair, hidden after the click
    QTest::newRow("square, already selected") << "RBC1NUC"
                                              << "RBC2NUC"
                                              << "IMG1"
                                              << "IMG2";
    QTest::newRow("round") << "RBC2NUC"
                           << "RBC1NUC"
                           << "IMG2"
                           << "IMG1";
    QTest::newRow("single, already selected") << "RBTASING"
                                              << "RBTADOPPIO"
                                              << "TAIMG1"
                                              << "TAIMG2";
    QTest::newRow("double") << "RBTADOPPIO"
                            << "RBTASING"
                            << "TAIMG2"
                            << "TAIMG1";
}

void TestWindowHandlers::choicesRunOnEveryClick() {
    // The bobbin choices act on each click, also on the button already selected: pictures put
    // out of step with the buttons come right again.
    QFETCH(QString, button);
    QFETCH(QString, other);
    QFETCH(QString, shown);
    QFETCH(QString, hidden);
    Window window;
    QWidget* root = window.get();
    FindControl(root, shown)->setVisible(false);
    FindControl(root, hidden)->setVisible(true);
    Click(root, button);
    QVERIFY(Control<QAbstractButton>(root, button)->isChecked());
    QVERIFY(!FindControl(root, shown)->isHidden());
    QVERIFY(FindControl(root, hidden)->isHidden());
    // Selecting by program is not a click: the pictures stay.
    Control<QAbstractButton>(root, other)->setChecked(true);
    QVERIFY(!Control<QAbstractButton>(root, button)->isChecked());
    QVERIFY(!FindControl(root, shown)->isHidden());
}

void TestWindowHandlers::largeResultsFit_data() {
    QTest::addColumn<QString>("family"); // stand-in for "MS Sans Serif"; empty: as built
    QTest::newRow("window font") << QString();
    QTest::newRow("wider stand-in") << "DejaVu Sans";
}

void TestWindowHandlers::largeResultsFit() {
    // The results of large designs show whole in their fields, also when a wider font stands
    // in for the window's own (the grids keep their given column widths and the window font).
    QFETCH(QString, family);
    if (!family.isEmpty() && !QFontDatabase::hasFamily(family))
        QSKIP("the wider font is not installed");
    Window window;
    if (!family.isEmpty()) {
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            QFont font = edit->font();
            font.setFamilies({family});
            edit->setFont(font);
        }
    }
    QStringList clipped;
    FillWithLargeDesigns(window.get(), [&](const QString& design) {
        for (const QString& shortage : Clipped(window.get()))
            clipped << design + ": " + shortage;
    });
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join("\n")));
}

void TestWindowHandlers::screenshots() {
    // Pictures of every page for looking at the layout: VELKOR_SCREENSHOTS=<folder>.
    const QString folder = qEnvironmentVariable("VELKOR_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("set VELKOR_SCREENSHOTS to a folder to write the page pictures");
    // With the manual beside it, as the installed program finds it.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(VELKOR_SOURCE_DIR "/resources");
    Window window;
    QDir::setCurrent(previous);
    auto* pages = Control<QTabWidget>(window.get(), "PageControl1");
    auto* subPages = Control<QTabWidget>(window.get(), "PageControl2");
    const std::tuple<int, int, const char*> shots[] = {
        {0, 0, "page0_single_layer"}, {0, 1, "page0_closed_core"}, {1, 0, "page1_ferrite"},
        {2, 0, "page2_mains"},        {3, 0, "page3_manual"},
    };
    // `only`: the page to take, -1 for all.
    const auto shoot = [&](const QString& suffix, int only) {
        for (const auto& [page, subPage, name] : shots) {
            if (only >= 0 && page != only)
                continue;
            pages->setCurrentIndex(page);
            subPages->setCurrentIndex(subPage);
            QVERIFY(window->grab().save(folder + "/" + name + suffix + ".png"));
        }
    };
    shoot("", -1);
    // The page of each large design after it, to see that the results fit.
    FillWithLargeDesigns(window.get(), [&](const QString& design) {
        const int page = design.startsWith("inductors") ? 0 : design.startsWith("ferrite") ? 1 : 2;
        shoot("_" + QString(design).replace(' ', '_'), page);
    });
}

QTEST_MAIN(TestWindowHandlers)
#include "test_window_handlers.moc"
