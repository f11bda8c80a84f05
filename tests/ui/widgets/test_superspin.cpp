// SuperSpin through real key and mouse events: arrows and layout, stepping with its limits,
// wrap and rounding, the acceleration on a controlled clock, the held arrow's repeat.
#include "numedit_arrows.h"
#include "numedit_testing.h"
#include "superspin.h"

#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace numedit_testing;

class TestSuperSpin : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void arrowsAndHeight();
    void defaultsWithOwnDecimals();
    void stepping_data();
    void stepping();
    void pageKeysDoNotStep();
    void increment();
    void roundingOnLeaving_data();
    void roundingOnLeaving();
    void leavingCorrectionKeepsFocus();
    void accelerationWhileHeld();
    void accelerationBoundaries();
    void accelerationStopsAtAFifthOfTheRange();
    void noAccelerationWhenUnbounded();
    void heldArrowRepeats();
    void readOnlyBeeps();
    void editorDisabled();
    void invalidEntryHandlerOnStep();
    void unreadableTextEndsWithTheErrorBox_data();
    void unreadableTextEndsWithTheErrorBox();

private:
    // A field set up as VPMIN: 1..1000, Increment 0.5, one decimal, 10,0.
    void MakeVpmin();
    void Tick(qint64 milliseconds) { now_ += milliseconds; }
    QPoint ArrowPoint(int direction) const;

    std::unique_ptr<QWidget> window_;
    SuperSpin* spin_ = nullptr;
    QLineEdit* other_ = nullptr;
    qint64 now_ = 100000; // ms, the injected clock
};

void TestSuperSpin::init() {
    window_ = std::make_unique<QWidget>();
    QFont font("Liberation Sans");
    font.setPointSize(8);
    window_->setFont(font);
    window_->resize(240, 120);
    spin_ = new SuperSpin(window_.get());
    spin_->setObjectName("VPMIN");
    spin_->SetClock([this] { return now_; });
    other_ = new QLineEdit(window_.get());
    other_->move(0, 60);
    ShowActive(window_.get());
    spin_->setFocus();
}

void TestSuperSpin::cleanup() {
    window_.reset();
}

void TestSuperSpin::MakeVpmin() {
    spin_->SetDecimals(1);
    spin_->SetLimits(1, 1000);
    spin_->SetIncrement(0.5);
    spin_->SetValue(10);
}

QPoint TestSuperSpin::ArrowPoint(int direction) const {
    const SpinArrows* arrows = spin_->Arrows();
    return QPoint(arrows->width() / 2, direction > 0 ? 2 : arrows->height() - 3);
}

