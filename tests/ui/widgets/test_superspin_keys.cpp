// SuperSpin under a fixed-seed random stream of keys in every configuration the window uses
// (decimals -1, 0 and 1; bounded and unbounded): digits, both separators, signs, exponent
// marks, deletions, caret moves, selections, steps and clipboard operations. After every key
// the text keeps the field's invariants: no separator without decimals (whatever the size), the
// fixed count of decimals, and a text the value reader accepts (a bare exponent mark being typed
// aside).
#include "faults.h"
#include "numbers.h"
#include "numedit_testing.h"
#include "regional.h"
#include "superspin.h"

#include <QApplication>
#include <QClipboard>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <random>

using namespace numedit_testing;

namespace {

struct Configuration {
    const char* name;
    int decimals;
    bool bounded;
};

const Configuration kConfigurations[] = {
    {"free, unbounded", -1, false},       {"free, bounded", -1, true},
    {"whole, unbounded", 0, false},       {"whole, bounded", 0, true},
    {"one decimal, unbounded", 1, false}, {"one decimal, bounded", 1, true},
};

constexpr int kKeysPerConfiguration = 6000;

// One key of the stream: a character typed, or a key with its modifiers.
struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    char typed; // 0 for a key that types nothing
};

Key RandomKey(std::mt19937& random) {
    static const Key kKeys[] = {
        {Qt::Key_0, {}, '0'},
        {Qt::Key_1, {}, '1'},
        {Qt::Key_5, {}, '5'},
        {Qt::Key_9, {}, '9'},
        {Qt::Key_Comma, {}, ','},
        {Qt::Key_Period, {}, '.'},
        {Qt::Key_Minus, {}, '-'},
        {Qt::Key_E, {}, 'e'},
        {Qt::Key_E, Qt::ShiftModifier, 'E'},
        {Qt::Key_Backspace, {}, 0},
        {Qt::Key_Delete, {}, 0},
        {Qt::Key_Left, {}, 0},
        {Qt::Key_Right, {}, 0},
        {Qt::Key_Home, {}, 0},
        {Qt::Key_End, {}, 0},
        {Qt::Key_Up, {}, 0},
        {Qt::Key_Down, {}, 0},
        {Qt::Key_Left, Qt::ShiftModifier, 0},
        {Qt::Key_Right, Qt::ShiftModifier, 0},
        {Qt::Key_Home, Qt::ShiftModifier, 0},
        {Qt::Key_A, Qt::ControlModifier, 0},
        {Qt::Key_C, Qt::ControlModifier, 0},
        {Qt::Key_X, Qt::ControlModifier, 0},
        {Qt::Key_V, Qt::ControlModifier, 0},
    };
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kKeys) - 1);
    return kKeys[pick(random)];
}

// Texts left on the clipboard before a paste, good and bad.
QString RandomClipboard(std::mt19937& random) {
    static const char* const kTexts[] = {"12", "3,5", "3.5", "-7", "1E3", "abc", "", "0,25"};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kTexts) - 1);
    return QString::fromUtf8(kTexts[pick(random)]);
}

// A text that stops at its exponent mark or sign, as while typing "1E-5".
bool BareExponent(const QString& text) {
    const int e = std::max(text.lastIndexOf('E'), text.lastIndexOf('e'));
    if (e < 0)
        return false;
    for (int i = e + 1; i < text.size(); ++i)
        if (text.at(i).isDigit())
            return false;
    return true;
}

QString Violation(const SuperSpin& spin, const velkor::NumberLocale& separators) {
    const QString text = spin.text();
    const int point = text.indexOf(Decimal());
    const bool exponent = text.contains('E') || text.contains('e');
    // A whole-number field never shows a separator, not even for a value of 10^18 and more
    // (shown with an exponent, the mantissa's digits all before the "E").
    if (spin.Decimals() == 0 && point >= 0)
        return "a separator without decimals";
    if (spin.Decimals() > 0 && point >= 0 && !exponent) {
        int decimals = 0;
        for (int i = point + 1; i < text.size() && text.at(i).isDigit(); ++i)
            ++decimals;
        if (decimals > spin.Decimals())
            return "more decimals than the field's";
    }
    if (!BareExponent(text)) {
        try {
            velkor::SpinValue(text.toStdString(), separators);
        } catch (const velkor::Fault&) {
            return "a text the reader refuses";
        }
    }
    return {};
}

} // namespace

class TestSuperSpinKeys : public QObject {
    Q_OBJECT
private slots:
    void randomKeysKeepTheInvariants_data();
    void randomKeysKeepTheInvariants();
};

void TestSuperSpinKeys::randomKeysKeepTheInvariants_data() {
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("bounded");
    for (const Configuration& c : kConfigurations)
        QTest::newRow(c.name) << c.decimals << c.bounded;
}

void TestSuperSpinKeys::randomKeysKeepTheInvariants() {
    QFETCH(int, decimals);
    QFETCH(bool, bounded);
    auto window = std::make_unique<QWidget>();
    window->resize(240, 120);
    auto* spin = new SuperSpin(window.get());
    spin->SetDecimals(decimals);
    if (bounded)
        spin->SetLimits(-1000, 1000);
    spin->SetIncrement(0.5);
    spin->SetValue(10);
    ShowActive(window.get());
    spin->setFocus();
    const velkor::NumberLocale separators = velkor::RegionalSeparators();

    // Any message box a key brings up is closed at once, as a user would.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(0);

    std::mt19937 random(9122026 + decimals * 2 + (bounded ? 1 : 0));
    for (int i = 0; i < kKeysPerConfiguration; ++i) {
        const QString before = spin->text();
        const Key key = RandomKey(random);
        if (key.key == Qt::Key_V)
            QApplication::clipboard()->setText(RandomClipboard(random));
        if (!spin->hasFocus())
            spin->setFocus();
        if (key.typed)
            QTest::keyClick(spin, key.typed, key.modifiers);
        else
            QTest::keyClick(spin, key.key, key.modifiers);
        const QString broken = Violation(*spin, separators);
        QVERIFY2(broken.isEmpty(), qPrintable(QString("key %1: \"%2\" became \"%3\": %4")
                                                  .arg(i)
                                                  .arg(before, spin->text(), broken)));
    }
}

QTEST_MAIN(TestSuperSpinKeys)
#include "test_superspin_keys.moc"
