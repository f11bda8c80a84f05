// NumEdit through real key and mouse events: formatting, the typed-character filter,
// deleting, the clipboard, entering and leaving with the limits.
#include "faults.h"
#include "numedit.h"
#include "numedit_testing.h"

#include <QClipboard>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <memory>

using namespace numedit_testing;
using Format = NumEdit::Format;

Q_DECLARE_METATYPE(NumEdit::Format)

class TestNumEdit : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void formatting_data();
    void formatting();
    void decimalsClamping_data();
    void decimalsClamping();
    void invertedLimitsIgnored();
    void valueReading_data();
    void valueReading();
    void writingNeverAppliesLimits();
    void decimalsAndFormatReformat();
    void typing_data();
    void typing();
    void minusAtTheExponentMark_data();
    void minusAtTheExponentMark();
    void exponentJumpLandsBehindTheMark_data();
    void exponentJumpLandsBehindTheMark();
    void modifiedKeysRefused();
    void randomKeysKeepANumber_data();
    void randomKeysKeepANumber();
    void readOnlyIgnoresKeys();
    void deleting_data();
    void deleting();
    void selectionCountsItsExponentMark_data();
    void selectionCountsItsExponentMark();
    void copyAndCut();
    void pasteFeedsEveryCharacterThroughTheFilter();
    void clearRequest();
    void enteringSelectsAll();
    void leaving_data();
    void leaving();
    void invalidEntryHandlerReplacesCorrection();
    void noFocusButtonLeavesTypedValue();
    void unreadableTextSurvivesLeaving();
    void colours();

private:
    // Sets the text and the caret (or a selection; length -1 selects the whole text).
    void Prepare(const QString& text, int start, int length);
    // The columns of a typing table, and its check on the current row.
    static void TypingColumns();
    void CheckTyping();
    static void DeletingColumns();
    void CheckDeleting();

    std::unique_ptr<QWidget> window_;
    NumEdit* field_ = nullptr;
    QLineEdit* other_ = nullptr;
};

void TestNumEdit::init() {
    window_ = std::make_unique<QWidget>();
    window_->resize(240, 120);
    field_ = new NumEdit(window_.get());
    field_->setObjectName("field");
    other_ = new QLineEdit(window_.get());
    other_->move(0, 40);
    ShowActive(window_.get());
    field_->setFocus();
    QVERIFY(field_->hasFocus());
}

void TestNumEdit::cleanup() {
    window_.reset();
}

void TestNumEdit::Prepare(const QString& text, int start, int length) {
    field_->setText(Local(text));
    if (length < 0)
        field_->selectAll();
    else if (length > 0)
        field_->setSelection(start, length);
    else
        field_->setCursorPosition(start);
}

