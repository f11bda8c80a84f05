// "Libreria" through the real window: its tables against the library, sorting and filtering,
// the Pv column and the loss curves against the engine, "Usa" from each tab, the adviser's
// every listed design reproduced by "Calcola" on the page, a run where nothing passes, a
// cancelled run, and a missing library folder.
#include "core_loss.h"
#include "library_dialog.h"
#include "library_source.h"
#include "loss_plot.h"
#include "main_window.h"
#include "manual_loader.h"
#include "parts_library.h"
#include "regional.h"
#include "support_window.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace window_testing;
using velkor::ui::TFormLib;

namespace {

TFormLib* OpenLibrary(QWidget* root, const char* button = "SBLIB") {
    Click(root, QLatin1String(button));
    auto* dialog = root->findChild<TFormLib*>();
    if (dialog && !QTest::qWaitForWindowExposed(dialog))
        return nullptr;
    return dialog;
}

QTableView* View(TFormLib* dialog, const char* name) {
    return dialog->findChild<QTableView*>(QLatin1String(name));
}

QString CellText(QTableView* view, int row, int column) {
    return view->model()->index(row, column).data().toString();
}

// The view's row showing `text` in `column`, or -1.
int RowOf(QTableView* view, int column, const QString& text) {
    for (int row = 0; row < view->model()->rowCount(); ++row)
        if (CellText(view, row, column) == text)
            return row;
    return -1;
}

void Select(TFormLib* dialog, int tab, QTableView* view, int row) {
    dialog->findChild<QTabWidget*>(QStringLiteral("PCLIB"))->setCurrentIndex(tab);
    view->setCurrentIndex(view->model()->index(row, 0));
}

QString Number(const char* pattern, double value) {
    return QString::fromStdString(velkor::Format(pattern, value, velkor::RegionalSeparators()))
        .trimmed();
}

// Types a name into a picker field and closes the list it offers, applying nothing yet.
void TypeName(QWidget* root, const char* field, const QString& text) {
    TypeInto(root, QLatin1String(field), text);
    if (QWidget* popup = QApplication::activePopupWidget())
        QTest::keyClick(popup, Qt::Key_Escape);
}

// WCAG 2.1 contrast ratio of two colours.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark palette as desktops set it: dark grey window and fields, white text.
QPalette Dark() {
    QPalette dark;
    const QColor white(255, 255, 255);
    for (const auto& [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)},
                                       {QPalette::WindowText, white},
                                       {QPalette::Base, QColor(42, 42, 42)},
                                       {QPalette::AlternateBase, QColor(66, 66, 66)},
                                       {QPalette::Text, white},
                                       {QPalette::Button, QColor(53, 53, 53)},
                                       {QPalette::ButtonText, white},
                                       {QPalette::Highlight, QColor(42, 130, 218)},
                                       {QPalette::HighlightedText, QColor(35, 35, 35)}})
        dark.setColor(role, colour);
    return dark;
}

bool WaitForAdviser(TFormLib* dialog) {
    return QTest::qWaitFor([dialog] { return !dialog->Suggesting(); }, 20000);
}

} // namespace

class TestLibraryDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void coresTableAgainstLibrary();
    void sortingAndFiltering();
    void lossColumnAndCurvesAgainstEngine();
    void useFromEachTab();
    void everySuggestionReproducedOnThePage_data();
    void everySuggestionReproducedOnThePage();
    void nothingPassesSaysWhy();
    void cancelledRun();
    void missingLibraryFolder();
    void plotReadableInBothPalettes();

private:
    QTemporaryDir emptyFolder_;
    QByteArray dataDir_;
};

void TestLibraryDialog::initTestCase() {
    QVERIFY(emptyFolder_.isValid());
    QVERIFY(QDir::setCurrent(emptyFolder_.path())); // no library in the current folder
    dataDir_ = VELKOR_SOURCE_DIR "/resources";
    qputenv(velkor::kDataDirVariable, dataDir_);
}

