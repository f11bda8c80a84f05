// The losses, core temperature and efficiency of the ferrite page through the real window:
// after a completed, a failed and a nameless calculation, both looks of both checks, and where
// the new group stands in the taller window.
#include "main_window.h"
#include "support_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace window_testing;

namespace {

const QColor kFerriteTint(214, 252, 254);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

const char* const kLosses[] = {"PNUCLEO", "PRAME", "TNUCLEO", "RENDCALC"};

// Names a core and a material as text, without applying either (the fields keep their data).
void Name(QWidget* root, const QString& core, const QString& material) {
    Control<QLineEdit>(root, "Edit1")->setText(core);
    Control<QLineEdit>(root, "Edit2")->setText(material);
}

// The ETD 29/16/10 design in N87 of the worked values: it runs at 101 °C.
void TypeHotDesign(QWidget* root) {
    Name(root, "ETD 29/16/10", "N87");
    const std::pair<const char*, const char*> inputs[] = {
        {"AE", "76,5"},    {"AC", "145,2"}, {"AL", "2342"}, {"BSAT", "3898"},
        {"FREQ", "50000"}, {"PSEC", "30"},  {"ETA", "80"}};
    for (const auto& [field, text] : inputs)
        TypeInto(root, field, Local(text));
}

QStringList LossTexts(QWidget* root) {
    QStringList texts;
    for (const char* field : kLosses)
        texts << Text(root, field);
    return texts;
}

bool Alarm(QWidget* root, const char* field) {
    return Background(root, field) == kRed && TextColour(root, field) == kWhite &&
           Bold(root, field);
}
bool Normal(QWidget* root, const char* field) {
    return Background(root, field) == kFerriteTint &&
           TextColour(root, field) == TextColour(root, "DFP") && !Bold(root, field);
}

} // namespace

class TestFerriteLosses : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void theGroupAndItsFields();
    void completedCalculation();
    void hotCoreAndBack();
    void efficiencyBelowTheEstimate();
    void failedCalculationKeepsTextsAndLooks();
    void namelessCalculation();
    void runawayShowsTheAlarm();
};

void TestFerriteLosses::initTestCase() {
    // The shipped library, as an installed program finds its data.
    qputenv("VELKOR_DATA_DIR", VELKOR_SOURCE_DIR "/resources");
}

void TestFerriteLosses::theGroupAndItsFields() {
    Window window;
    QWidget* root = window.get();
    auto* group = Control<QGroupBox>(root, "GBPERDITE");
    QVERIFY(group);
    QCOMPARE(group->title(), QString(" Perdite e temperatura "));
    QCOMPARE(group->parentWidget()->objectName(), QString("TabSheet1"));
    const std::pair<const char*, const char*> captions[] = {
        {"LabelTAMBFER", "T ambiente (°C)"},
        {"LabelPNUCLEO", "Perdite nucleo (W)"},
        {"LabelPRAME", "Perdite rame (W)"},
        {"LabelTNUCLEO", "Temperatura nucleo (°C)"},
        {"LabelRENDCALC", "Rendimento calcolato (%)"}};
    for (const auto& [label, caption] : captions)
        QCOMPARE(Text(root, label), QString::fromUtf8(caption));
    QCOMPARE(Text(root, "TAMBFER"), QString("40"));
    QCOMPARE(FindControl(root, "TAMBFER")->toolTip(),
             QString("Temperatura dell'aria intorno al trasformatore"));
    for (const char* field : kLosses) {
        auto* edit = Control<QLineEdit>(root, field);
        QVERIFY2(edit && edit->isReadOnly(), field);
        QVERIFY2(Normal(root, field), field);
        QVERIFY2(!edit->toolTip().isEmpty(), field);
    }
    // The group lies under everything the page had, inside the page, and its controls inside
    // it on no other.
    QWidget* page = group->parentWidget();
    ShowPageOf(group);
    QVERIFY2(page->rect().contains(group->geometry()),
             qPrintable(QString("%1 x %2").arg(page->width()).arg(page->height())));
    for (QWidget* other : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != group && !other->isHidden())
            QVERIFY2(other->geometry().bottom() < group->geometry().top(),
                     qPrintable(other->objectName()));
    for (QWidget* control : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->objectName().isEmpty())
            continue;
        QVERIFY2(group->rect().contains(control->geometry()), qPrintable(control->objectName()));
        for (QWidget* other : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != control && !other->objectName().isEmpty())
                QVERIFY2(!other->geometry().intersects(control->geometry()),
                         qPrintable(control->objectName() + " " + other->objectName()));
    }
}