void TestNumEdit::formatting_data() {
    QTest::addColumn<Format>("format");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("valueAsDouble");
    QTest::addColumn<QString>("expected");
    QTest::newRow("13.9, one decimal") << Format::Standard << 1 << 13.9 << "13,9";
    QTest::newRow("20000, whole") << Format::Standard << 0 << 20000.0 << "20000";
    QTest::newRow("4.9338, free") << Format::Standard << -1 << 4.9338 << "4,9338";
    QTest::newRow("8, free") << Format::Standard << -1 << 8.0 << "8";
    QTest::newRow("0, one decimal") << Format::Standard << 1 << 0.0 << "0,0";
    QTest::newRow("halves away from zero") << Format::Standard << 2 << 0.125 << "0,13";
    QTest::newRow("2.5 whole") << Format::Standard << 0 << 2.5 << "3";
    QTest::newRow("negative rounding to zero") << Format::Standard << 1 << -0.04 << "0,0";
    QTest::newRow("free, a double's tail hidden")
        << Format::Standard << -1 << 1234.5678 << "1234,5678";
    QTest::newRow("15 significant digits, zeros after")
        << Format::Standard << 5 << 123456789012.123456789 << "123456789012,12300";
    QTest::newRow("16 whole digits keep their decimals as zeros")
        << Format::Standard << 2 << 1234567890123456.0 << "1234567890123456,00";
    QTest::newRow("huge value with exponent") << Format::Standard << -1 << 1e20 << "1E20";
    QTest::newRow("huge, free, mantissa decimals")
        << Format::Standard << -1 << 9.025e300 << "9,025E300";
    // A whole-number field shows no separator, even with an exponent: the mantissa's
    // decimals move before the "E".
    QTest::newRow("huge, whole") << Format::Standard << 0 << 9.025e300 << "9025E297";
    QTest::newRow("huge, whole, from 1E18") << Format::Standard << 0 << 1.5e18 << "15E17";
    QTest::newRow("huge, whole, round") << Format::Standard << 0 << 1e20 << "1E20";
    QTest::newRow("huge, whole, negative") << Format::Standard << 0 << -2.5e20 << "-25E19";
    QTest::newRow("huge, whole, 15 digits")
        << Format::Standard << 0 << 1.23456789012345e200 << "123456789012345E186";
    QTest::newRow("huge, whole, thousands") << Format::Thousands << 0 << 1.5e18 << "15E17";
    QTest::newRow("thousands, two decimals")
        << Format::Thousands << 2 << 1234567.25 << "1_234_567,25";
    QTest::newRow("thousands, free decimals to 15 digits")
        << Format::Thousands << -1 << 1234567.123456789 << "1_234_567,12345679";
    QTest::newRow("thousands, negative") << Format::Thousands << 0 << -1234.0 << "-1_234";
    QTest::newRow("thousands, three digits") << Format::Thousands << 0 << 999.0 << "999";
    QTest::newRow("thousands, six digits") << Format::Thousands << 0 << 123456.0 << "123_456";
    QTest::newRow("scientific") << Format::Scientific << 2 << 1500.0 << "1,50E3";
    QTest::newRow("scientific, small") << Format::Scientific << -1 << 0.00025 << "2,5E-4";
    QTest::newRow("scientific, carried") << Format::Scientific << 2 << 9.996 << "1,00E1";
    QTest::newRow("scientific, zero") << Format::Scientific << 1 << 0.0 << "0,0E0";
    QTest::newRow("scientific, negative") << Format::Scientific << 0 << -1500.0 << "-2E3";
    QTest::newRow("engineering, small") << Format::Engineering << -1 << 0.00025 << "250E-6";
    QTest::newRow("engineering") << Format::Engineering << 3 << 12345.0 << "12,345E3";
    QTest::newRow("engineering, carried") << Format::Engineering << 1 << 999.96 << "1,0E3";
}

void TestNumEdit::formatting() {
    QFETCH(Format, format);
    QFETCH(int, decimals);
    QFETCH(double, valueAsDouble);
    QFETCH(QString, expected);
    field_->SetNumberFormat(format);
    field_->SetDecimals(decimals);
    field_->SetValue(valueAsDouble);
    QCOMPARE(field_->text(), Local(expected));
    QVERIFY(std::isfinite(double(field_->Value()))); // every layout reads back
}

void TestNumEdit::decimalsClamping_data() {
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("stored");
    QTest::newRow("negative is free") << 0 << -5 << -1;
    QTest::newRow("above 14") << 0 << 20 << 14;
    QTest::newRow("fixed") << 0 << 7 << 7;
    QTest::newRow("MaxLength 5 allows 3") << 5 << 9 << 3;
    QTest::newRow("MaxLength 5, 2 kept") << 5 << 2 << 2;
    QTest::newRow("MaxLength 2 allows none") << 2 << 3 << 0;
}

void TestNumEdit::decimalsClamping() {
    QFETCH(int, maxLength);
    QFETCH(int, decimals);
    QFETCH(int, stored);
    field_->SetMaxLength(maxLength);
    field_->SetDecimals(decimals);
    QCOMPARE(field_->Decimals(), stored);
}

void TestNumEdit::invertedLimitsIgnored() {
    field_->SetMinValue(1); // above MaxValue 0: ignored
    QCOMPARE(double(field_->MinValue()), 0.0);
    QVERIFY(!field_->Bounded());
    field_->SetMaxValue(1000);
    field_->SetMinValue(1);
    QCOMPARE(double(field_->MinValue()), 1.0);
    field_->SetMaxValue(0.5); // below MinValue: ignored
    QCOMPARE(double(field_->MaxValue()), 1000.0);
    field_->SetMinValue(2000); // above MaxValue: ignored
    QCOMPARE(double(field_->MinValue()), 1.0);
    NumEdit fresh;
    fresh.SetLimits(1, 1000);
    QCOMPARE(double(fresh.MinValue()), 1.0);
    QCOMPARE(double(fresh.MaxValue()), 1000.0);
}