void TestLibraryDialog::coresTableAgainstLibrary() {
    Window window;
    QWidget* root = window.get();
    TypeName(root, "Edit2", "N87"); // typed, not applied: the dialog starts in that material
    TFormLib* dialog = OpenLibrary(root);
    QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
    const velkor::library::PartsLibrary* parts = window->Fields().Library();
    QVERIFY(parts && dialog->ChosenMaterial() == parts->FindMaterial("N87"));
    QVERIFY(!dialog->findChild<QLabel*>(QStringLiteral("LBMANCANTE"))->isVisible());

    QTableView* cores = View(dialog, "GRIDNUCLEI");
    QCOMPARE(cores->model()->rowCount(), static_cast<int>(parts->Shapes().size()));
    const velkor::library::Material& n87 = *parts->FindMaterial("N87");
    for (const char* name : {"E 25/13/7", "ETD 29/16/10", "PQ 40/40", "RM 8"}) {
        const velkor::library::CoreShape* shape = parts->FindShape(name);
        QVERIFY2(shape, name);
        const int row = RowOf(cores, velkor::ui::kCoreName, QString::fromStdString(shape->name));
        QVERIFY2(row >= 0, name);
        QCOMPARE(CellText(cores, row, velkor::ui::kCoreAe), Number("%1.1f", shape->ae));
        QCOMPARE(CellText(cores, row, velkor::ui::kCoreLe), Number("%1.1f", shape->le));
        QCOMPARE(CellText(cores, row, velkor::ui::kCoreVe), Number("%1.0f", shape->ve));
        QCOMPARE(CellText(cores, row, velkor::ui::kCoreAmin), Number("%1.1f", shape->amin));
        QCOMPARE(CellText(cores, row, velkor::ui::kCoreWindow), Number("%1.1f", shape->windowArea));
        QCOMPARE(CellText(cores, row, velkor::ui::kCoreAl),
                 Number("%1.0f", velkor::library::AlEstimate(*shape, n87)));
        QCOMPARE(CellText(cores, row, velkor::ui::kCoreStock),
                 parts->InStock(*shape, n87) ? QStringLiteral("a catalogo") : QString());
    }
    // E 25/13/7 on its bobbin: 15.80 mm high, mean turn 48.8 mm.
    const int e25 = RowOf(cores, velkor::ui::kCoreName, QStringLiteral("E 25/13/7"));
    QVERIFY(CellText(cores, e25, velkor::ui::kCoreBobbin).endsWith(Number("%1.2f", 15.80)));
    QCOMPARE(CellText(cores, e25, velkor::ui::kCoreTurn), Number("%1.1f", 48.79));
    // A toroid has no bobbin.
    for (int row = 0; row < cores->model()->rowCount(); ++row)
        if (CellText(cores, row, velkor::ui::kCoreFamily) == QLatin1String("T"))
            QCOMPARE(CellText(cores, row, velkor::ui::kCoreBobbin), QStringLiteral("—"));
    // Some shape is listed in N87, and says so.
    bool stocked = false;
    for (int row = 0; row < cores->model()->rowCount(); ++row)
        stocked = stocked || CellText(cores, row, velkor::ui::kCoreStock) == "a catalogo";
    QVERIFY(stocked);
    const QString counts = dialog->findChild<QLabel*>(QStringLiteral("LBFORME"))->text();
    QVERIFY2(counts.startsWith(QStringLiteral("Forme lette: %1; tenute: %2")
                                   .arg(parts->ShapeCounts().read)
                                   .arg(parts->Shapes().size())),
             qPrintable(counts));
}

