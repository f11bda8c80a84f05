// The decimal separators of the numeric fields: a spin field takes "." and "," alike as the
// regional separator, the keypad's decimal key types the regional one in every numeric field,
// a paste that holds no number leaves a spin field as it was, and a field with at most two
// free decimals shows whole numbers as whole numbers.
#include "keypad_decimal.h"
#include "numedit_testing.h"
#include "superspin.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <memory>

using namespace numedit_testing;

class TestSpinSeparators : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void eitherSeparatorIsTheDecimal_data();
    void eitherSeparatorIsTheDecimal();
    void plainNumberFieldKeepsRefusingTheOther();
    void keypadDecimalKey_data();
    void keypadDecimalKey();
    void pasteWithoutANumberIsRefused_data();
    void pasteWithoutANumberIsRefused();
    void twoDecimalsAtMost();

private:
    std::unique_ptr<QWidget> window_;
    SuperSpin* spin_ = nullptr;
    NumEdit* plain_ = nullptr;
    QLineEdit* line_ = nullptr;
    QLineEdit* other_ = nullptr;
};

void TestSpinSeparators::init() {
    window_ = std::make_unique<QWidget>();
    window_->resize(240, 160);
    spin_ = new SuperSpin(window_.get());
    // As FATTF's neighbour DCMQ: free decimals, 1..10.
    spin_->SetDecimals(-1);
    spin_->SetLimits(1, 10);
    spin_->SetValue(4);
    plain_ = new NumEdit(window_.get());
    plain_->move(0, 30);
    plain_->SetDecimals(-1);
    line_ = new QLineEdit(window_.get());
    line_->move(0, 60);
    velkor::ui::TypeRegionalDecimalOnKeypad(line_);
    other_ = new QLineEdit(window_.get());
    other_->move(0, 90);
    ShowActive(window_.get());
}

void TestSpinSeparators::cleanup() {
    window_.reset();
}

void TestSpinSeparators::eitherSeparatorIsTheDecimal_data() {
    QTest::addColumn<QString>("keys"); // as typed, "." and "," themselves
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    QTest::newRow("point") << "4.5"
                           << "4,5" << 0;
    QTest::newRow("comma") << "4,5"
                           << "4,5" << 0;
    // A second separator of either kind adds none: it jumps behind the first, as today.
    QTest::newRow("second point") << "4.5.2"
                                  << "4,25" << 0;
    QTest::newRow("point then comma") << "4.5,2"
                                      << "4,25" << 0;
    QTest::newRow("whole number") << "7"
                                  << "7" << 0;
}

// "4.5" under a decimal comma was 45, then the limit 10; now it is 4,5 under both settings.
void TestSpinSeparators::eitherSeparatorIsTheDecimal() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(int, beeps);
    spin_->setFocus();
    spin_->selectAll();
    for (QChar c : keys)
        QTest::keyClick(spin_, c.toLatin1());
    other_->setFocus(); // leaving applies the limits
    QCOMPARE(spin_->text(), Local(shown));
    QCOMPARE(spin_->BeepCount(), beeps);
}

// A field that is no spin field (it may show thousands separators) still refuses the other one.
void TestSpinSeparators::plainNumberFieldKeepsRefusingTheOther() {
    plain_->setFocus();
    plain_->selectAll();
    TypeKeys(plain_, "4X5");
    QCOMPARE(plain_->text(), QString("45"));
    QCOMPARE(plain_->BeepCount(), 1);
}

void TestSpinSeparators::keypadDecimalKey_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("keypad point") << int(Qt::Key_Period);
    QTest::newRow("keypad comma") << int(Qt::Key_Comma);
}

// Whatever the layout puts on the keypad's decimal key, it types the regional separator: in
// a spin field, a plain number field and a plain line edit that holds a number; the same key
// off the keypad types itself in the line edit.
void TestSpinSeparators::keypadDecimalKey() {
    QFETCH(int, key);
    const auto typeOnKeypad = [key](QWidget* field) {
        field->setFocus();
        QTest::keyClick(field, '1');
        QTest::keyClick(field, Qt::Key(key), Qt::KeypadModifier);
        QTest::keyClick(field, '5');
    };
    spin_->setFocus();
    spin_->selectAll();
    typeOnKeypad(spin_);
    QCOMPARE(spin_->text(), Local("1,5"));
    plain_->setFocus();
    plain_->selectAll();
    typeOnKeypad(plain_);
    QCOMPARE(plain_->text(), Local("1,5"));
    QCOMPARE(plain_->BeepCount(), 0);
    typeOnKeypad(line_);
    QCOMPARE(line_->text(), Local("1,5"));

    line_->clear();
    QTest::keyClick(line_, Qt::Key(key), Qt::NoModifier);
    QCOMPARE(line_->text(), QString(key == Qt::Key_Period ? "." : ","));
    QTest::keyClick(other_, Qt::Key(key), Qt::KeypadModifier); // a field left as it was
    QCOMPARE(other_->text(), QString(key == Qt::Key_Period ? "." : ","));
}

void TestSpinSeparators::pasteWithoutANumberIsRefused_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    QTest::newRow("words") << "hello"
                           << "50" << 1;
    QTest::newRow("blank") << " "
                           << "50" << 1;
    QTest::newRow("a lone separator") << "."
                                      << "50" << 1;
    QTest::newRow("a number") << "60"
                              << "60" << 0;
    QTest::newRow("a number with a point") << "4.5"
                                           << "4,5" << 0;
    QTest::newRow("a number among words") << "f = 40 Hz"
                                          << "40" << 7;
}

// "hello" pasted into TAFREQ was 0 Hz; now the field stays as it was, with the beep.
void TestSpinSeparators::pasteWithoutANumberIsRefused() {
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QFETCH(int, beeps);
    spin_->SetLimits(0, 0);
    spin_->SetValue(50);
    spin_->setFocus();
    spin_->selectAll();
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(spin_, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(spin_->text(), Local(shown));
    QCOMPARE(spin_->BeepCount(), beeps);
}

// FATTF: whole numbers as before ("4", its arrows step to "5"), and 4.44 as its hint offers.
void TestSpinSeparators::twoDecimalsAtMost() {
    spin_->SetMostDecimals(2);
    QCOMPARE(spin_->text(), QString("4"));
    QTest::keyClick(spin_, Qt::Key_Up);
    QCOMPARE(spin_->text(), QString("5"));
    spin_->setFocus();
    spin_->selectAll();
    for (QChar c : QString("4.444"))
        QTest::keyClick(spin_, c.toLatin1());
    QCOMPARE(spin_->text(), Local("4,44"));
    QCOMPARE(spin_->BeepCount(), 1); // the third decimal
    other_->setFocus();
    QCOMPARE(spin_->text(), Local("4,44"));
    QCOMPARE(spin_->Value(), 4.44L);
    spin_->SetValue(4.446L);
    QCOMPARE(spin_->text(), Local("4,45"));
    spin_->SetValue(4.5L);
    QCOMPARE(spin_->text(), Local("4,5"));

    // Without the setting, free decimals show what the value holds.
    spin_->SetMostDecimals(0);
    spin_->SetValue(4.446L);
    QCOMPARE(spin_->text(), Local("4,446"));
}

QTEST_MAIN(TestSpinSeparators)
#include "test_spin_separators.moc"