void TestNumEdit::valueReading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<double>("value");
    QTest::newRow("empty is 0") << "" << true << 0.0;
    QTest::newRow("lone minus") << "-" << true << 0.0;
    QTest::newRow("decimal") << "12,5" << true << 12.5;
    QTest::newRow("thousands dropped") << "1_234,5" << true << 1234.5;
    QTest::newRow("exponent") << "1E3" << true << 1000.0;
    QTest::newRow("exponent without digits") << "1E" << true << 1.0;
    QTest::newRow("E alone") << "E" << false << 0.0;
    QTest::newRow("minus E") << "-E" << false << 0.0;
}

void TestNumEdit::valueReading() {
    QFETCH(QString, text);
    QFETCH(bool, converts);
    QFETCH(double, value);
    field_->setText(Local(text));
    if (!converts) {
        QVERIFY_THROWS_EXCEPTION(velkor::ConversionError, field_->Value());
        try {
            field_->Value();
        } catch (const velkor::ConversionError& error) {
            QCOMPARE(QString::fromStdString(error.description()),
                     "'" + Local(text) + "' is not a valid floating point value");
        }
        return;
    }
    QCOMPARE(double(field_->Value()), value);
}

void TestNumEdit::writingNeverAppliesLimits() {
    field_->SetLimits(1, 1000);
    field_->SetDecimals(1);
    field_->SetValue(2000);
    QCOMPARE(field_->text(), Local("2000,0"));
    QCOMPARE(field_->BeepCount(), 0);
    // The text is replaced only when it differs.
    QSignalSpy changes(field_, &QLineEdit::textChanged);
    field_->SetValue(2000);
    QCOMPARE(changes.count(), 0);
}

void TestNumEdit::decimalsAndFormatReformat() {
    // Decimals before Value: the default shows with the field's own decimals.
    field_->SetDecimals(1);
    QCOMPARE(field_->text(), Local("0,0"));
    field_->SetValue(13.9);
    QCOMPARE(field_->text(), Local("13,9"));
    field_->SetDecimals(3);
    QCOMPARE(field_->text(), Local("13,900"));
    field_->SetDecimals(0);
    QCOMPARE(field_->text(), Local("14"));
    field_->SetValue(1234);
    field_->SetNumberFormat(Format::Thousands);
    QCOMPARE(field_->text(), Local("1_234"));
    field_->setText("E"); // an unreadable text stays as typed
    field_->SetDecimals(2);
    QCOMPARE(field_->text(), QString("E"));
}

void TestNumEdit::TypingColumns() {
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength"); // 0: caret at selStart; -1: whole text
    QTest::addColumn<QString>("keys");  // D: regional separator, X: the other one
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("beeps");
}