void TestLibraryDialog::sortingAndFiltering() {
    Window window;
    QWidget* root = window.get();
    TFormLib* dialog = OpenLibrary(root);
    QVERIFY(dialog);
    QTableView* cores = View(dialog, "GRIDNUCLEI");
    const int all = cores->model()->rowCount();
    const velkor::library::PartsLibrary* parts = window->Fields().Library();

    // By name, blanks and case ignored, anywhere in the name.
    TypeInto(dialog, "EDFILTRO", "etd 29");
    QVERIFY(cores->model()->rowCount() >= 1 && cores->model()->rowCount() < all);
    for (int row = 0; row < cores->model()->rowCount(); ++row)
        QVERIFY(CellText(cores, row, velkor::ui::kCoreName).remove(' ').contains("ETD29"));
    // By an alias that is not a name.
    const velkor::library::CoreShape* aliased = nullptr;
    for (const auto& shape : parts->Shapes())
        if (!shape.aliases.empty() && parts->FindShape(shape.aliases.front()) == &shape &&
            velkor::library::NameKey(shape.aliases.front()) != velkor::library::NameKey(shape.name))
            aliased = &shape;
    QVERIFY(aliased);
    TypeInto(dialog, "EDFILTRO", QString::fromStdString(aliased->aliases.front()));
    QVERIFY(RowOf(cores, velkor::ui::kCoreName, QString::fromStdString(aliased->name)) >= 0);
    TypeInto(dialog, "EDFILTRO", "no such core");
    QCOMPARE(cores->model()->rowCount(), 0);
    TypeInto(dialog, "EDFILTRO", "");
    QCOMPARE(cores->model()->rowCount(), all);

    // By family.
    auto* family = Control<QComboBox>(dialog, "CBFAMIGLIA");
    family->setCurrentIndex(family->findText(QStringLiteral("ETD")));
    QVERIFY(cores->model()->rowCount() > 3);
    for (int row = 0; row < cores->model()->rowCount(); ++row)
        QCOMPARE(CellText(cores, row, velkor::ui::kCoreFamily), QStringLiteral("ETD"));
    family->setCurrentIndex(0);
    QCOMPARE(cores->model()->rowCount(), all);

    // Sorting a number column sorts by the numbers, not their texts; "—" last.
    for (const int column : {velkor::ui::kCoreVe, velkor::ui::kCoreTurn}) {
        cores->sortByColumn(column, Qt::AscendingOrder);
        double last = -1;
        for (int row = 0; row < cores->model()->rowCount(); ++row) {
            const double value =
                cores->model()->index(row, column).data(velkor::ui::kSortRole).toDouble();
            QVERIFY(value >= last);
            last = value;
        }
    }
    cores->sortByColumn(velkor::ui::kCoreName, Qt::DescendingOrder);
    QVERIFY(CellText(cores, 0, velkor::ui::kCoreName).toLower() >=
            CellText(cores, all - 1, velkor::ui::kCoreName).toLower());
}

void TestLibraryDialog::lossColumnAndCurvesAgainstEngine() {
    Window window;
    QWidget* root = window.get();
    TFormLib* dialog = OpenLibrary(root);
    QVERIFY(dialog);
    const velkor::library::PartsLibrary* parts = window->Fields().Library();
    QTableView* materials = View(dialog, "GRIDMATERIALI");
    QCOMPARE(materials->model()->rowCount(), static_cast<int>(parts->Materials().size()));

    const struct {
        double kilohertz, millitesla, celsius;
    } points[] = {{100, 100, 100}, {50, 200, 80}, {300, 50, 25}};
    for (const auto& point : points) {
        Control<QDoubleSpinBox>(dialog, "SPFREQ")->setValue(point.kilohertz);
        Control<QDoubleSpinBox>(dialog, "SPFLUSSO")->setValue(point.millitesla);
        Control<QDoubleSpinBox>(dialog, "SPTEMP")->setValue(point.celsius);
        for (const char* name : {"N87", "3C90", "N97"}) {
            const velkor::library::Material& material = *parts->FindMaterial(name);
            const int row = RowOf(materials, velkor::ui::kMatName, QLatin1String(name));
            QVERIFY2(row >= 0, name);
            const auto pv = velkor::library::SineLossDensity(
                material, point.kilohertz * 1e3, point.millitesla * 1e-3, point.celsius);
            const bool inside = point.kilohertz * 1e3 >= material.bands.front().fMin &&
                                point.kilohertz * 1e3 <= material.bands.back().fMax;
            QCOMPARE(CellText(materials, row, velkor::ui::kMatLoss),
                     inside && pv ? Number("%1.1f", *pv / 1e3) : QStringLiteral("—"));
        }
        // Sorting the column ranks the materials at the point, those without a value last.
        materials->sortByColumn(velkor::ui::kMatLoss, Qt::AscendingOrder);
        double last = 0;
        for (int row = 0; row < materials->model()->rowCount(); ++row) {
            const double value = materials->model()
                                     ->index(row, velkor::ui::kMatLoss)
                                     .data(velkor::ui::kSortRole)
                                     .toDouble();
            QVERIFY(value >= last);
            last = value;
        }
    }

    // The curves of the material selected, at the temperature set, against the engine.
    Control<QDoubleSpinBox>(dialog, "SPTEMP")->setValue(80);
    Select(dialog, TFormLib::kMaterialsTab, materials,
           RowOf(materials, velkor::ui::kMatName, QStringLiteral("N87")));
    const velkor::library::Material& n87 = *parts->FindMaterial("N87");
    QCOMPARE(dialog->ChosenMaterial(), &n87);
    auto* plot = dialog->findChild<velkor::ui::LossPlot*>(QStringLiteral("PLOTPV"));
    QVERIFY(plot && plot->isVisible());
    const auto& curves = plot->Curves();
    QVERIFY(!curves.empty());
    for (const auto& curve : curves) {
        const double hertz = curve.kilohertz * 1e3;
        QVERIFY(hertz >= n87.bands.front().fMin && hertz <= n87.bands.back().fMax);
    }
    int checked = 0;
    for (const auto& curve : curves)
        for (const std::size_t at : {std::size_t{0}, curve.points.size() / 2}) {
            if (checked == 3 || at >= curve.points.size())
                continue;
            const QPointF point = curve.points[at];
            const auto pv =
                velkor::library::SineLossDensity(n87, curve.kilohertz * 1e3, point.x() * 1e-3, 80);
            QVERIFY(pv);
            QVERIFY(std::fabs(point.y() - *pv / 1e3) <= 1e-9 * point.y());
            ++checked;
        }
    QCOMPARE(checked, 3);
    QVERIFY(curves.front().points.front().x() == velkor::ui::kPlotLowestFlux);
    QVERIFY(std::fabs(curves.front().points.back().x() - velkor::ui::kPlotHighestFlux) < 1e-9);
    // A material whose bands end below 500 kHz draws no 500 kHz curve.
    for (const auto& material : parts->Materials()) {
        const auto drawn = velkor::ui::LossCurves(material, 100);
        for (const auto& curve : drawn)
            QVERIFY(curve.kilohertz * 1e3 <= material.bands.back().fMax &&
                    curve.kilohertz * 1e3 >= material.bands.front().fMin);
    }
}

