// A monkey in the window: fixed-seed random rounds set good, bad, empty, zero, negative, huge
// and other-separator texts into random input fields, type into the secondaries grid and click
// random calculation buttons on random pages, every message box dismissed. Nothing may crash
// or hang, and the window must still compute the worked ferrite design afterwards.
//
// The suite runs a few hundred rounds; a longer run by hand takes a count:
//   VELKOR_MONKEY_ROUNDS=20000 QT_QPA_PLATFORM=offscreen ./test_window_monkey
#include "main_window.h"
#include "support_window.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include <random>

using namespace window_testing;

namespace {

// Buttons that calculate, clear or pass a value on; printing and closing open other windows.
const char* const kButtons[] = {
    "SBALTRONUC", "SBCALC",      "SBCALNUC",  "SBCCR",      "SBCCXC",   "SBCDSS",    "SBCFR",
    "SBCFXC",     "SBCFXL",      "SBCINUC",   "SBCIR",      "SBCISS",   "SBCIXL",    "SBCLSS",
    "SBCMESS",    "SBCN",        "SBCNSNUC",  "SBCNSSS",    "SBCXC",    "SBCXL",     "SBDC",
    "SBDF",       "SBPASSAINUC", "SBPASSAIR", "SBPASSAISS", "SBTACALC", "SBTACPTOT", "SBCLEARCART",
};

// Texts a user may leave in a field, good and bad; "#" stands for the regional separator and
// "~" for the other one.
const char* const kTexts[] = {
    "10",  "2800",   "0#5",    "1#25",   "",         "0",
    "-5",  "-0#001", "1E300",  "1e-300", "9E4000",   "99999999999999999999999",
    "abc", "1~5",    "  ",     "-0",     "1E",       "E",
    "#",   "12#5#3", "4#9338", "100",    "0#000001", "1e5",
};

int Rounds() {
    bool ok = false;
    const int rounds = qEnvironmentVariableIntValue("VELKOR_MONKEY_ROUNDS", &ok);
    return ok && rounds > 0 ? rounds : 800;
}

QString RandomText(std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kTexts) - 1);
    QString text = QString::fromUtf8(kTexts[pick(random)]);
    const QChar decimal = DecimalSeparator();
    text.replace('#', decimal);
    text.replace('~', decimal == ',' ? '.' : ',');
    return text;
}

// The thirteen ferrite inputs at their defaults and four of the design's results, as under a
// decimal comma.
const std::pair<const char*, const char*> kFerriteInputs[] = {
    {"VPMIN", "10,0"}, {"VPMAX", "13,9"},  {"FREQ", "20000"}, {"FATTF", "4"}, {"VSPP", "600,0"},
    {"PSEC", "8"},     {"DCMQ", "4,9338"}, {"BSAT", "4100"},  {"AL", "2800"}, {"AE", "52"},
    {"AC", "30"},      {"PUN", "48,79"},   {"ETA", "50"},
};
const std::pair<const char*, const char*> kFerriteResults[] = {
    {"BMAX", " 2000"},
    {"NSS", " 720"},
    {"DFP", "0,77"},
    {"LSEC", "1451520,0"},
};

// A box that closes leaves the offscreen window inactive, where the focus does not move; a
// desktop gives the activation back, and so does this.
void Reactivate(QWidget* root) {
    if (root->isActiveWindow())
        return;
    root->activateWindow();
    if (!QTest::qWaitForWindowActive(root))
        qWarning("the window did not become active again");
}

} // namespace

class TestWindowMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomRoundsLeaveAWorkingWindow();
};

void TestWindowMonkey::randomRoundsLeaveAWorkingWindow() {
    Window window;
    QWidget* root = window.get();
    QList<QLineEdit*> fields;
    for (QLineEdit* edit : root->findChildren<QLineEdit*>())
        if (!edit->objectName().isEmpty() && !edit->isReadOnly())
            fields << edit;
    QVERIFY(fields.size() > 40);

    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> action(0, 9);
    std::uniform_int_distribution<qsizetype> field(0, fields.size() - 1);
    std::uniform_int_distribution<std::size_t> button(0, std::size(kButtons) - 1);
    std::uniform_int_distribution<int> column(0, 1), row(1, 6);
    const int rounds = Rounds();
    int leaveBoxes = 0;
    for (int round = 0; round < rounds; ++round) {
        Reactivate(root);
        const int what = action(random);
        if (what < 4) {
            fields[field(random)]->setText(RandomText(random));
        } else if (what < 5) {
            // Leaving a field whose text does not convert brings up the error box.
            QLineEdit* edit = fields[field(random)];
            const QString text = RandomText(random);
            leaveBoxes += AnswerAllBoxes([&] { TypeInto(root, edit->objectName(), text); }).size();
        } else if (what < 6) {
            const QString text = RandomText(random);
            leaveBoxes += AnswerAllBoxes([&] {
                              TypeIntoCell(root, "SGTAINSEC", column(random), row(random), text);
                          }).size();
        } else {
            const char* name = kButtons[button(random)];
            AnswerAllBoxes([&] { Click(root, name); });
        }
        QVERIFY2(window.Alive(), qPrintable(QString("round %1").arg(round)));
    }

    QVERIFY(leaveBoxes > 0); // the rounds left unreadable fields behind them

    // The ferrite design typed afresh still gives its worked results.
    Reactivate(root);
    AnswerAllBoxes([&] {
        for (const auto& [name, text] : kFerriteInputs)
            TypeInto(root, name, Local(text));
    });
    const QList<BoxSeen> boxes = AnswerAllBoxes([&] { Click(root, "SBCALC"); });
    QVERIFY(boxes.isEmpty());
    for (const auto& [name, text] : kFerriteResults)
        QCOMPARE(Text(root, name), Local(text));
}

QTEST_MAIN(TestWindowMonkey)
#include "test_window_monkey.moc"