void TestNumEdit::typing_data() {
    TypingColumns();
    // clang-format off
    QTest::newRow("whole selection, digit") << 1 << 0 << "13,9" << 0 << -1 << "7" << "7,0" << 1 << 0;
    QTest::newRow("typing a whole number") << 1 << 0 << "0,0" << 0 << -1 << "2000" << "2000,0" << 4 << 0;
    QTest::newRow("typing decimals") << 2 << 0 << "0,00" << 0 << -1 << "12D75" << "12,75" << 5 << 0;
    QTest::newRow("other separator beeps") << 1 << 0 << "10,0" << 4 << 0 << "X" << "10,0" << 4 << 1;
    QTest::newRow("separator in a whole field") << 0 << 0 << "20000" << 5 << 0 << "D" << "20000" << 5 << 1;
    QTest::newRow("foreign characters") << -1 << 0 << "12" << 2 << 0 << "a +/" << "12" << 2 << 4;
    QTest::newRow("e becomes E, appended") << -1 << 0 << "5" << 0 << 0 << "e" << "5E" << 2 << 0;
    QTest::newRow("second E jumps") << -1 << 0 << "5E3" << 0 << 0 << "E" << "5E3" << 2 << 0;
    QTest::newRow("E collapses a selection") << 1 << 0 << "12,5" << 0 << -1 << "E" << "12,5E" << 5 << 0;
    QTest::newRow("minus puts the sign") << -1 << 0 << "12" << 1 << 0 << "-" << "-12" << 2 << 0;
    QTest::newRow("minus takes the sign") << -1 << 0 << "-12" << 2 << 0 << "-" << "12" << 1 << 0;
    QTest::newRow("caret behind leading minus") << -1 << 0 << "-12" << 0 << 0 << "5" << "-512" << 2 << 0;
    QTest::newRow("exponent sign put") << -1 << 0 << "1E5" << 3 << 0 << "-" << "1E-5" << 4 << 0;
    QTest::newRow("exponent sign taken") << -1 << 0 << "1E-5" << 4 << 0 << "-" << "1E5" << 3 << 0;
    QTest::newRow("caret behind exponent minus") << -1 << 0 << "1E-5" << 2 << 0 << "3" << "1E-35" << 4 << 0;
    QTest::newRow("minus deletes a selection") << 0 << 0 << "123" << 1 << 1 << "-" << "-13" << 2 << 0;
    QTest::newRow("separator jumps") << -1 << 0 << "1,5" << 0 << 0 << "D" << "1,5" << 2 << 0;
    QTest::newRow("free separator at the end") << -1 << 0 << "15" << 1 << 0 << "D" << "15," << 3 << 0;
    QTest::newRow("free separator before E") << -1 << 0 << "15E3" << 1 << 0 << "D" << "15,E3" << 3 << 0;
    QTest::newRow("fixed separator at caret") << 2 << 0 << "15" << 1 << 0 << "D" << "1,5" << 2 << 0;
    QTest::newRow("leading zero, caret before") << -1 << 0 << "0" << 0 << 0 << "7" << "7" << 1 << 0;
    QTest::newRow("leading zero, caret behind") << -1 << 0 << "0" << 1 << 0 << "7" << "7" << 1 << 0;
    QTest::newRow("zero after minus, caret 1") << 1 << 0 << "-0,5" << 1 << 0 << "3" << "-3,5" << 2 << 0;
    QTest::newRow("zero after minus, caret 2") << 1 << 0 << "-0,5" << 2 << 0 << "3" << "-3,5" << 2 << 0;
    QTest::newRow("zero after E") << -1 << 0 << "1E0" << 2 << 0 << "7" << "1E7" << 3 << 0;
    QTest::newRow("exponent 4932") << -1 << 0 << "1E493" << 5 << 0 << "2" << "1E4932" << 6 << 0;
    QTest::newRow("exponent 4933") << -1 << 0 << "1E493" << 5 << 0 << "3" << "1E493" << 5 << 1;
    QTest::newRow("exponent -9999") << -1 << 0 << "1E-999" << 6 << 0 << "9" << "1E-999" << 6 << 1;
    QTest::newRow("fixed decimal overwritten") << 1 << 0 << "1,5" << 2 << 0 << "7" << "1,7" << 3 << 0;
    QTest::newRow("beyond the last decimal") << 1 << 0 << "1,7" << 3 << 0 << "8" << "1,7" << 3 << 1;
    QTest::newRow("free decimal inserted") << -1 << 0 << "1,2" << 3 << 0 << "3" << "1,23" << 4 << 0;
    QTest::newRow("whole digit inserted") << 0 << 0 << "12" << 1 << 0 << "3" << "132" << 2 << 0;
    QTest::newRow("MaxLength stops growth") << -1 << 4 << "1234" << 4 << 0 << "5" << "1234" << 4 << 1;
    QTest::newRow("MaxLength lets overwrite") << 1 << 4 << "12,5" << 3 << 0 << "7" << "12,7" << 4 << 0;
    // clang-format on
}

void TestNumEdit::typing() {
    CheckTyping();
}

// A "-" typed with the caret at the "E" (just before it) toggles the exponent's sign; the
// caret keeps its place before the "E". Before the mantissa it is the number's sign.
void TestNumEdit::minusAtTheExponentMark_data() {
    TypingColumns();
    // clang-format off
    QTest::newRow("sign put") << -1 << 0 << "1E5" << 1 << 0 << "-" << "1E-5" << 1 << 0;
    QTest::newRow("sign taken") << -1 << 0 << "1E-5" << 1 << 0 << "-" << "1E5" << 1 << 0;
    QTest::newRow("negative number") << -1 << 0 << "-2,5E3" << 4 << 0 << "-" << "-2,5E-3" << 4 << 0;
    QTest::newRow("fixed decimals") << 2 << 0 << "1,50E2" << 4 << 0 << "-" << "1,50E-2" << 4 << 0;
    QTest::newRow("mark alone") << -1 << 0 << "E5" << 0 << 0 << "-" << "E-5" << 0 << 0;
    QTest::newRow("twice") << -1 << 0 << "7E2" << 1 << 0 << "--" << "7E2" << 1 << 0;
    QTest::newRow("then a digit") << -1 << 0 << "7E2" << 1 << 0 << "-3" << "73E-2" << 2 << 0;
    QTest::newRow("full field") << -1 << 3 << "1E5" << 1 << 0 << "-" << "1E5" << 1 << 1;
    QTest::newRow("before the mantissa: the number") << -1 << 0 << "1E5" << 0 << 0 << "-" << "-1E5" << 1 << 0;
    QTest::newRow("behind the mark") << -1 << 0 << "1E5" << 2 << 0 << "-" << "1E-5" << 3 << 0;
    // clang-format on
}

