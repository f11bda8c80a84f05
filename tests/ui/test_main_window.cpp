// The main window through its real widgets on the offscreen platform: start-up state, every
// control's kind and defaults, the spin fields' settings, the hints switch, the exit question
// and the inductance transfers.
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
    "SBPRINT",  "SBPREVIEW",  "SBPRINTSETUP", "SBPDF",   "SBEXIT",     "SBCALCFB",
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
    {"FREQ", "20000", 0, 0, 1, 0},       {"FATTF", "4", 1, 10, 1, -1},
    {"VSPP", "600,0", 1, 50000, 0.5, 1}, {"PSEC", "8", 0.5, 10000, 1, -1},
    {"DCMQ", "4,9338", 1, 10, 1, -1},    {"BSAT", "4100", 1, 100000, 1, -1},
    {"AL", "2800", 0, 0, 1, -1},         {"AE", "52", 0, 0, 1, -1},
    {"AC", "30", 0, 0, 1, -1},           {"PUN", "48,79", 1, 100, 1, -1},
    {"ETA", "50", 1, 100, 1, -1},        {"TAVP", "230", 1, 1000, 5, -1},
    {"TAFREQ", "50", 0, 0, 1, 0},        {"TADENS", "4", 1, 10, 1, -1},
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
    QCOMPARE(window->size(), QSize(692, 606));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);

    auto* pages = Control<QTabWidget>(window.get(), "PageControl1");
    QVERIFY(pages);
    QCOMPARE(pages->geometry(), QRect(0, 0, 692, 571));
    const char* const names[] = {"TabSheet2", "TabSheet1", "TabSheet6", "TabSheet4"};
    const char* const captions[] = {" Induttanze ", " Trasformatori ferrite ",
                                    " Trasformatori di alimentazione ", "Documentazione"};
    QCOMPARE(pages->count(), 5); // the flyback page comes after these four
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(pages->widget(i)->objectName(), QString(names[i]));
        QCOMPARE(pages->tabText(i), QString(captions[i]));
    }
    auto* subPages = Control<QTabWidget>(window.get(), "PageControl2");
    QVERIFY(subPages);
    QCOMPARE(subPages->count(), 3);
    QCOMPARE(subPages->widget(0)->objectName(), QString("TabSheet3"));
    QCOMPARE(subPages->widget(1)->objectName(), QString("TabSheet5"));
    QCOMPARE(subPages->widget(2)->objectName(), QString("TabSheet7"));
    QCOMPARE(subPages->tabText(0), QString("   Singolo Strato in aria o su nucleo aperto "));
    QCOMPARE(subPages->tabText(1), QString(" Multistrato su nucleo chiuso "));
    QCOMPARE(subPages->tabText(2), QString(" Con traferro "));

    // The bottom bar: places, captions, no focus, pictures of one size, hints naming the keys.
    const QString print("Stampa un report relativo alla pagina visualizzata.");
    const std::tuple<const char*, const char*, int, QString> bottom[] = {
        {"SBPRINT", "Stampa", 15, print + " (Ctrl+P)"},
        {"SBPREVIEW", "Preview", 125, print + " (Ctrl+Maiusc+P)"},
        {"SBPRINTSETUP", "Setup", 235, print},
        {"SBPDF", "PDF", 345, "Salva il rapporto della pagina in un file PDF (Ctrl+E)"},
        {"SBEXIT", "USCITA", 575, print},
    };
    QList<QRect> taken;
    for (const auto& [name, caption, x, hint] : bottom) {
        auto* button = Control<QToolButton>(window.get(), name);
        QVERIFY2(button, name);
        QCOMPARE(button->geometry(), QRect(x, 575, 96, 26));
        QCOMPARE(button->text(), QString(caption));
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        QVERIFY(button->font().bold());
        QCOMPARE(button->toolTip(), hint);
        QVERIFY2(!button->icon().isNull(), name);
        QCOMPARE(button->iconSize(), QSize(16, 16));
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        taken << button->geometry();
    }
    auto* hints = Control<QCheckBox>(window.get(), "CBHINTS");
    QVERIFY(hints);
    QCOMPARE(hints->text(), QString("Hints ON OFF"));
    QVERIFY(hints->isChecked());
    // The hints switch sits between "PDF" and "USCITA", its caption whole, overlapping none.
    QVERIFY(hints->sizeHint().width() <= hints->width());
    for (const QRect& button : taken)
        QVERIFY2(!button.intersects(hints->geometry()), qPrintable(hints->objectName()));
    QVERIFY(hints->geometry().right() < 575);

    // The report forms: hidden windows owned by the main window.
    const std::pair<const char*, const char*> forms[] = {
        {"Form2", "TForm2"}, {"Form3", "TForm3"}, {"Form4", "TForm4"}, {"Form5", "TForm5"}};
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
    QCOMPARE(Text(window.get(), "Label66"), QString("ohm/m"));
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
        // FATTF takes two decimals (4.44, a sine), whole numbers shown as before.
        QCOMPARE(field->MostDecimals(), QByteArray(spin.name) == "FATTF" ? 2 : 0);
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
    QCOMPARE(FindControl(window.get(), "SBPRINT")->toolTip(), printHint + " (Ctrl+P)");
    for (const char* name : {"SBPRINTSETUP", "SBEXIT"})
        QCOMPARE(FindControl(window.get(), name)->toolTip(), printHint);

    Click(window.get(), "CBHINTS");
    QCOMPARE(Control<QWidget>(window.get(), "VPMIN")->toolTip(),
             QString("Tensione continua Minima di alimentazione primario"));
    QCOMPARE(Control<QWidget>(window.get(), "SBCFR")->toolTip(),
             QString("Calcola Frequenza dati Capacità ed Induttanza"));
    QCOMPARE(FindControl(window.get(), "SBPREVIEW")->toolTip(), printHint + " (Ctrl+Maiusc+P)");
    for (const char* name : {"SBPRINTSETUP", "SBEXIT"})
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

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
