// The main window through its real widgets on the offscreen platform: start-up state, every
// control's kind and defaults, the spin fields' settings, the hints switch, the exit question,
// the inductance transfers, the ferrite design end to end and the general error box.
#include "main_window.h"
#include "superspin.h"
#include "support_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using namespace window_testing;

namespace {

const QColor kFerriteTint(214, 252, 254);
const QColor kInactiveCaptionTint(216, 228, 248);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

QColor NormalText() {
    return QApplication::palette().color(QPalette::Text);
}

// Fields typed or shown as text: plain and result line edits of every page.
const char* const kLineEdits[] = {
    "IFREQ",      "ICAP",        "IIND",   "IXC",    "IXL",      "EDINOM",   "EDDENS",
    "EDDIAM",     "ISS",         "MESS",   "DSS",    "LSS",      "NSSS",     "EDDMFSC",
    "EDLUNGRAME", "EDRESRAME",   "INUC",   "ALNUC",  "NSNUC",    "D1NUC",    "D2NUC",
    "D3NUC",      "D4NUC",       "D5NUC",  "NPNUC",  "LFNUC",    "RRNUC",    "PESONUC",
    "Edit1",      "Edit2",       "AEAC",   "BMAX",   "AEACMIN",  "BMAXEFF",  "IPRIM",
    "IPPEEK",     "DFP",         "NSP",    "LPRIM",  "XLPRIM",   "ISEC",     "DFS",
    "VSRMS",      "NSS",         "LSEC",   "XLSEC",  "TAPTOT",   "TASEZL",   "TALA",
    "TALB",       "TALC",        "TALD",   "TALE",   "TARESA",   "PEFE",     "TAAF",
    "TAPMAX",     "TAPESOFERRO", "TACA",   "TACC",   "TACX",     "RAPIMPAC", "TANSP",
    "TAIP",       "TADF",        "TASVP",  "TANP",   "TALFILO",  "TAPESO",   "TARESRAME",
    "TASVS",      "TAPERFERRO",  "TAPERP", "TAPERS", "TAPERTOT", "TADT",
};

const char* const kButtons[] = {
    "SBCFR",    "SBCCR",      "SBCIR",        "SBCXC",   "SBCXL",      "SBCFXC",    "SBCFXL",
    "SBCCXC",   "SBCIXL",     "SBPASSAIR",    "SBCN",    "SBDC",       "SBDF",      "SBCISS",
    "SBCMESS",  "SBCDSS",     "SBCLSS",       "SBCNSSS", "SBPASSAISS", "SBCINUC",   "SBCALNUC",
    "SBCNSNUC", "SBALTRONUC", "SBPASSAINUC",  "SBCALC",  "SBTACALC",   "SBTACPTOT", "SBCLEARCART",
    "SBPRINT",  "SBPREVIEW",  "SBPRINTSETUP", "SBEXIT",
};

// Results: read-only, in their page's tint (or their own colour).
struct ResultTint {
    const char* name;
    QColor colour;
};

QList<ResultTint> ResultTints() {
    QList<ResultTint> tints;
    for (const char* name :
         {"EDDMFSC", "EDLUNGRAME",  "EDRESRAME", "NPNUC",      "LFNUC",  "RRNUC",
          "PESONUC", "TALA",        "TALB",      "TALD",       "TALE",   "TAAF",
          "TAPMAX",  "TAPESOFERRO", "TACA",      "TACC",       "TACX",   "RAPIMPAC",
          "TANSP",   "TAIP",        "TADF",      "TASVP",      "TANP",   "TALFILO",
          "TAPESO",  "TARESRAME",   "TASVS",     "TAPERFERRO", "TAPERP", "TAPERS"})
        tints.append({name, kInactiveCaptionTint});
    for (const char* name : {"AEAC", "BMAX", "AEACMIN", "BMAXEFF", "IPRIM", "IPPEEK", "DFP", "NSP",
                             "LPRIM", "XLPRIM", "ISEC", "DFS", "VSRMS", "NSS", "LSEC", "XLSEC"})
        tints.append({name, kFerriteTint});
    const QColor tooltip = QApplication::palette().color(QPalette::ToolTipBase);
    tints.append({"TAPERTOT", tooltip});
    tints.append({"TADT", QColor(255, 176, 176)});
    return tints;
}

struct SpinCase {
    const char* name;
    const char* text; // as under a decimal comma
    double minValue, maxValue, increment;
    int decimals;
};

const SpinCase kSpins[] = {
    {"VPMIN", "10,0", 1, 1000, 0.5, 1},  {"VPMAX", "13,9", 1, 1000, 0.5, 1},
    {"FREQ", "20000", 0, 0, 1, 0},       {"FATTF", "4", 1, 10, 1, 0},
    {"VSPP", "600,0", 1, 50000, 0.5, 1}, {"PSEC", "8", 0.5, 10000, 1, -1},
    {"DCMQ", "4,9338", 1, 10, 1, -1},    {"BSAT", "4100", 1, 100000, 1, -1},
    {"AL", "2800", 0, 0, 1, -1},         {"AE", "52", 0, 0, 1, -1},
    {"AC", "30", 0, 0, 1, -1},           {"PUN", "48,79", 1, 100, 1, -1},
    {"ETA", "50", 1, 100, 1, -1},        {"TAVP", "230", 1, 1000, 5, -1},
    {"TAFREQ", "50", 0, 0, 1, 0},        {"TADENS", "4", 1, 10, 1, -1},
};

// The sixteen results of the default ferrite design, as under a decimal comma.
const std::pair<const char*, const char*> kFerriteDefaults[] = {
    {"BMAX", " 2000"},      {"AEAC", "0,1560"},    {"AEACMIN", "0,0544"}, {"IPRIM", "1,600"},
    {"NSP", "  12 (12,0)"}, {"LPRIM", "403,2"},    {"XLPRIM", "   51"},   {"BMAXEFF", "2784"},
    {"NSS", " 720"},        {"LSEC", "1451520,0"}, {"XLSEC", "182403"},   {"VSRMS", "212,1"},
    {"ISEC", "0,0377"},     {"DFS", "0,10"},       {"IPPEEK", "2,325"},   {"DFP", "0,77"},
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void windowFrame();
    void startsOnInductorPageAndSingleLayer();
    void controlKinds();
    void listsAndDefaults();
    void spinFields();
    void resultFieldsAreReadOnlyAndTinted();
    void manualFallbackLine();
    void hintsSwitch();
    void exitNoLeavesFields();
    void exitYesCloses();
    void transfers_data();
    void transfers();
    void typedUnitText_data();
    void typedUnitText();
    void ferriteDefaultDesign();
    void ferriteAlarmAndBack();
    void zeroDensityShowsGeneralError();
    void unreadableSpinShowsGeneralError();
    void secondariesFollowEveryKeystroke();
    void newWindowStartsAfresh();
    void screenshots();

private:
    QTemporaryDir emptyFolder_;
};

void TestMainWindow::initTestCase() {
    // No manual in the current folder: the manual page keeps its fallback line.
    QVERIFY(emptyFolder_.isValid());
    QVERIFY(QDir::setCurrent(emptyFolder_.path()));
}

void TestMainWindow::windowFrame() {
    Window window;
    QCOMPARE(window->windowTitle(), QString("Velkor - Orvane 2004 - v 1.0"));
    QCOMPARE(window->size(), QSize(692, 526));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);