void TestLibraryDialog::useFromEachTab() {
    Window window;
    QWidget* root = window.get();
    TFormLib* dialog = OpenLibrary(root);
    QVERIFY(dialog);
    auto* use = Control<QPushButton>(dialog, "SBUSA");

    // Materiali: the material alone.
    QTableView* materials = View(dialog, "GRIDMATERIALI");
    Select(dialog, TFormLib::kMaterialsTab, materials,
           RowOf(materials, velkor::ui::kMatName, QStringLiteral("N87")));
    QVERIFY(use->isEnabled());
    use->click();
    QCOMPARE(Text(root, "Edit2"), QStringLiteral("N87"));
    QCOMPARE(Text(root, "BSAT"), QStringLiteral("3898"));
    QCOMPARE(Text(root, "AE"), QStringLiteral("52"));

    // Nuclei, by a double click: the core, and the material the Al column shows.
    QTableView* cores = View(dialog, "GRIDNUCLEI");
    const int row = RowOf(cores, velkor::ui::kCoreName, QStringLiteral("E 25/13/7"));
    Select(dialog, TFormLib::kCoresTab, cores, row);
    cores->scrollTo(cores->model()->index(row, velkor::ui::kCoreName));
    QApplication::processEvents();
    const QRect cell = cores->visualRect(cores->model()->index(row, velkor::ui::kCoreName));
    QTest::mouseClick(cores->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(cores->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(Text(root, "Edit1"), QStringLiteral("E 25/13/7"));
    QCOMPARE(Text(root, "Edit2"), QStringLiteral("N87"));
    QCOMPARE(Text(root, "AE"), Local("51,8"));
    QCOMPARE(Text(root, "AC"), Local("95,3"));
    QCOMPARE(Text(root, "AL"), QStringLiteral("1860"));
    QCOMPARE(Text(root, "BSAT"), QStringLiteral("3898"));
    QCOMPARE(Text(root, "NSP"), QString()); // nothing calculated

    // Fili: nothing to apply.
    dialog->findChild<QTabWidget*>(QStringLiteral("PCLIB"))->setCurrentIndex(TFormLib::kWiresTab);
    QVERIFY(View(dialog, "GRIDIEC")->model()->rowCount() > 50);
    QVERIFY(View(dialog, "GRIDAWG")->model()->rowCount() > 30);
    QVERIFY(!use->isEnabled());

    // Suggeriti: the core, the material, and "Calcola".
    Click(dialog, "SBRICALCOLA");
    QVERIFY(WaitForAdviser(dialog));
    QTableView* suggested = View(dialog, "GRIDSUGG");
    QVERIFY(suggested->model()->rowCount() > 0);
    Select(dialog, TFormLib::kSuggestedTab, suggested, 0);
    use->click();
    QCOMPARE(Text(root, "Edit1"), CellText(suggested, 0, velkor::ui::kSugCore));
    QVERIFY(!Text(root, "NSP").isEmpty());
}

void TestLibraryDialog::everySuggestionReproducedOnThePage_data() {
    QTest::addColumn<QString>("material");
    QTest::addColumn<QString>("freq");
    QTest::addColumn<QString>("psec");
    QTest::addColumn<QString>("eta");
    QTest::addColumn<QString>("ambient");
    QTest::newRow("N87 at 100 kHz, 20 W") << "N87"
                                          << "100000"
                                          << "20"
                                          << "80"
                                          << "40";
    QTest::newRow("every material at 50 kHz, 30 W, half-bridge") << "ferrite"
                                                                 << "50000"
                                                                 << "30"
                                                                 << "85"
                                                                 << "25";
}

void TestLibraryDialog::everySuggestionReproducedOnThePage() {
    QFETCH(QString, material);
    QFETCH(QString, freq);
    QFETCH(QString, psec);
    QFETCH(QString, eta);
    QFETCH(QString, ambient);
    Window window;
    QWidget* root = window.get();
    TypeName(root, "Edit2", material);
    for (const auto& [field, text] :
         {std::pair{"FREQ", freq}, {"PSEC", psec}, {"ETA", eta}, {"TAMBFER", ambient}})
        TypeInto(root, QLatin1String(field), text);
    TFormLib* dialog = OpenLibrary(root, "SBSUGG");
    QVERIFY(dialog);
    QVERIFY(WaitForAdviser(dialog));
    QTableView* suggested = View(dialog, "GRIDSUGG");
    const int rows = suggested->model()->rowCount();
    QVERIFY(rows > 0 && rows <= 30);
    const QString status = dialog->findChild<QLabel*>(QStringLiteral("LBSUGG"))->text();
    QVERIFY2(status.contains(material == "N87" ? "in N87" : "in tutti i materiali"),
             qPrintable(status));
    for (int row = 0; row < rows; ++row) {
        Select(dialog, TFormLib::kSuggestedTab, suggested, row);
        const BoxSeen box = AnswerNextBox([&] { Click(dialog, "SBUSA"); });
        QVERIFY2(!box.shown, qPrintable(box.text));
        QCOMPARE(Text(root, "Edit1"), CellText(suggested, row, velkor::ui::kSugCore));
        QCOMPARE(Text(root, "Edit2"), CellText(suggested, row, velkor::ui::kSugMaterial));
        for (int column = 0; column < velkor::ui::kSugColumns; ++column) {
            const QString field = QLatin1String(velkor::ui::SuggestionField(column));
            if (!field.isEmpty())
                QCOMPARE(Text(root, field).trimmed(), CellText(suggested, row, column));
        }
        for (const char* check : {"AEAC", "BMAXEFF", "RIEMPFER", "TNUCLEO", "RENDCALC"})
            QVERIFY2(!Bold(root, QLatin1String(check)), check);
    }
}

void TestLibraryDialog::nothingPassesSaysWhy() {
    Window window;
    QWidget* root = window.get();
    TypeName(root, "Edit2", "N87");
    TypeInto(root, "PSEC", "10000");
    TFormLib* dialog = OpenLibrary(root, "SBSUGG");
    QVERIFY(dialog);
    QVERIFY(WaitForAdviser(dialog));
    QCOMPARE(View(dialog, "GRIDSUGG")->model()->rowCount(), 0);
    const QString status = dialog->findChild<QLabel*>(QStringLiteral("LBSUGG"))->text();
    const velkor::AdviserResult& result = dialog->Suggestions();
    QCOMPARE(result.MostFailed(), velkor::AdviserCheck::WindowFill);
    QVERIFY2(status.contains("nessuno supera tutte le verifiche") &&
                 status.contains(QString::fromUtf8(velkor::CheckName(result.MostFailed()))) &&
                 status.contains(QStringLiteral("(%1 progetti)").arg(result.failures[3])),
             qPrintable(status));
}

void TestLibraryDialog::cancelledRun() {
    Window window;
    QWidget* root = window.get();
    TypeName(root, "Edit2", "ferrite"); // every material: the longest run
    TFormLib* dialog = OpenLibrary(root, "SBSUGG");
    QVERIFY(dialog && dialog->Suggesting());
    // The button shows after 200 ms of running; pressed at once, it stops the run early.
    auto* cancel = Control<QPushButton>(dialog, "SBANNULLA");
    QVERIFY(!cancel->isVisible());
    cancel->click();
    QVERIFY(WaitForAdviser(dialog));
    QVERIFY(dialog->Suggestions().cancelled);
    QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("LBSUGG"))->text().contains("annullata"));
    QVERIFY(!Control<QWidget>(dialog, "PBSUGG")->isVisible());
    // A new run after the cancelled one completes; closing the window mid-run leaves no thread.
    Click(dialog, "SBRICALCOLA");
    QVERIFY(WaitForAdviser(dialog));
    QVERIFY(!dialog->Suggestions().cancelled);
    Click(dialog, "SBRICALCOLA");
}