void TestNumEdit::minusAtTheExponentMark() {
    CheckTyping();
}

// An "E" typed into a text that has one moves the caret just behind that "E", also when the
// exponent's minus sign follows it.
void TestNumEdit::exponentJumpLandsBehindTheMark_data() {
    TypingColumns();
    // clang-format off
    QTest::newRow("from the start") << -1 << 0 << "1E-5" << 0 << 0 << "E" << "1E-5" << 2 << 0;
    QTest::newRow("from the end") << -1 << 0 << "1E-5" << 4 << 0 << "E" << "1E-5" << 2 << 0;
    QTest::newRow("from behind the minus") << -1 << 0 << "1E-5" << 3 << 0 << "e" << "1E-5" << 2 << 0;
    QTest::newRow("positive exponent") << -1 << 0 << "12E34" << 5 << 0 << "E" << "12E34" << 3 << 0;
    QTest::newRow("from a selection") << 1 << 0 << "12,5E-3" << 0 << -1 << "E" << "12,5E-3" << 5 << 0;
    QTest::newRow("then a digit") << -1 << 0 << "1E-5" << 0 << 0 << "E7" << "1E-75" << 4 << 0;
    QTest::newRow("then a minus") << -1 << 0 << "1E-5" << 0 << 0 << "E-" << "1E5" << 2 << 0;
    // clang-format on
}

void TestNumEdit::exponentJumpLandsBehindTheMark() {
    CheckTyping();
}

void TestNumEdit::CheckTyping() {
    QFETCH(int, decimals);
    QFETCH(int, maxLength);
    QFETCH(QString, start);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    QFETCH(int, beeps);
    field_->SetMaxLength(maxLength);
    field_->SetDecimals(decimals);
    Prepare(start, selStart, selLength);
    TypeKeys(field_, keys);
    QCOMPARE(field_->text(), Local(expected));
    QCOMPARE(field_->cursorPosition(), caret);
    QCOMPARE(field_->BeepCount(), beeps);
}