void TestFerriteLosses::completedCalculation() {
    Window window;
    QWidget* root = window.get();
    Name(root, "E 25/13/7", "N87");
    QVERIFY(AnswerAllBoxes([&] { Click(root, "SBCALC"); }).isEmpty());
    QCOMPARE(LossTexts(root), (QStringList{Local("0,60"), Local("0,20"), " 64", Local("90,9")}));
    QVERIFY(Normal(root, "TNUCLEO"));
    QVERIFY(Normal(root, "RENDCALC"));
}

void TestFerriteLosses::hotCoreAndBack() {
    Window window;
    QWidget* root = window.get();
    TypeHotDesign(root);
    QVERIFY(AnswerAllBoxes([&] { Click(root, "SBCALC"); }).isEmpty());
    QCOMPARE(LossTexts(root), (QStringList{Local("2,69"), Local("0,18"), "101", Local("91,3")}));
    QVERIFY(Alarm(root, "TNUCLEO"));
    QVERIFY(Normal(root, "RENDCALC"));
    // In 3C90 at 25 °C it stays at 74 °C: the normal look again.
    Name(root, "ETD 29/16/10", "3C90");
    TypeInto(root, "AL", "2385");
    TypeInto(root, "BSAT", "3800");
    TypeInto(root, "TAMBFER", "25");
    Click(root, "SBCALC");
    QCOMPARE(LossTexts(root), (QStringList{Local("2,10"), Local("0,23"), " 74", Local("92,8")}));
    QVERIFY(Normal(root, "TNUCLEO"));
}

void TestFerriteLosses::efficiencyBelowTheEstimate() {
    Window window;
    QWidget* root = window.get();
    Name(root, "E 25/13/7", "N87");
    TypeInto(root, "ETA", "95");
    Click(root, "SBCALC");
    QVERIFY(Text(root, "RENDCALC") != "?");
    QVERIFY(Alarm(root, "RENDCALC"));
    QVERIFY(Normal(root, "TNUCLEO"));
    TypeInto(root, "ETA", "50");
    Click(root, "SBCALC");
    QCOMPARE(Text(root, "RENDCALC"), Local("90,9"));
    QVERIFY(Normal(root, "RENDCALC"));
}

void TestFerriteLosses::failedCalculationKeepsTextsAndLooks() {
    Window window;
    QWidget* root = window.get();
    TypeHotDesign(root);
    Click(root, "SBCALC");
    const QStringList before = LossTexts(root);
    QVERIFY(Alarm(root, "TNUCLEO"));
    // A zero current density stops the design at its third step.
    TypeInto(root, "DCMQ", "0");
    const BoxSeen box = AnswerNextBox([&] { Click(root, "SBCALC"); });
    QCOMPARE(box.text, QString("Floating point division by zero."));
    QCOMPARE(LossTexts(root), before);
    QVERIFY(Alarm(root, "TNUCLEO"));
    QVERIFY(Normal(root, "RENDCALC"));
}

void TestFerriteLosses::namelessCalculation() {
    Window window;
    QWidget* root = window.get();
    TypeHotDesign(root);
    Click(root, "SBCALC");
    QVERIFY(Alarm(root, "TNUCLEO"));
    // The start names: "EC52" is a core of the library, "3C8" no material of it.
    Name(root, "EC52", "3C8");
    QVERIFY(AnswerAllBoxes([&] { Click(root, "SBCALC"); }).isEmpty());
    QCOMPARE(LossTexts(root), (QStringList{"?", "?", "?", "?"}));
    QVERIFY(Normal(root, "TNUCLEO"));
    QVERIFY(Normal(root, "RENDCALC"));
}

void TestFerriteLosses::runawayShowsTheAlarm() {
    Window window;
    QWidget* root = window.get();
    Name(root, "E 5.3/2", "N87");
    TypeInto(root, "AE", "5");
    QVERIFY(AnswerAllBoxes([&] { Click(root, "SBCALC"); }).isEmpty());
    QCOMPARE(LossTexts(root), (QStringList{"?", "?", "?", "?"}));
    QVERIFY(Alarm(root, "TNUCLEO"));
    QVERIFY(Normal(root, "RENDCALC"));
}

QTEST_MAIN(TestFerriteLosses)
#include "test_ferrite_losses.moc"