void TestLibraryDialog::missingLibraryFolder() {
    const QTemporaryDir empty;
    QVERIFY(empty.isValid());
    qputenv(velkor::kDataDirVariable, QFile::encodeName(empty.path()));
    if (!velkor::ui::FindLibraryFolder(velkor::DataDirs()).isEmpty()) {
        qputenv(velkor::kDataDirVariable, dataDir_);
        QSKIP("a library is installed on this machine");
    }
    {
        Window window;
        QWidget* root = window.get();
        TFormLib* dialog = OpenLibrary(root);
        QVERIFY(dialog);
        auto* missing = dialog->findChild<QLabel*>(QStringLiteral("LBMANCANTE"));
        QVERIFY(missing->isVisible());
        QVERIFY2(missing->text().contains("non trovata"), qPrintable(missing->text()));
        QCOMPARE(View(dialog, "GRIDNUCLEI")->model()->rowCount(), 0);
        Click(root, "SBSUGG");
        QVERIFY(!dialog->Suggesting());
        QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("LBSUGG"))->text().contains("nulla"));
        Click(dialog, "SBUSA");
        QCOMPARE(Text(root, "Edit1"), QStringLiteral("EC52"));
    }
    // A folder with the shapes alone: the dialog names what is missing.
    QVERIFY(QDir(empty.path()).mkdir(QStringLiteral("library")));
    QVERIFY(QFile::copy(QStringLiteral(VELKOR_SOURCE_DIR "/resources/library/core_shapes.ndjson"),
                        empty.filePath(QStringLiteral("library/core_shapes.ndjson"))));
    {
        Window window;
        QWidget* root = window.get();
        TFormLib* dialog = OpenLibrary(root);
        QVERIFY(dialog);
        const QString missing = dialog->findChild<QLabel*>(QStringLiteral("LBMANCANTE"))->text();
        QVERIFY2(missing.contains("ferrite_materials.csv") && missing.contains("wires.ndjson"),
                 qPrintable(missing));
        QVERIFY(View(dialog, "GRIDNUCLEI")->model()->rowCount() > 500);
        QCOMPARE(View(dialog, "GRIDMATERIALI")->model()->rowCount(), 0);
        Click(root, "SBSUGG");
        QVERIFY(!dialog->Suggesting());
    }
    qputenv(velkor::kDataDirVariable, dataDir_);
}