void TestNumEdit::modifiedKeysRefused() {
    Prepare("12", 2, 0);
    QTest::keyClick(field_, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(field_, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(field_->text(), QString("12"));
    QCOMPARE(field_->BeepCount(), 2);
    // Navigation keys pass and do not beep.
    QTest::keyClick(field_, Qt::Key_Home);
    QCOMPARE(field_->cursorPosition(), 0);
    QTest::keyClick(field_, Qt::Key_Right);
    QCOMPARE(field_->cursorPosition(), 1);
    QCOMPARE(field_->BeepCount(), 2);
}

void TestNumEdit::randomKeysKeepANumber_data() {
    QTest::addColumn<int>("decimals");
    QTest::newRow("free") << -1;
    QTest::newRow("whole") << 0;
    QTest::newRow("two decimals") << 2;
}

// Whatever is typed, the text stays a number: at most one separator and one "E", a minus
// only in front or right after the "E", and reading it fails only with a conversion error.
void TestNumEdit::randomKeysKeepANumber() {
    QFETCH(int, decimals);
    field_->SetDecimals(decimals);
    QRandomGenerator random(20041208u + decimals);
    const QString characters = QStringLiteral("0123456789-eEDXa");
    const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
                            Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End};
    for (int i = 0; i < 3000; ++i) {
        const int pick = random.bounded(characters.size() + 8);
        if (pick < characters.size())
            TypeKeys(field_, characters.mid(pick, 1));
        else if (pick < characters.size() + 6)
            QTest::keyClick(field_, keys[pick - characters.size()]);
        else if (pick == characters.size() + 6)
            field_->selectAll();
        else
            field_->setSelection(random.bounded(int(field_->text().size()) + 1), random.bounded(3));
        const QString text = field_->text();
        QVERIFY2(text.count(Decimal()) <= 1, qPrintable(text));
        QVERIFY2(text.count('E') <= 1, qPrintable(text));
        if (decimals == 0)
            QVERIFY2(!text.contains(Decimal()), qPrintable(text));
        const int exponent = int(text.indexOf('E'));
        for (int at = 0; at < text.size(); ++at) {
            const QChar c = text.at(at);
            const bool digit = c >= '0' && c <= '9';
            const bool minus = c == '-' && (at == 0 || (exponent >= 0 && at == exponent + 1));
            QVERIFY2(digit || minus || c == 'E' || c == Decimal(), qPrintable(text));
        }
        try {
            field_->Value();
        } catch (const velkor::ConversionError&) {
        }
    }
}

void TestNumEdit::readOnlyIgnoresKeys() {
    field_->setReadOnly(true);
    Prepare("12", 2, 0);
    TypeKeys(field_, "5a-");
    QTest::keyClick(field_, Qt::Key_Backspace);
    QTest::keyClick(field_, Qt::Key_Delete);
    QCOMPARE(field_->text(), QString("12"));
    QCOMPARE(field_->BeepCount(), 0);
}

void TestNumEdit::DeletingColumns() {
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<bool>("forward"); // Delete, else Backspace
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
}

void TestNumEdit::deleting_data() {
    DeletingColumns();
    // clang-format off
    QTest::newRow("the 1 of 1,5") << 1 << "1,5" << 1 << 0 << false << "0,5" << 0;
    QTest::newRow("the 5 of 1,5") << 1 << "1,5" << 3 << 0 << false << "1,0" << 2;
    QTest::newRow("backspace passes over separator") << 1 << "1,5" << 2 << 0 << false << "0,5" << 0;
    QTest::newRow("delete passes over separator") << 1 << "1,5" << 1 << 0 << true << "1,0" << 2;
    QTest::newRow("fixed decimals refilled") << 2 << "12,34" << 3 << 0 << true << "12,40" << 3;
    QTest::newRow("free decimal removed") << -1 << "1,25" << 4 << 0 << false << "1,2" << 3;
    QTest::newRow("leading minus") << -1 << "-5" << 1 << 0 << false << "5" << 0;
    QTest::newRow("lone minus gives 0") << -1 << "-" << 1 << 0 << false << "0" << 0;
    QTest::newRow("only digit becomes 0") << -1 << "5" << 1 << 0 << false << "0" << 0;
    QTest::newRow("one of two digits") << -1 << "25" << 1 << 0 << false << "5" << 0;
    QTest::newRow("backspace passes over E") << -1 << "1E5" << 2 << 0 << false << "0E5" << 0;
    QTest::newRow("exponent digit") << -1 << "1E53" << 4 << 0 << false << "1E5" << 3;
    QTest::newRow("delete passes over E") << -1 << "1E53" << 1 << 0 << true << "1E3" << 2;
    QTest::newRow("thousands passed over") << 0 << "12_345" << 3 << 0 << false << "1_345" << 1;
    QTest::newRow("nothing before the caret") << -1 << "12" << 0 << 0 << false << "12" << 0;
    QTest::newRow("nothing behind the caret") << -1 << "12" << 2 << 0 << true << "12" << 2;
    QTest::newRow("whole text, fixed") << 1 << "13,9" << 0 << -1 << true << "0,0" << 0;
    QTest::newRow("whole text, free") << -1 << "4,9338" << 0 << -1 << false << "0" << 0;
    QTest::newRow("selection across separator") << 2 << "12,34" << 1 << 3 << false << "1,40" << 1;
    QTest::newRow("selection of decimals") << 2 << "12,34" << 3 << 2 << true << "12,00" << 3;
    // clang-format on
}

void TestNumEdit::deleting() {
    CheckDeleting();
}

// A selection is deleted by one Backspace per selected character, the decimal and thousands
// separators not counted; a selected "E" counts, and its Backspace passes over it to the
// character before it.
void TestNumEdit::selectionCountsItsExponentMark_data() {
    DeletingColumns();
    // clang-format off
    QTest::newRow("E and exponent") << -1 << "1,5E3" << 3 << 2 << false << "1,E" << 2;
    QTest::newRow("E inside") << -1 << "12E34" << 1 << 3 << false << "0E4" << 0;
    QTest::newRow("fixed decimals refilled") << 2 << "2,50E1" << 3 << 2 << true << "2,00E1" << 2;
    QTest::newRow("E alone") << -1 << "25E3" << 2 << 1 << false << "2E3" << 1;
    // clang-format on
}

void TestNumEdit::selectionCountsItsExponentMark() {
    CheckDeleting();
}

void TestNumEdit::CheckDeleting() {
    QFETCH(int, decimals);
    QFETCH(QString, start);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(bool, forward);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    field_->SetDecimals(decimals);
    Prepare(start, selStart, selLength);
    QTest::keyClick(field_, forward ? Qt::Key_Delete : Qt::Key_Backspace);
    QCOMPARE(field_->text(), Local(expected));
    QCOMPARE(field_->cursorPosition(), caret);
    QCOMPARE(field_->BeepCount(), 0);
}

void TestNumEdit::copyAndCut() {
    QClipboard* clipboard = QApplication::clipboard();
    field_->SetDecimals(2);
    field_->SetNumberFormat(Format::Thousands);
    field_->SetValue(1234567.25);
    field_->selectAll();
    QTest::keyClick(field_, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), Local("1234567,25")); // without thousands separators
    QCOMPARE(field_->text(), Local("1_234_567,25"));

    field_->SetNumberFormat(Format::Standard);
    Prepare("12,34", 3, 2);
    QTest::keyClick(field_, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QString("34"));
    QCOMPARE(field_->text(), Local("12,00"));

    field_->setReadOnly(true); // a read-only field copies but does not cut
    Prepare("12,34", 0, 2);
    QTest::keyClick(field_, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QString("34"));
    QCOMPARE(field_->text(), Local("12,34"));
}