void TestSuperSpin::arrowsAndHeight() {
    spin_->setGeometry(10, 10, 89, 10); // lower than the font allows
    QCOMPARE(spin_->height(), spin_->LowestHeight());
    const QFontMetrics metrics(spin_->font());
    const QFontMetrics system(QApplication::font());
    QCOMPARE(spin_->LowestHeight(),
             4 + metrics.height() + std::min(metrics.height(), system.height()) / 4 + 2);
    spin_->resize(89, 30);
    const SpinArrows* arrows = spin_->Arrows();
    QCOMPARE(arrows->width(), 15);
    const int border = arrows->y();
    QCOMPARE(arrows->geometry().right(), spin_->width() - border - 1);
    QCOMPARE(arrows->height(), spin_->height() - 2 * border);
    QCOMPARE(spin_->textMargins().right(), 15);
    QCOMPARE(spin_->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    // Long texts never run under the arrows: the text area stops where they start.
    spin_->setText(QString(40, '8'));
    spin_->setCursorPosition(40);
    spin_->repaint(); // the line edit scrolls its text when it paints
    const QRect caret = spin_->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QVERIFY2(caret.center().x() < arrows->x(), qPrintable(QString::number(caret.center().x())));
}

void TestSuperSpin::defaultsWithOwnDecimals() {
    SuperSpin fresh;
    QCOMPARE(fresh.width(), 100);
    QCOMPARE(fresh.text(), QString("0"));
    QCOMPARE(double(fresh.Increment()), 1.0);
    QVERIFY(fresh.EditorEnabled() && !fresh.RoundValues() && !fresh.Wrap());
    fresh.SetDecimals(1);
    fresh.SetValue(10);
    QCOMPARE(fresh.text(), Local("10,0"));
}

void TestSuperSpin::stepping_data() {
    QTest::addColumn<double>("minValue");
    QTest::addColumn<double>("maxValue");
    QTest::addColumn<double>("increment");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("round");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");
    const int up = Qt::Key_Up, down = Qt::Key_Down;
    // clang-format off
    QTest::newRow("VPMIN up") << 1.0 << 1000.0 << 0.5 << 1 << false << false << "10,0" << up << "10,5" << 0;
    QTest::newRow("VPMIN down") << 1.0 << 1000.0 << 0.5 << 1 << false << false << "10,0" << down << "9,5" << 0;
    QTest::newRow("VPMAX at 999,8") << 1.0 << 1000.0 << 0.5 << 1 << false << false << "999,8" << up << "999,8" << 1;
    QTest::newRow("up to the limit") << 1.0 << 1000.0 << 0.5 << 1 << false << false << "999,5" << up << "1000,0" << 0;
    QTest::newRow("down at the limit") << 1.0 << 1000.0 << 0.5 << 1 << false << false << "1,2" << down << "1,2" << 1;
    QTest::newRow("wrap up") << 1.0 << 1000.0 << 0.5 << 1 << true << false << "1000,0" << up << "1,0" << 0;
    QTest::newRow("wrap down") << 1.0 << 1000.0 << 0.5 << 1 << true << false << "1,0" << down << "1000,0" << 0;
    QTest::newRow("up from below the limits") << 1.0 << 1000.0 << 0.5 << 1 << false << false << "0,5" << up << "1,0" << 1;
    QTest::newRow("down from above the limits") << 1.0 << 1000.0 << 0.5 << 1 << false << false << "2000" << down << "1000,0" << 1;
    QTest::newRow("up from above the limits") << 1.0 << 1000.0 << 0.5 << 1 << true << false << "2000" << up << "1,0" << 0;
    QTest::newRow("unbounded") << 0.0 << 0.0 << 1.0 << 0 << false << false << "20000" << up << "20001" << 0;
    QTest::newRow("unbounded below zero") << 0.0 << 0.0 << 1.0 << 0 << false << false << "0" << down << "-1" << 0;
    QTest::newRow("free decimals stay clean") << 0.0 << 0.0 << 0.1 << -1 << false << false << "0,2" << up << "0,3" << 0;
    QTest::newRow("rounded to the grid") << 0.0 << 10.0 << 0.5 << -1 << false << true << "1,3" << up << "2" << 0;
    QTest::newRow("grid from MinValue") << 1.0 << 1000.0 << 0.5 << 1 << false << true << "10,3" << down << "10,0" << 0;
    // clang-format on
}

void TestSuperSpin::stepping() {
    QFETCH(double, minValue);
    QFETCH(double, maxValue);
    QFETCH(double, increment);
    QFETCH(int, decimals);
    QFETCH(bool, wrap);
    QFETCH(bool, round);
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(QString, expected);
    QFETCH(int, beeps);
    spin_->SetDecimals(decimals);
    spin_->SetLimits(minValue, maxValue);
    spin_->SetIncrement(increment);
    spin_->SetWrap(wrap);
    spin_->SetRoundValues(round);
    spin_->setText(Local(start));
    QTest::keyClick(spin_, Qt::Key(key));
    QCOMPARE(spin_->text(), Local(expected));
    QCOMPARE(spin_->BeepCount(), beeps);
    QVERIFY(spin_->hasFocus());

    // The arrow steps the same way.
    spin_->setText(Local(start));
    Tick(1000);
    const int direction = key == Qt::Key_Up ? 1 : -1;
    QTest::mousePress(spin_->Arrows(), Qt::LeftButton, {}, ArrowPoint(direction));
    QTest::mouseRelease(spin_->Arrows(), Qt::LeftButton, {}, ArrowPoint(direction));
    QCOMPARE(spin_->text(), Local(expected));
    QCOMPARE(spin_->BeepCount(), 2 * beeps);
}

void TestSuperSpin::pageKeysDoNotStep() {
    MakeVpmin();
    QTest::keyClick(spin_, Qt::Key_PageUp);
    QTest::keyClick(spin_, Qt::Key_PageDown);
    QCOMPARE(spin_->text(), Local("10,0"));
    QCOMPARE(spin_->BeepCount(), 0);
}

void TestSuperSpin::increment() {
    spin_->SetLimits(1, 10);
    spin_->SetIncrement(20); // wider than the range: ignored
    QCOMPARE(double(spin_->Increment()), 1.0);
    spin_->SetIncrement(0); // no grid: ignored
    spin_->SetIncrement(-2);
    QCOMPARE(double(spin_->Increment()), 1.0);
    spin_->SetValue(4.2);
    spin_->SetRoundValues(true);
    spin_->SetIncrement(2); // rounds the value to the new grid 1, 3, 5 ...
    QCOMPARE(double(spin_->Increment()), 2.0);
    QCOMPARE(double(spin_->CurrentStep()), 2.0);
    QCOMPARE(spin_->text(), QString("5"));
}

void TestSuperSpin::roundingOnLeaving_data() {
    QTest::addColumn<double>("minValue");
    QTest::addColumn<double>("maxValue");
    QTest::addColumn<double>("increment");
    QTest::addColumn<bool>("round");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("unbounded, RoundValues off") << 0.0 << 0.0 << 1.0 << false << "52D5" << "52,5";
    QTest::newRow("unbounded, half to even down") << 0.0 << 0.0 << 1.0 << true << "52D5" << "52";
    QTest::newRow("unbounded, half to even up") << 0.0 << 0.0 << 1.0 << true << "53D5" << "54";
    QTest::newRow("bounded grid from MinValue") << 1.0 << 1000.0 << 0.5 << true << "10D3" << "10,5";
    QTest::newRow("above MaxValue: one increment off") << 0.0 << 10.0 << 6.0 << true << "9D5" << "6";
    QTest::newRow("bounded, RoundValues off") << 1.0 << 1000.0 << 0.5 << false << "10D3" << "10,3";
    // clang-format on
}

void TestSuperSpin::roundingOnLeaving() {
    QFETCH(double, minValue);
    QFETCH(double, maxValue);
    QFETCH(double, increment);
    QFETCH(bool, round);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    spin_->SetLimits(minValue, maxValue);
    spin_->SetIncrement(increment);
    spin_->SetRoundValues(round);
    spin_->selectAll();
    TypeKeys(spin_, keys);
    QTest::keyClick(spin_, Qt::Key_Tab);
    QCOMPARE(spin_->text(), Local(expected));
    QVERIFY(other_->hasFocus());
    QCOMPARE(spin_->BeepCount(), 0);
}

void TestSuperSpin::leavingCorrectionKeepsFocus() {
    MakeVpmin();
    spin_->selectAll();
    TypeKeys(spin_, "2000");
    QCOMPARE(spin_->text(), Local("2000,0"));
    QTest::keyClick(spin_, Qt::Key_Tab);
    QCOMPARE(spin_->text(), Local("1000,0"));
    QCOMPARE(spin_->BeepCount(), 1);
    QVERIFY(spin_->hasFocus());
}

void TestSuperSpin::accelerationWhileHeld() {
    MakeVpmin();
    // The Up key held down, a repeat every 100 ms: 0.5 for the first steps, then the step
    // grows by 0.5 at the 6th, 8th, 10th and 12th quick repeat.
    const char* expected[] = {"10,5", "11,0", "11,5", "12,0", "12,5", "13,0", "14,0",
                              "15,0", "16,5", "18,0", "20,0", "22,0", "24,5"};
    for (const char* text : expected) {
        HeldKey(spin_, Qt::Key_Up);
        QCOMPARE(spin_->text(), Local(text));
        Tick(100);
    }
    QCOMPARE(spin_->QuickRepeats(), 12);
    QCOMPARE(double(spin_->CurrentStep()), 2.5);
    // An auto-repeated release keeps the pace; a real release starts again from Increment.
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(spin_, &repeatRelease);
    QCOMPARE(double(spin_->CurrentStep()), 2.5);
    QTest::keyRelease(spin_, Qt::Key_Up);
    QCOMPARE(double(spin_->CurrentStep()), 0.5);
    QCOMPARE(spin_->QuickRepeats(), 0);
    HeldKey(spin_, Qt::Key_Down);
    QCOMPARE(spin_->text(), Local("24,0"));
}

void TestSuperSpin::accelerationBoundaries() {
    MakeVpmin();
    for (int i = 0; i < 8; ++i) { // first step and 7 quick repeats: the step is 1.0
        HeldKey(spin_, Qt::Key_Up);
        Tick(200);
    }
    QCOMPARE(double(spin_->CurrentStep()), 1.0);
    Tick(1); // 201 ms since the last step: a pause
    HeldKey(spin_, Qt::Key_Up);
    QCOMPARE(double(spin_->CurrentStep()), 0.5);
    QCOMPARE(spin_->QuickRepeats(), 0);
}

void TestSuperSpin::accelerationStopsAtAFifthOfTheRange() {
    spin_->SetDecimals(0);
    spin_->SetLimits(0, 10); // a fifth of the range is 2
    spin_->SetValue(0);
    const char* expected[] = {"1", "2", "3", "4", "5", "6", "8", "10", "10"};
    for (const char* text : expected) {
        HeldKey(spin_, Qt::Key_Up);
        QCOMPARE(spin_->text(), QString(text));
        Tick(50);
    }
    QCOMPARE(double(spin_->CurrentStep()), 2.0); // 2 is no longer below a fifth of 10
    QCOMPARE(spin_->BeepCount(), 1);             // the last step had no room
}

void TestSuperSpin::noAccelerationWhenUnbounded() {
    spin_->SetDecimals(0);
    spin_->SetValue(20000);
    for (int i = 0; i < 20; ++i) {
        HeldKey(spin_, Qt::Key_Up);
        Tick(50);
    }
    QCOMPARE(spin_->text(), QString("20020"));
    QCOMPARE(double(spin_->CurrentStep()), 1.0);
}

void TestSuperSpin::heldArrowRepeats() {
    MakeVpmin();
    other_->setFocus();
    SpinArrows* arrows = spin_->Arrows();
    QTest::mousePress(arrows, Qt::LeftButton, {}, ArrowPoint(1));
    QVERIFY(spin_->hasFocus()); // pressing an arrow gives the field the focus
    QCOMPARE(spin_->text(), Local("10,5"));
    QVERIFY(arrows->RepeatTimer()->isActive());
    QCOMPARE(arrows->RepeatTimer()->interval(), 400);
    Tick(400);
    arrows->Repeat(); // what the timer does when it runs out
    QCOMPARE(spin_->text(), Local("11,0"));
    QCOMPARE(arrows->RepeatTimer()->interval(), 100);
    // With the pointer moved off the held arrow the repeats pause.
    QTest::mouseMove(arrows, ArrowPoint(-1));
    Tick(100);
    arrows->Repeat();
    QCOMPARE(spin_->text(), Local("11,0"));
    QTest::mouseRelease(arrows, Qt::LeftButton, {}, ArrowPoint(-1));
    QVERIFY(!arrows->RepeatTimer()->isActive());
    QCOMPARE(arrows->Held(), 0);

    Tick(1000);
    QTest::mouseClick(arrows, Qt::LeftButton, {}, ArrowPoint(-1));
    QCOMPARE(spin_->text(), Local("10,5"));
    QVERIFY(!arrows->RepeatTimer()->isActive());

    // Entered through an arrow, a later click in the text places the caret.
    other_->setFocus();
    QTest::mouseClick(arrows, Qt::LeftButton, {}, ArrowPoint(1));
    QVERIFY(spin_->hasFocus());
    QTest::mouseClick(spin_, Qt::LeftButton, {}, QPoint(spin_->width() - 25, 5));
    QVERIFY(!spin_->hasSelectedText());
}

void TestSuperSpin::readOnlyBeeps() {
    MakeVpmin();
    spin_->setReadOnly(true);
    QTest::mouseClick(spin_->Arrows(), Qt::LeftButton, {}, ArrowPoint(1));
    QTest::keyClick(spin_, Qt::Key_Up);
    QTest::keyClick(spin_, '5');
    QTest::keyClick(spin_, Qt::Key_Backspace);
    QCOMPARE(spin_->text(), Local("10,0"));
    QCOMPARE(spin_->BeepCount(), 4);
    QTest::keyClick(spin_, Qt::Key_Shift); // a modifier alone is no key
    QCOMPARE(spin_->BeepCount(), 4);
}

void TestSuperSpin::editorDisabled() {
    MakeVpmin();
    spin_->SetEditorEnabled(false);
    spin_->setCursorPosition(2);
    TypeKeys(spin_, "5-");
    QTest::keyClick(spin_, Qt::Key_Backspace);
    QCOMPARE(spin_->text(), Local("10,0"));
    QCOMPARE(spin_->BeepCount(), 3);
    // Only the arrows and the arrow keys change the value.
    QTest::keyClick(spin_, Qt::Key_Up);
    QCOMPARE(spin_->text(), Local("10,5"));
    // Copy passes; cut and paste do nothing.
    QApplication::clipboard()->setText("7");
    spin_->selectAll();
    QTest::keyClick(spin_, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(spin_, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(spin_->text(), Local("10,5"));
    QCOMPARE(QApplication::clipboard()->text(), QString("7"));
    QTest::keyClick(spin_, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), Local("10,5"));
    QCOMPARE(spin_->BeepCount(), 3);
}

void TestSuperSpin::invalidEntryHandlerOnStep() {
    MakeVpmin();
    int calls = 0;
    spin_->SetOnInvalidEntry([&calls] { ++calls; });
    spin_->SetValue(999.8);
    QTest::keyClick(spin_, Qt::Key_Up);
    QCOMPARE(calls, 1);
    QCOMPARE(spin_->text(), Local("999,8"));
    QCOMPARE(spin_->BeepCount(), 0);
}

// A text that does not convert, met on leaving the field or on a step by key or arrow, ends
// the operation with the program's general error box, as a calculation reading it would: the
// text stays, nothing beeps, and a pressed arrow is let go so that it does not repeat.
void TestSuperSpin::unreadableTextEndsWithTheErrorBox_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("way");
    QTest::newRow("Tab away") << "E"
                              << "tab";
    QTest::newRow("Up key") << "E"
                            << "up";
    QTest::newRow("Down key") << "-E"
                              << "down";
    QTest::newRow("upper arrow") << "E"
                                 << "upper arrow";
    QTest::newRow("lower arrow") << "-E"
                                 << "lower arrow";
}

void TestSuperSpin::unreadableTextEndsWithTheErrorBox() {
    QFETCH(QString, text);
    QFETCH(QString, way);
    MakeVpmin();
    spin_->setText(text);
    SpinArrows* arrows = spin_->Arrows();
    const QList<BoxSeen> boxes = CloseBoxes([&] {
        if (way == "tab")
            QTest::keyClick(spin_, Qt::Key_Tab);
        else if (way == "up" || way == "down")
            QTest::keyClick(spin_, way == "up" ? Qt::Key_Up : Qt::Key_Down);
        else
            QTest::mousePress(arrows, Qt::LeftButton, {},
                              ArrowPoint(way == "upper arrow" ? 1 : -1));
    });
    if (way.contains("arrow")) // the release the box took away
        QTest::mouseRelease(arrows, Qt::LeftButton, {}, ArrowPoint(way == "upper arrow" ? 1 : -1));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, QString("Velkor"));
    QCOMPARE(boxes[0].text, "'" + text + "' is not a valid floating point value.");
    QCOMPARE(boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(boxes[0].buttons, 1);
    QCOMPARE(spin_->text(), text);
    QCOMPARE(spin_->BeepCount(), 0);
    // The offscreen platform gives the activation back only on request, as a desktop
    // would when the box closes; the focus returns to the window's focus field.
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QCOMPARE(spin_->hasFocus(), way != "tab");
    QCOMPARE(arrows->Held(), 0);
    QVERIFY(!arrows->RepeatTimer()->isActive());
    // A readable text steps again at once.
    spin_->setText(Local("10,0"));
    QTest::keyClick(spin_, Qt::Key_Up);
    QCOMPARE(spin_->text(), Local("10,5"));
}

QTEST_MAIN(TestSuperSpin)
#include "test_superspin.moc"