void TestLibraryDialog::plotReadableInBothPalettes() {
    // Each curve reads on the plot's background (3 : 1, a graphical object), light or dark;
    // with VELKOR_SCREENSHOTS=folder, a picture of each tab in each palette.
    Window window;
    QWidget* root = window.get();
    TypeName(root, "Edit2", "N87");
    TFormLib* dialog = OpenLibrary(root, "SBSUGG");
    QVERIFY(dialog);
    QVERIFY(WaitForAdviser(dialog));
    auto* plot = dialog->findChild<velkor::ui::LossPlot*>(QStringLiteral("PLOTPV"));
    const QPalette light = QApplication::palette();
    const QString folder = qEnvironmentVariable("VELKOR_SCREENSHOTS");
    for (const auto& [name, palette] : {std::pair{"chiaro", light}, {"scuro", Dark()}}) {
        QApplication::setPalette(palette);
        QApplication::processEvents();
        for (int n = 0; n < 5; ++n)
            QVERIFY2(Contrast(plot->CurveColour(n), plot->palette().color(QPalette::Base)) >= 3,
                     name);
        if (folder.isEmpty())
            continue;
        auto* tabs = dialog->findChild<QTabWidget*>(QStringLiteral("PCLIB"));
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QApplication::processEvents();
            dialog->grab().save(
                QStringLiteral("%1/libreria_%2_%3.png").arg(folder).arg(tab).arg(name));
        }
        root->grab().save(QStringLiteral("%1/ferrite_%2.png").arg(folder, name));
    }
    QApplication::setPalette(light);
}

QTEST_MAIN(TestLibraryDialog)
#include "test_library_dialog.moc"