void TestNumEdit::pasteFeedsEveryCharacterThroughTheFilter() {
    QClipboard* clipboard = QApplication::clipboard();
    field_->SetDecimals(2);
    QString mixed = "a1X2D75";
    mixed.replace('X', OtherSeparator()).replace('D', Decimal());
    clipboard->setText(mixed);
    Prepare("13,90", 0, -1);
    QTest::keyClick(field_, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field_->text(), Local("12,75"));
    QCOMPARE(field_->BeepCount(), 2); // "a" and the other separator

    // Shift+Insert is a paste too; here the digit after the leading minus replaces the 0.
    clipboard->setText("-4");
    Prepare("0,00", 0, -1);
    QTest::keyClick(field_, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(field_->text(), Local("-4,00"));

    field_->setReadOnly(true);
    Prepare("1,00", 0, -1);
    QTest::keyClick(field_, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field_->text(), Local("1,00"));
    QCOMPARE(field_->BeepCount(), 2);
}

void TestNumEdit::clearRequest() {
    field_->SetDecimals(1);
    Prepare("12,5", 0, 2);
    field_->ClearRequest();
    QCOMPARE(field_->text(), Local("0,5"));
    int cleared = 0;
    field_->SetOnClear([&cleared] { ++cleared; });
    Prepare("12,5", 0, 2);
    field_->ClearRequest();
    QCOMPARE(cleared, 1);
    QCOMPARE(field_->text(), Local("12,5"));
}

void TestNumEdit::enteringSelectsAll() {
    field_->SetDecimals(1);
    field_->SetValue(13.9);
    other_->setFocus();
    QTest::keyClick(other_, Qt::Key_Backtab);
    QVERIFY(field_->hasFocus());
    QCOMPARE(field_->selectedText(), field_->text());

    // Entered by a left click: the whole text is selected again after the click.
    other_->setFocus();
    QTest::mouseClick(field_, Qt::LeftButton, {}, QPoint(field_->width() - 10, 5));
    QVERIFY(field_->hasFocus());
    QCOMPARE(field_->selectedText(), field_->text());
    // A click inside the field it already has places the caret.
    QTest::mouseClick(field_, Qt::LeftButton, {}, QPoint(field_->width() - 10, 5));
    QVERIFY(!field_->hasSelectedText());

    field_->SetAutoSelect(false);
    other_->setFocus();
    QTest::keyClick(other_, Qt::Key_Backtab);
    QVERIFY(field_->hasFocus());
    QVERIFY(!field_->hasSelectedText());
}

void TestNumEdit::leaving_data() {
    QTest::addColumn<double>("minValue");
    QTest::addColumn<double>("maxValue");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("corrected"); // beep, focus kept, no leave notification
    // clang-format off
    QTest::newRow("above the limit") << 1.0 << 1000.0 << 1 << "2000" << "1000,0" << true;
    QTest::newRow("below the limit") << 1.0 << 1000.0 << 1 << "0D5" << "1,0" << true;
    QTest::newRow("at the limit") << 1.0 << 1000.0 << 1 << "1000" << "1000,0" << false;
    QTest::newRow("fixed decimals re-formatted") << 1.0 << 1000.0 << 2 << "12D5" << "12,50" << false;
    QTest::newRow("free decimals re-formatted") << 0.0 << 0.0 << -1 << "1D500" << "1,5" << false;
    QTest::newRow("unbounded keeps 52,5") << 0.0 << 0.0 << -1 << "52D5" << "52,5" << false;
    QTest::newRow("negative limits") << -10.0 << -1.0 << 0 << "5" << "-1" << true;
    QTest::newRow("exponent re-formatted") << 0.0 << 0.0 << -1 << "15E2" << "1500" << false;
    // clang-format on
}

void TestNumEdit::leaving() {
    QFETCH(double, minValue);
    QFETCH(double, maxValue);
    QFETCH(int, decimals);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(bool, corrected);
    field_->SetLimits(minValue, maxValue);
    field_->SetDecimals(decimals);
    QSignalSpy left(field_, &NumEdit::left);
    field_->selectAll();
    TypeKeys(field_, keys);
    QTest::keyClick(field_, Qt::Key_Tab);
    QCOMPARE(field_->text(), Local(expected));
    QCOMPARE(field_->BeepCount(), corrected ? 1 : 0);
    QCOMPARE(field_->hasFocus(), corrected);
    QCOMPARE(left.count(), corrected ? 0 : 1);
}

void TestNumEdit::invalidEntryHandlerReplacesCorrection() {
    field_->SetLimits(1, 1000);
    field_->SetDecimals(1);
    int calls = 0;
    field_->SetOnInvalidEntry([&calls] { ++calls; });
    field_->selectAll();
    TypeKeys(field_, "2000");
    QTest::keyClick(field_, Qt::Key_Tab);
    QCOMPARE(calls, 1);
    QCOMPARE(field_->text(), Local("2000,0"));
    QCOMPARE(field_->BeepCount(), 0);
    QVERIFY(other_->hasFocus());
}

void TestNumEdit::noFocusButtonLeavesTypedValue() {
    auto* button = new QToolButton(window_.get());
    button->setFocusPolicy(Qt::NoFocus);
    button->move(0, 80);
    button->show();
    field_->SetLimits(1, 1000);
    field_->SetDecimals(1);
    double seen = 0;
    connect(button, &QToolButton::clicked, this, [&] { seen = double(field_->Value()); });
    field_->selectAll();
    TypeKeys(field_, "2000");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(seen, 2000.0);
    QVERIFY(field_->hasFocus());
    QCOMPARE(field_->text(), Local("2000,0")); // still as typed, not corrected
    QCOMPARE(field_->BeepCount(), 0);
}

// Leaving a text that does not convert ends with the program's general error box, as a
// calculation reading it would; the text stays as typed and no leave notification follows.
void TestNumEdit::unreadableTextSurvivesLeaving() {
    field_->SetLimits(1, 1000);
    field_->selectAll();
    TypeKeys(field_, "E");
    QCOMPARE(field_->text(), QString("0E"));
    field_->setText("E");
    QSignalSpy left(field_, &NumEdit::left);
    const QList<BoxSeen> boxes = CloseBoxes([&] { QTest::keyClick(field_, Qt::Key_Tab); });
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, QString("Velkor"));
    QCOMPARE(boxes[0].text, QString("'E' is not a valid floating point value."));
    QCOMPARE(boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(boxes[0].buttons, 1);
    QCOMPARE(left.count(), 0);
    QCOMPARE(field_->BeepCount(), 0);
    QCOMPARE(field_->text(), QString("E"));
    // The offscreen platform gives the activation back only on request, as a desktop
    // would when the box closes; the focus returns to the window's focus field.
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QVERIFY(other_->hasFocus());
    QVERIFY_THROWS_EXCEPTION(velkor::ConversionError, field_->Value());
}

void TestNumEdit::colours() {
    field_->SetColor(QColor(10, 20, 30));
    field_->SetDisabledColor(QColor(200, 200, 100));
    QCOMPARE(field_->palette().color(QPalette::Base), QColor(10, 20, 30));
    field_->setEnabled(false);
    QCOMPARE(field_->palette().color(QPalette::Base), QColor(200, 200, 100));
    field_->setEnabled(true);
    QPalette parentColours = window_->palette();
    parentColours.setColor(QPalette::Window, QColor(1, 2, 3));
    window_->setPalette(parentColours);
    field_->SetParentColor(true);
    QCOMPARE(field_->palette().color(QPalette::Base), QColor(1, 2, 3));
    field_->SetColor(Qt::white);
    QVERIFY(!field_->ParentColor());
}

QTEST_MAIN(TestNumEdit)
#include "test_numedit.moc"
