// The mains transformer page through the real window: the secondaries grid typed with real
// key events, "Calcola", the bobbin controls and "f(AN)".
#include "main_window.h"
#include "report_commands.h"
#include "shared/mains_worked_example.h"
#include "support_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>
#include <QTest>

#include <span>
#include <utility>

using namespace window_testing;

namespace {

using Texts = std::initializer_list<std::pair<const char*, const char*>>;

// The text the window keeps in its secondaries table for a cell.
QString Stored(TForm1* window, int column, int row) {
    return QString::fromStdString(window->Secondaries().At(column, row));
}

// Types into a cell of SGTAINSEC and lets the grid close its editor, which it does on the
// next turn of the event loop after Return.
void Enter(QWidget* root, int column, int row, const QString& text) {
    TypeIntoCell(root, "SGTAINSEC", column, row, text);
    QCoreApplication::processEvents();
}

// Return in an open cell editor, then the editor's queued close.
void Commit(QWidget* editor) {
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

} // namespace

class TestMainsPage : public QObject {
    Q_OBJECT

private slots:
    void workedExample();
    void workedExampleDoubleSection();
    void oversizeLamination();
    void alarmMarks();
    void failureNamesItsInput_data();
    void failureNamesItsInput();
    void livePowerWhileTyping();
    void halfPowerRoundsAwayFromZero();
    void typingStartsTheEditor();
    void keypadDecimalKeyIsRegional();
    void powerFromTheGrossSection();
    void missingBobbin();
    void secondaryTextAnswersTheTable_data();
    void secondaryTextAnswersTheTable();
    void reportReadsWhatWasTyped();

private:
    // Opens the editor of a cell of SGTAINSEC with F2 and returns it, its text selected.
    static QLineEdit* OpenCell(QWidget* root, int column, int row);
    static void ExpectTexts(QWidget* root,
                            std::span<const std::pair<const char*, const char*>> texts);
    static void ExpectTexts(QWidget* root, Texts texts) {
        ExpectTexts(root, std::span(texts.begin(), texts.size()));
    }
    static QStringList PowerColumn(QWidget* root);
};

QLineEdit* TestMainsPage::OpenCell(QWidget* root, int column, int row) {
    auto* grid = Control<QTableWidget>(root, "SGTAINSEC");
    ShowPageOf(grid);
    grid->setFocus(Qt::OtherFocusReason);
    grid->setCurrentCell(row, column);
    QTest::keyClick(grid->viewport(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (editor)
        editor->selectAll();
    return editor;
}

void TestMainsPage::ExpectTexts(QWidget* root,
                                std::span<const std::pair<const char*, const char*>> texts) {
    for (const auto& [name, text] : texts) {
        const QString shown = Text(root, name);
        QVERIFY2(shown == Local(QString::fromUtf8(text)),
                 qPrintable(QStringLiteral("%1 shows '%2'").arg(name, shown)));
    }
}

QStringList TestMainsPage::PowerColumn(QWidget* root) {
    QStringList out;
    for (int row = 1; row <= 6; ++row)
        out << Cell(root, "SGTAINSEC", 2, row);
    return out;
}

void TestMainsPage::workedExample() {
    Window window;
    Enter(window.get(), 0, 1, "12");
    Enter(window.get(), 1, 1, "2");
    const BoxSeen box = AnswerNextBox([&] { Click(window.get(), "SBTACALC"); });
    QVERIFY2(!box.shown, qPrintable(box.text));

    ExpectTexts(window.get(), kMainsWorkedExample);
    ExpectTexts(window.get(), {{"TAPTOT", "24,0"}});
    const char* row1[] = {"12,0", "2,000", "  69", "0,80", "1,4", "12,9", " 60", "0,5"};
    for (int column = 0; column < 8; ++column) {
        QCOMPARE(Cell(window.get(), "SGTAOUTSEC", column, 1), Local(row1[column]));
        for (int row = 2; row <= 6; ++row)
            QCOMPARE(Cell(window.get(), "SGTAOUTSEC", column, row), QString());
    }
    QCOMPARE(Stored(window.get(), 0, 1), QString("12"));
    QCOMPARE(Stored(window.get(), 1, 1), QString("2"));
    QVERIFY(Background(window.get(), "TALC") != QColor(255, 0, 0));
    QVERIFY(Background(window.get(), "RAPIMPAC") != QColor(255, 0, 0));

    // A picture of the page for a look (VELKOR_SCREENSHOTS=<folder>).
    const QString folder = qEnvironmentVariable("VELKOR_SCREENSHOTS");
    if (!folder.isEmpty())
        QVERIFY(window->grab().save(folder + "/mains_worked_example_" +
                                    (DecimalSeparator() == ',' ? "comma" : "point") + ".png"));
}

void TestMainsPage::workedExampleDoubleSection() {
    Window window;
    Enter(window.get(), 0, 1, "12");
    Enter(window.get(), 1, 1, "2");
    Click(window.get(), "RBTADOPPIO");
    QVERIFY(FindControl(window.get(), "TAIMG1")->isHidden());
    QVERIFY(!FindControl(window.get(), "TAIMG2")->isHidden());
    QVERIFY(!AnswerNextBox([&] { Click(window.get(), "SBTACALC"); }).shown);
    ExpectTexts(window.get(), {{"TACC", "19,3"},
                               {"TANP", "12,5"},
                               {"RAPIMPAC", "0,24"},
                               {"TAPERS", "1,4"},
                               {"TAPERTOT", "4,9"},
                               {"TADT", "28,7"}});
    const char* row1[] = {"12,0", "2,000", "  69", "0,80", "2,9", "9,9", " 45", "0,3"};
    for (int column = 0; column < 8; ++column)
        QCOMPARE(Cell(window.get(), "SGTAOUTSEC", column, 1), Local(row1[column]));

    Click(window.get(), "RBTASING");
    QVERIFY(!FindControl(window.get(), "TAIMG1")->isHidden());
    QVERIFY(FindControl(window.get(), "TAIMG2")->isHidden());
    QCOMPARE(Text(window.get(), "TACC"), Local("19,3")); // unchanged until the next run
}

void TestMainsPage::oversizeLamination() {
    Window window;
    Enter(window.get(), 0, 1, "100");
    Enter(window.get(), 1, 1, "20");
    QVERIFY(!AnswerNextBox([&] { Click(window.get(), "SBTACALC"); }).shown);
    ExpectTexts(window.get(), {{"TALC", "81"}, {"TAPMAX", " 2053"}, {"TAAF", "4920,75"}});
    QCOMPARE(Background(window.get(), "TALC"), QColor(255, 0, 0));
    QCOMPARE(TextColour(window.get(), "TALC"), QColor(255, 255, 255));
    QVERIFY(!Bold(window.get(), "TALC"));
    // 2000 VA rise far beyond the 65 °C of class A insulation: the rise has the alarm look.
    QVERIFY(QLocale::system().toDouble(Text(window.get(), "TADT")) > 65);
    QCOMPARE(Background(window.get(), "TADT"), QColor(255, 0, 0));
    QCOMPARE(TextColour(window.get(), "TADT"), QColor(255, 255, 255));

    TypeInto(window.get(), "TARESA", "");
    Enter(window.get(), 0, 1, "12");
    Enter(window.get(), 1, 1, "2");
    QVERIFY(!AnswerNextBox([&] { Click(window.get(), "SBTACALC"); }).shown);
    QCOMPARE(Text(window.get(), "TALC"), QString("28"));
    QVERIFY(Background(window.get(), "TALC") != QColor(255, 0, 0));
    QCOMPARE(TextColour(window.get(), "TALC"), window->palette().color(QPalette::Text));
    QCOMPARE(Background(window.get(), "TADT"), QColor(255, 176, 176)); // its pink again
}

void TestMainsPage::alarmMarks() {
    // Oversize lamination, an overfull typed bobbin and an unreadable iron loss at once.
    Window window;
    Enter(window.get(), 0, 1, "100");
    Enter(window.get(), 1, 1, "20");
    Click(window.get(), "CBAUTOCART");
    TypeInto(window.get(), "TACA", Local("83,5"));
    TypeInto(window.get(), "TACC", "119");
    TypeInto(window.get(), "TACX", "90");
    TypeInto(window.get(), "PEFE", "");
    QVERIFY(!AnswerNextBox([&] { Click(window.get(), "SBTACALC"); }).shown);
    ExpectTexts(window.get(), {{"TALC", "81"}, {"TAPERFERRO", "???"}, {"TACX", "90"}});
    QCOMPARE(Background(window.get(), "TALC"), QColor(255, 0, 0));
    QCOMPARE(Background(window.get(), "RAPIMPAC"), QColor(255, 0, 0));
    const QString folder = qEnvironmentVariable("VELKOR_SCREENSHOTS");
    if (!folder.isEmpty())
        QVERIFY(window->grab().save(folder + "/mains_alarms.png"));

    // Room enough: the fill factor gets the result tint back.
    TypeInto(window.get(), "TACX", "400");
    QVERIFY(!AnswerNextBox([&] { Click(window.get(), "SBTACALC"); }).shown);
    QVERIFY(Background(window.get(), "RAPIMPAC") != QColor(255, 0, 0));
}

void TestMainsPage::failureNamesItsInput_data() {
    QTest::addColumn<QString>("field"); // "" for the secondary's current
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("box");
    QTest::newRow("zero frequency") << "TAFREQ"
                                    << "0"
                                    << "Frequenza";
    QTest::newRow("zero efficiency") << "TARESA"
                                     << "0"
                                     << "Rendimento";
    QTest::newRow("negative efficiency") << "TARESA"
                                         << "-0,85"
                                         << "Rendimento";
    QTest::newRow("zero current") << ""
                                  << "0"
                                  << "Corrente secondario";
    QTest::newRow("unreadable induction") << "CBTAINDUZ"
                                          << "1;1"
                                          << "Induzione nucleo";
}

// A design that fails names the input that made it; "Induzione nucleo" was every box's name.
void TestMainsPage::failureNamesItsInput() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, box);
    Window window;
    Enter(window.get(), 0, 1, "12");
    Enter(window.get(), 1, 1, "2");
    if (field.isEmpty()) {
        Enter(window.get(), 0, 2, "5");
        Enter(window.get(), 1, 2, text);
    } else if (field == "CBTAINDUZ") {
        Control<QComboBox>(window.get(), "CBTAINDUZ")->setItemText(2, text);
    } else {
        TypeInto(window.get(), field, Local(text));
    }
    const BoxSeen seen = AnswerNextBox([&] { Click(window.get(), "SBTACALC"); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, "Campo errato o nullo : " + box);
}

// 5 V at 0,15 A is exactly 0,75 W: the power column shows "0,8", as a person rounds it.
void TestMainsPage::halfPowerRoundsAwayFromZero() {
    Window window;
    Enter(window.get(), 0, 1, "5");
    Enter(window.get(), 1, 1, Local("0,15"));
    QCOMPARE(Cell(window.get(), "SGTAINSEC", 2, 1), Local("0,8"));
    QCOMPARE(Text(window.get(), "TAPTOT"), Local(" 0,8"));
}

void TestMainsPage::livePowerWhileTyping() {
    Window window;
    QCOMPARE(PowerColumn(window.get()), QStringList(6, QString()));

    // Row 1: each key of the voltage refreshes the whole column before the editor closes.
    QLineEdit* editor = OpenCell(window.get(), 0, 1);
    QVERIFY(editor);
    QTest::keyClick(editor, '1');
    QCOMPARE(PowerColumn(window.get()), QStringList(6, "?"));
    QCOMPARE(Text(window.get(), "TAPTOT"), Local(" 0,0"));
    QTest::keyClick(editor, '2');
    QCOMPARE(Stored(window.get(), 0, 1), QString("12"));
    Commit(editor);

    editor = OpenCell(window.get(), 1, 1);
    QVERIFY(editor);
    QTest::keyClick(editor, '2');
    QCOMPARE(Cell(window.get(), "SGTAINSEC", 2, 1), Local("24,0"));
    QCOMPARE(Text(window.get(), "TAPTOT"), Local("24,0"));
    QTest::keyClick(editor, DecimalSeparator().toLatin1());
    QTest::keyClick(editor, '5');
    QCOMPARE(Cell(window.get(), "SGTAINSEC", 2, 1), Local("30,0"));
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QCOMPARE(Cell(window.get(), "SGTAINSEC", 2, 1), Local("24,0"));
    Commit(editor);

    Enter(window.get(), 0, 2, "24");
    Enter(window.get(), 1, 2, "5");
    QCOMPARE(PowerColumn(window.get()),
             (QStringList{Local("24,0"), Local("120,0"), "?", "?", "?", "?"}));
    QCOMPARE(Text(window.get(), "TAPTOT"), Local("144,0"));

    // The other decimal separator does not convert: the row shows "?" and adds nothing.
    Enter(window.get(), 0, 3, "10");
    Enter(window.get(), 1, 3, DecimalSeparator() == ',' ? "1.5" : "1,5");
    QCOMPARE(Cell(window.get(), "SGTAINSEC", 2, 3), QString("?"));
    QCOMPARE(Text(window.get(), "TAPTOT"), Local("144,0"));

    // What is typed into the power column is kept only until the next edit of the others.
    Enter(window.get(), 2, 4, "99");
    QCOMPARE(Cell(window.get(), "SGTAINSEC", 2, 4), QString("99"));
    QCOMPARE(Text(window.get(), "TAPTOT"), Local("144,0"));
    Enter(window.get(), 0, 5, "1");
    QCOMPARE(Cell(window.get(), "SGTAINSEC", 2, 4), QString("?"));
    QCOMPARE(Stored(window.get(), 0, 4), QString(""));
}

void TestMainsPage::typingStartsTheEditor() {
    // A user clicks a cell and types: the first key opens the editor and counts.
    Window window;
    auto* grid = Control<QTableWidget>(window.get(), "SGTAINSEC");
    ShowPageOf(grid);
    const QRect cell = grid->visualItemRect(grid->item(1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::keyClick(QApplication::focusWidget(), '1');
    QTest::keyClick(QApplication::focusWidget(), '2');
    QCOMPARE(Stored(window.get(), 0, 1), QString("12"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), '2');
    QCOMPARE(Cell(window.get(), "SGTAINSEC", 2, 1), Local("24,0"));
    QCOMPARE(Text(window.get(), "TAPTOT"), Local("24,0"));
    Commit(QApplication::focusWidget());
}

// The keypad's decimal key types the regional separator in a spin field, a plain field and a
// cell of the secondaries, whichever of "." and "," the keyboard layout puts on it.
void TestMainsPage::keypadDecimalKeyIsRegional() {
    Window window;
    const Qt::Key key = DecimalSeparator() == ',' ? Qt::Key_Period : Qt::Key_Comma;
    const auto typeOnKeypad = [key](QWidget* field) {
        QTest::keyClick(field, '2');
        QTest::keyClick(field, key, Qt::KeypadModifier);
        QTest::keyClick(field, '5');
    };
    auto* cell = OpenCell(window.get(), 1, 1);
    QVERIFY(cell);
    typeOnKeypad(cell);
    QCOMPARE(cell->text(), Local("2,5"));
    Commit(cell);
    QCOMPARE(Stored(window.get(), 1, 1), Local("2,5"));
    for (const char* name : {"TAVP", "PEFE"}) {
        auto* field = Control<QLineEdit>(window.get(), name);
        field->setFocus();
        field->selectAll();
        typeOnKeypad(field);
        QCOMPARE(field->text(), Local("2,5"));
    }
}

void TestMainsPage::powerFromTheGrossSection() {
    Window window;
    TypeInto(window.get(), "TASEZL", "784");
    QVERIFY(!AnswerNextBox([&] { Click(window.get(), "SBTACPTOT"); }).shown);
    QCOMPARE(Text(window.get(), "TAPTOT"), Local("43,9"));

    TypeInto(window.get(), "TASEZL", "");
    const BoxSeen box = AnswerNextBox([&] { Click(window.get(), "SBTACPTOT"); });
    QVERIFY(box.shown);
    QCOMPARE(box.title, QString("Error"));
    QCOMPARE(box.text, QString("Campo errato o nullo : Sezione lorda AN"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(Text(window.get(), "TAPTOT"), Local("43,9"));
}

void TestMainsPage::missingBobbin() {
    Window window;
    auto* automatic = Control<QCheckBox>(window.get(), "CBAUTOCART");
    QVERIFY(automatic->isChecked());
    QVERIFY(Control<QLineEdit>(window.get(), "TACA")->isReadOnly());
    Click(window.get(), "CBAUTOCART");
    QVERIFY(!automatic->isChecked());
    for (const char* name : {"TACA", "TACC", "TACX"})
        QVERIFY(!Control<QLineEdit>(window.get(), name)->isReadOnly());

    Enter(window.get(), 0, 1, "12");
    Enter(window.get(), 1, 1, "2");
    Click(window.get(), "SBCLEARCART");
    QVERIFY(!AnswerNextBox([&] { Click(window.get(), "SBTACALC"); }).shown);
    ExpectTexts(window.get(), {{"TANP", "???"}, {"TACA", "?"}, {"TACC", "?"}, {"TACX", "?"}});
    QCOMPARE(Cell(window.get(), "SGTAOUTSEC", 4, 1), QString("?"));

    Click(window.get(), "CBAUTOCART");
    QVERIFY(Control<QLineEdit>(window.get(), "TACC")->isReadOnly());
    QVERIFY(!AnswerNextBox([&] { Click(window.get(), "SBTACALC"); }).shown);
    ExpectTexts(window.get(), {{"TANP", "6,1"}, {"TACC", "39,5"}, {"RAPIMPAC", "0,28"}});

    // No valid secondary: one box, and nothing else changes.
    Window empty;
    const BoxSeen box = AnswerNextBox([&] { Click(empty.get(), "SBTACALC"); });
    QCOMPARE(box.text, QString("Campo errato o nullo : Nessun secondario valido"));
    QCOMPARE(Text(empty.get(), "TARESA"), QString());
}

void TestMainsPage::secondaryTextAnswersTheTable_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");
    QTest::newRow("voltage") << 0 << 1 << "12";
    QTest::newRow("current, last row") << 1 << 6 << "2,5";
    QTest::newRow("header row") << 0 << 0 << "";
    QTest::newRow("empty row") << 0 << 3 << "";
    QTest::newRow("power column") << 2 << 1 << "";
    QTest::newRow("column below") << -1 << 1 << "";
    QTest::newRow("row below") << 0 << -1 << "";
    QTest::newRow("row past the grid") << 1 << 7 << "";
    QTest::newRow("far out") << 1000 << 1000 << "";
}

void TestMainsPage::secondaryTextAnswersTheTable() {
    // What the reports ask the window for, by name, is what the grid's editor stored.
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, expected);
    Window window;
    Enter(window.get(), 0, 1, "12");
    Enter(window.get(), 1, 6, "2,5");
    Enter(window.get(), 2, 1, "99");
    QString text = "unset";
    QVERIFY(QMetaObject::invokeMethod(window.get(), "secondaryText", Qt::DirectConnection,
                                      Q_RETURN_ARG(QString, text), Q_ARG(int, column),
                                      Q_ARG(int, row)));
    QCOMPARE(text, expected);
    if (column >= 0 && column <= 1 && row >= 0 && row <= 6)
        QCOMPARE(text, Stored(window.get(), column, row));
}

void TestMainsPage::reportReadsWhatWasTyped() {
    // The report's table of secondaries agrees with the grid, also while a cell is still
    // being edited (the grid itself has not taken the text yet).
    Window window;
    Enter(window.get(), 0, 1, "12");
    Enter(window.get(), 1, 1, "2");
    Enter(window.get(), 0, 2, "24");
    QLineEdit* editor = OpenCell(window.get(), 1, 2);
    QVERIFY(editor);
    QTest::keyClick(editor, '5');
    QCOMPARE(Cell(window.get(), "SGTAINSEC", 1, 2), QString());

    velkor::reports::FillActiveReport(window.get());
    QObject* form = window->findChild<QWidget*>("Form4");
    QVERIFY(form);
    QObject* memo = form->findChild<QObject*>("QRMEMOSECIN");
    QVERIFY(memo);
    QCOMPARE(memo->property("text").toString(),
             Local("  12,0 Vac   2,000 A     24 VA\n  24,0 Vac   5,000 A    120 VA"));
    Commit(editor);
    QCOMPARE(Cell(window.get(), "SGTAINSEC", 1, 2), QString("5"));
}

QTEST_MAIN(TestMainsPage)
#include "test_mains_page.moc"