    auto* pages = Control<QTabWidget>(window.get(), "PageControl1");
    QVERIFY(pages);
    QCOMPARE(pages->geometry(), QRect(0, 0, 692, 491));
    const char* const names[] = {"TabSheet2", "TabSheet1", "TabSheet6", "TabSheet4"};
    const char* const captions[] = {" Induttanze ", " Trasformatori ferrite ",
                                    " Trasformatori di alimentazione ", "Documentazione"};
    QCOMPARE(pages->count(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(pages->widget(i)->objectName(), QString(names[i]));
        QCOMPARE(pages->tabText(i), QString(captions[i]));
    }
    auto* subPages = Control<QTabWidget>(window.get(), "PageControl2");
    QVERIFY(subPages);
    QCOMPARE(subPages->count(), 2);
    QCOMPARE(subPages->widget(0)->objectName(), QString("TabSheet3"));
    QCOMPARE(subPages->widget(1)->objectName(), QString("TabSheet5"));
    QCOMPARE(subPages->tabText(0), QString("   Singolo Strato in aria o su nucleo aperto "));
    QCOMPARE(subPages->tabText(1), QString(" Multistrato su nucleo chiuso "));

    // The bottom bar: places, captions, no focus, the print hint on all four.
    const std::tuple<const char*, const char*, int> bottom[] = {
        {"SBPRINT", "Stampa", 15},
        {"SBPREVIEW", "Preview", 125},
        {"SBPRINTSETUP", "Setup", 235},
        {"SBEXIT", "USCITA", 575},
    };
    for (const auto& [name, caption, x] : bottom) {
        auto* button = Control<QToolButton>(window.get(), name);
        QVERIFY2(button, name);
        QCOMPARE(button->geometry(), QRect(x, 495, 96, 26));
        QCOMPARE(button->text(), QString(caption));
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        QVERIFY(button->font().bold());
        QCOMPARE(button->toolTip(), QString("Stampa un report relativo alla pagina visualizzata."));
    }
    auto* hints = Control<QCheckBox>(window.get(), "CBHINTS");
    QVERIFY(hints);
    QCOMPARE(hints->x(), 370);
    QCOMPARE(hints->text(), QString("Hints ON OFF"));
    QVERIFY(hints->isChecked());

    // The report forms: hidden windows owned by the main window.
    const std::pair<const char*, const char*> forms[] = {
        {"Form2", "TForm2"}, {"Form3", "TForm3"}, {"Form4", "TForm4"}};
    for (const auto& [name, className] : forms) {
        auto* form = window->findChild<QWidget*>(name);
        QVERIFY2(form, name);
        QCOMPARE(form->metaObject()->className(), className);
        QVERIFY(form->isWindow());
        QVERIFY(form->isHidden());
    }
}

void TestMainWindow::startsOnInductorPageAndSingleLayer() {
    Window window;
    QCOMPARE(Control<QTabWidget>(window.get(), "PageControl1")->currentIndex(), 0);
    QCOMPARE(Control<QTabWidget>(window.get(), "PageControl2")->currentIndex(), 0);
    QVERIFY(Control<QWidget>(window.get(), "ISS")->isVisible());
    // The paired pictures share one place; the first of each pair is shown.
    auto* img1 = FindControl(window.get(), "IMG1");
    auto* img2 = FindControl(window.get(), "IMG2");
    auto* taimg1 = FindControl(window.get(), "TAIMG1");
    auto* taimg2 = FindControl(window.get(), "TAIMG2");
    QCOMPARE(img2->geometry(), img1->geometry());
    QCOMPARE(taimg2->geometry(), taimg1->geometry());
    QCOMPARE(img1->size(), QSize(150, 150));
    QVERIFY(!img1->isHidden());
    QVERIFY(img2->isHidden());
    QVERIFY(!taimg1->isHidden());
    QVERIFY(taimg2->isHidden());
    // The header rows of the two grids.
    const QStringList input = {"Vs volt", "Is amp", "Ps VA"};
    for (int column = 0; column < input.size(); ++column)
        QCOMPARE(Cell(window.get(), "SGTAINSEC", column, 0), input[column]);
    const QStringList output = {"Vs (V)",  "Is (A)", "Spire",  "Ø filo",
                                "passate", "metri",  "grammi", "ohm"};
    for (int column = 0; column < output.size(); ++column)
        QCOMPARE(Cell(window.get(), "SGTAOUTSEC", column, 0), output[column]);
}

void TestMainWindow::controlKinds() {
    Window window;
    for (const char* name : kLineEdits)
        QVERIFY2(Control<QLineEdit>(window.get(), name), name);
    for (const SpinCase& spin : kSpins)
        QVERIFY2(Control<SuperSpin>(window.get(), spin.name), spin.name);
    for (const char* name : kButtons) {
        auto* button = Control<QToolButton>(window.get(), name);
        QVERIFY2(button, name);
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    }
    for (const char* name : {"CBUFR", "CBUCR", "CBUIR", "CBUISS", "CBUINUC"}) {
        auto* list = Control<QComboBox>(window.get(), name);
        QVERIFY2(list && list->isEditable(), name);
    }
    auto* induction = Control<QComboBox>(window.get(), "CBTAINDUZ");
    QVERIFY(induction && !induction->isEditable());
    for (const char* name : {"RBC1NUC", "RBC2NUC", "RBTASING", "RBTADOPPIO"})
        QVERIFY2(Control<QRadioButton>(window.get(), name), name);
    QVERIFY(Control<QCheckBox>(window.get(), "CBAUTOCART"));
    for (int i = 1; i <= 13; ++i)
        QVERIFY2(Control<QGroupBox>(window.get(), QString("GroupBox%1").arg(i)),
                 qPrintable(QString::number(i)));
    for (const char* name : {"Image2", "Image3", "Image4", "IMG1", "IMG2", "TAIMG1", "TAIMG2"})
        QVERIFY2(FindControl(window.get(), name), name);
    // Labels the calculations rewrite, hide or show by name.
    for (const char* name :
         {"Label66", "Label107", "LabelD4NUC", "LabelD5NUC", "UnitD4NUC", "UnitD5NUC"})
        QVERIFY2(Control<QLabel>(window.get(), name), name);
    QCOMPARE(Text(window.get(), "Label66"), QString("ohm"));
    QCOMPARE(Text(window.get(), "Label107"), QString("Configurazione FlyBack"));

    auto* input = Control<QTableWidget>(window.get(), "SGTAINSEC");
    auto* output = Control<QTableWidget>(window.get(), "SGTAOUTSEC");
    QVERIFY(input && output);
    QCOMPARE(input->columnCount(), 3);
    QCOMPARE(input->rowCount(), 7);
    QCOMPARE(output->columnCount(), 8);
    QCOMPARE(output->rowCount(), 7);
    QVERIFY(input->horizontalHeader()->isHidden());
    QVERIFY(output->verticalHeader()->isHidden());
    QCOMPARE(output->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(output->columnWidth(0), 47);
    QVERIFY(!(input->item(0, 0)->flags() & Qt::ItemIsEditable));
    QVERIFY(input->item(1, 2)->flags() & Qt::ItemIsEditable);
}

void TestMainWindow::listsAndDefaults() {
    Window window;
    const QStringList henry = {"H", "mH", "µH", "nH"};
    const std::tuple<const char*, QStringList, int> lists[] = {
        {"CBUFR", {"Hz", "KHz", "MHz", "GHz"}, 1},
        {"CBUCR", {"F", "mF", "µF", "nF", "pF"}, 3},
        {"CBUIR", henry + QStringList{""}, 2},
        {"CBUISS", henry, 2},
        {"CBUINUC", henry, 2},
        {"CBTAINDUZ", {Local("0,9"), Local("1,0"), Local("1,1"), Local("1,2"), Local("1,3")}, 2},
    };
    for (const auto& [name, items, index] : lists) {
        auto* list = Control<QComboBox>(window.get(), name);
        QVERIFY2(list, name);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        QCOMPARE(shown, items);
        QCOMPARE(list->currentIndex(), index);
    }
    const std::pair<const char*, QString> texts[] = {
        {"MESS", "1"}, {"Edit1", "EC52"}, {"Edit2", "3C8"}, {"PEFE", Local("1,96")},
        {"IFREQ", ""}, {"TAPTOT", ""},    {"TALC", ""},
    };
    for (const auto& [name, text] : texts)
        QCOMPARE(Text(window.get(), name), text);
    QVERIFY(Control<QCheckBox>(window.get(), "CBAUTOCART")->isChecked());
    QVERIFY(Control<QRadioButton>(window.get(), "RBTASING")->isChecked());
    QVERIFY(!Control<QRadioButton>(window.get(), "RBTADOPPIO")->isChecked());
    QVERIFY(Control<QRadioButton>(window.get(), "RBC1NUC")->isChecked());
    QVERIFY(!Control<QRadioButton>(window.get(), "RBC2NUC")->isChecked());
    QCOMPARE(Background(window.get(), "Edit1"),
             QApplication::palette().color(QPalette::ToolTipBase));
    QCOMPARE(Background(window.get(), "Edit2"),
             QApplication::palette().color(QPalette::ToolTipBase));
}

void TestMainWindow::spinFields() {
    Window window;
    for (const SpinCase& spin : kSpins) {
        auto* field = Control<SuperSpin>(window.get(), spin.name);
        QVERIFY2(field, spin.name);
        QCOMPARE(field->text(), Local(spin.text));
        QCOMPARE(static_cast<double>(field->MinValue()), spin.minValue);
        QCOMPARE(static_cast<double>(field->MaxValue()), spin.maxValue);
        QCOMPARE(static_cast<double>(field->Increment()), spin.increment);
        QCOMPARE(field->Decimals(), spin.decimals);
        QVERIFY(!field->RoundValues());
        QVERIFY(!field->Wrap());
        QVERIFY(field->alignment() & Qt::AlignRight);
    }
}

void TestMainWindow::resultFieldsAreReadOnlyAndTinted() {
    Window window;
    for (const ResultTint& result : ResultTints()) {
        auto* field = Control<QLineEdit>(window.get(), result.name);
        QVERIFY2(field, result.name);
        QVERIFY2(field->isReadOnly(), result.name);
        QVERIFY2(field->text().isEmpty(), result.name);
        QCOMPARE(Background(window.get(), result.name), result.colour);
    }
    // Typed fields stay editable.
    for (const char* name : {"IFREQ", "ISS", "INUC", "TALC", "TARESA", "PEFE", "TAPTOT"})
        QVERIFY2(!Control<QLineEdit>(window.get(), name)->isReadOnly(), name);
}

void TestMainWindow::manualFallbackLine() {
    Window window;
    auto* manual = Control<QTextEdit>(window.get(), "REDIT1");
    QVERIFY(manual);
    QVERIFY(manual->isReadOnly());
    QVERIFY(!manual->tabChangesFocus());
    QCOMPARE(manual->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(manual->toPlainText(), QString("File VELKOR_DOC.RTF non trovato."));
    // Tab stays inside the view.
    ShowPageOf(manual);
    manual->setFocus(Qt::OtherFocusReason);
    QVERIFY(manual->hasFocus());
    QTest::keyClick(manual, Qt::Key_Tab);
    QVERIFY(manual->hasFocus());
    QTest::keyClick(manual, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(manual->hasFocus());
}

void TestMainWindow::hintsSwitch() {
    Window window;
    auto* pages = Control<QTabWidget>(window.get(), "PageControl1");
    const QString printHint("Stampa un report relativo alla pagina visualizzata.");
    QCOMPARE(Control<QWidget>(window.get(), "VPMIN")->toolTip(),
             QString("Tensione continua Minima di alimentazione primario"));

    Click(window.get(), "CBHINTS");
    QVERIFY(!Control<QCheckBox>(window.get(), "CBHINTS")->isChecked());
    int silenced = 0;
    for (QWidget* widget : pages->findChildren<QWidget*>()) {
        QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
        silenced += widget->property("velkorHint").isValid() ? 1 : 0;
    }
    QVERIFY(silenced > 60);
    for (const char* name : {"SBPRINT", "SBPREVIEW", "SBPRINTSETUP", "SBEXIT"})
        QCOMPARE(FindControl(window.get(), name)->toolTip(), printHint);

    Click(window.get(), "CBHINTS");
    QCOMPARE(Control<QWidget>(window.get(), "VPMIN")->toolTip(),
             QString("Tensione continua Minima di alimentazione primario"));
    QCOMPARE(Control<QWidget>(window.get(), "SBCFR")->toolTip(),
             QString("Calcola Frequenza dati Capacità ed Induttanza"));
    for (const char* name : {"SBPRINT", "SBPREVIEW", "SBPRINTSETUP", "SBEXIT"})
        QCOMPARE(FindControl(window.get(), name)->toolTip(), printHint);
}

void TestMainWindow::exitNoLeavesFields() {
    Window window;
    TypeInto(window.get(), "IFREQ", "123");
    TypeInto(window.get(), "VPMIN", Local("12,5"));
    const BoxSeen box = AnswerNextBox([&] { Click(window.get(), "SBEXIT"); }, "&No");
    QVERIFY(box.shown);
    QCOMPARE(box.title, QString("Confirm"));
    QCOMPARE(box.text, QString("Esco ?"));
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(box.buttons, QStringList({"&Yes", "&No"}));
    QVERIFY(window.Alive());
    QVERIFY(window->isVisible());
    QCOMPARE(Text(window.get(), "IFREQ"), QString("123"));
    QCOMPARE(Text(window.get(), "VPMIN"), Local("12,5"));
    QCOMPARE(Control<QTabWidget>(window.get(), "PageControl1")->currentIndex(), 1);

    // Dismissed with Escape: nothing happens either.
    const BoxSeen dismissed = DismissNextBox([&] { Click(window.get(), "SBEXIT"); });
    QVERIFY(dismissed.shown);
    QVERIFY(window.Alive());
    QVERIFY(window->isVisible());
    QCOMPARE(Text(window.get(), "IFREQ"), QString("123"));
}

void TestMainWindow::exitYesCloses() {
    Window window;
    const BoxSeen box = AnswerNextBox([&] { Click(window.get(), "SBEXIT"); }, "&Yes");
    QVERIFY(box.shown);
    // The window closes (and, created by CreateForms, deletes itself).
    QTRY_VERIFY(!window.Alive() || !window->isVisible());
}

void TestMainWindow::transfers_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fromText");
    QTest::addColumn<int>("fromIndex");
    QTest::addColumn<int>("toIndex");

    QTest::newRow("air to coils") << "SBPASSAIR"
                                  << "4,7" << 1 << 1;
    QTest::newRow("air empty") << "SBPASSAIR"
                               << "" << 3 << 3;
    QTest::newRow("air fifth item") << "SBPASSAIR"
                                    << "10" << 4 << -1;
    QTest::newRow("single layer to air") << "SBPASSAISS"
                                         << "22" << 3 << 3;
    QTest::newRow("single layer empty") << "SBPASSAISS"
                                        << "" << 0 << 0;
    QTest::newRow("closed core to air") << "SBPASSAINUC"
                                        << "abc" << 0 << 0;
}

void TestMainWindow::transfers() {
    QFETCH(QString, button);
    QFETCH(QString, fromText);
    QFETCH(int, fromIndex);
    QFETCH(int, toIndex);
    Window window;
    QWidget* root = window.get();
    // Something in every target first, so that an emptied field shows.
    for (const char* name : {"IIND", "ISS", "INUC"})
        Control<QLineEdit>(root, name)->setText("old");

    struct Route {
        const char* field;
        const char* list;
    };
    const Route air{"IIND", "CBUIR"};
    const Route single{"ISS", "CBUISS"};
    const Route closed{"INUC", "CBUINUC"};
    Route from = air;
    QList<Route> to = {single, closed};
    if (button == "SBPASSAISS") {
        from = single;
        to = {air};
    } else if (button == "SBPASSAINUC") {
        from = closed;
        to = {air};
    }
    TypeInto(root, from.field, Local(fromText));
    Control<QComboBox>(root, from.list)->setCurrentIndex(fromIndex);
    Click(root, button);
    for (const Route& target : to) {
        QCOMPARE(Text(root, target.field), Local(fromText));
        QCOMPARE(Control<QComboBox>(root, target.list)->currentIndex(), toIndex);
    }
    // The source is untouched.
    QCOMPARE(Text(root, from.field), Local(fromText));
    QCOMPARE(Control<QComboBox>(root, from.list)->currentIndex(), fromIndex);
}

void TestMainWindow::typedUnitText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("passed");
    QTest::newRow("no such unit") << "uH" << -1;
    QTest::newRow("an item's text") << "nH" << 3;
    QTest::newRow("emptied") << "" << -1;
}

void TestMainWindow::typedUnitText() {
    // A text typed into an editable unit list is passed on as the position it names, if any.
    QFETCH(QString, typed);
    QFETCH(int, passed);
    Window window;
    QWidget* root = window.get();
    auto* list = Control<QComboBox>(root, "CBUIR");
    ShowPageOf(list);
    list->setFocus();
    list->lineEdit()->selectAll();
    QTest::keyClick(list->lineEdit(), Qt::Key_Delete);
    for (QChar c : typed)
        QTest::keyClick(list->lineEdit(), c.toLatin1());
    list->lineEdit()->setText(typed); // whatever the inline completion added
    TypeInto(root, "IIND", "33");
    Click(root, "SBPASSAIR");
    QCOMPARE(Text(root, "ISS"), QString("33"));
    QCOMPARE(Control<QComboBox>(root, "CBUISS")->currentIndex(), passed);
    QCOMPARE(Control<QComboBox>(root, "CBUINUC")->currentIndex(), passed);
}

void TestMainWindow::ferriteDefaultDesign() {
    Window window;
    QWidget* root = window.get();
    // The defaults typed again as real keys (the field keeps the focus while "Calcola" runs).
    for (const SpinCase& spin : kSpins) {
        if (QString(spin.name).startsWith("TA"))
            continue;
        TypeInto(root, spin.name, Local(spin.text));
        QCOMPARE(Text(root, spin.name), Local(spin.text));
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

void TestMainWindow::ferriteAlarmAndBack() {
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

void TestMainWindow::zeroDensityShowsGeneralError() {
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

void TestMainWindow::unreadableSpinShowsGeneralError() {
    Window window;
    QWidget* root = window.get();
    Control<QLineEdit>(root, "VPMIN")->setText("E");
    const BoxSeen box = AnswerNextBox([&] { Click(root, "SBCALC"); });
    QVERIFY(box.shown);
    QCOMPARE(box.title, QString("Velkor"));
    QCOMPARE(box.text, QString("'E' is not a valid floating point value."));
    QCOMPARE(box.icon, QMessageBox::Critical);
}

void TestMainWindow::secondariesFollowEveryKeystroke() {
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

void TestMainWindow::newWindowStartsAfresh() {
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

void TestMainWindow::screenshots() {
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
    const auto shoot = [&](const QString& suffix) {
        for (const auto& [page, subPage, name] : shots) {
            pages->setCurrentIndex(page);
            subPages->setCurrentIndex(subPage);
            QVERIFY(window->grab().save(folder + "/" + name + suffix + ".png"));
        }
    };
    shoot("");
    // The same pages with results in every field, to see that they fit.
    QWidget* root = window.get();
    TypeInto(root, "IFREQ", "100");
    TypeInto(root, "ICAP", "10");
    Click(root, "SBCIR");
    Click(root, "SBCXC");
    Click(root, "SBCXL");
    Click(root, "SBPASSAIR");
    TypeInto(root, "DSS", "10");
    TypeInto(root, "LSS", "20");
    Click(root, "SBCNSSS");
    TypeInto(root, "ALNUC", "250");
    Click(root, "SBCNSNUC");
    for (const char* name : {"D1NUC", "D2NUC", "D3NUC", "D4NUC", "D5NUC"})
        TypeInto(root, name, "5");
    TypeInto(root, "EDDIAM", Local("0,3"));
    AnswerNextBox([&] { Click(root, "SBALTRONUC"); });
    Click(root, "SBCALC");
    TypeIntoCell(root, "SGTAINSEC", 0, 1, "12");
    TypeIntoCell(root, "SGTAINSEC", 1, 1, "2");
    TypeIntoCell(root, "SGTAINSEC", 0, 2, "100");
    TypeIntoCell(root, "SGTAINSEC", 1, 2, "20");
    AnswerNextBox([&] { Click(root, "SBTACALC"); });
    shoot("_filled");
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
