// Click benchmark, run by hand: clicks every calculation button of every page of the real
// window (offscreen) 1000 times with changing inputs and prints, per button, the median time of
// the click alone and of the click with the repaint that follows it (µs, with the min-max of the
// medians of the rounds). Given one button, it also prints that click's floor: the result fields
// it changed, as plain line edits on a bare window, given the same texts (alone and with the
// repaint). "ferrite-loss" is "Calcola" on library parts, its losses and core temperature
// included. Then times the export of each report page to PDF.
//   click_bench [clicks [button]]      (QT_QPA_PLATFORM=offscreen is set when no platform is given)
#include "main_window.h"
#include "report_fills.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QMetaObject>
#include <QPaintEvent>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// One input field and the texts it takes in turn, one per click.
struct Input {
    const char* field;
    std::vector<const char*> texts;
};

struct Case {
    const char* page;
    const char* button;
    std::vector<Input> inputs;
};

// Inputs of each group that a button may read; whole numbers read the same in any locale.
const std::vector<Input> kResonance = {{"IFREQ", {"5", "7", "12", "3"}},
                                       {"ICAP", {"10", "22", "47", "33"}},
                                       {"IIND", {"100", "220", "470", "330"}},
                                       {"IXC", {"50", "75", "120", "90"}},
                                       {"IXL", {"60", "80", "110", "95"}}};
const std::vector<Input> kCurrent = {
    {"EDINOM", {"1", "2", "3", "5"}}, {"EDDENS", {"3", "4", "5", "6"}}, {"EDDIAM", {"1", "2"}}};
const std::vector<Input> kSingle = {{"ISS", {"10", "22", "47", "33"}}, {"MESS", {"1", "2"}},
                                    {"DSS", {"10", "12", "15"}},       {"LSS", {"20", "30", "25"}},
                                    {"NSSS", {"10", "20", "30"}},      {"EDDIAM", {"1"}}};
const std::vector<Input> kClosed = {{"INUC", {"10", "22", "47", "33"}},
                                    {"ALNUC", {"100", "250", "400"}},
                                    {"NSNUC", {"10", "20", "30"}},
                                    {"D1NUC", {"10"}},
                                    {"D2NUC", {"12"}},
                                    {"D3NUC", {"20", "25"}},
                                    {"D4NUC", {"30"}},
                                    {"D5NUC", {"32"}},
                                    {"EDDIAM", {"1"}}};
const std::vector<Input> kFerrite = {{"VPMIN", {"10", "11", "12", "9"}},
                                     {"PSEC", {"8", "10", "12", "6"}}};
// The same design on library parts, so that "Calcola" also finds the losses and the core
// temperature (the library is read during the warm-up clicks).
const std::vector<Input> kFerriteLosses = {{"Edit1", {"E 25/13/7", "ETD 29/16/10", "E 25/13/7"}},
                                           {"Edit2", {"N87", "3C90"}},
                                           {"VPMIN", {"10", "11", "12", "9"}},
                                           {"PSEC", {"8", "10", "12", "6"}}};
const std::vector<Input> kGapped = {{"LGAP", {"100", "220", "470", "47"}},
                                    {"IPKGAP", {"5", "3", "2", "4"}}};
// The flyback design on the page's core and material, with the thermal loop.
const std::vector<Input> kFlyback = {{"VINMINFB", {"100", "90", "110", "120"}},
                                     {"IOUTFB", {"2", "3", "1", "2"}}};
const std::vector<Input> kMains = {{"TAVP", {"230", "220", "240", "110"}},
                                   {"TAFREQ", {"50", "60"}}};

std::vector<Case> Cases() {
    std::vector<Case> cases;
    for (const char* button :
         {"SBCFR", "SBCCR", "SBCIR", "SBCXC", "SBCXL", "SBCFXC", "SBCFXL", "SBCCXC", "SBCIXL"})
        cases.push_back({"inductor", button, kResonance});
    for (const char* button : {"SBCN", "SBDC", "SBDF"})
        cases.push_back({"inductor", button, kCurrent});
    for (const char* button : {"SBCISS", "SBCMESS", "SBCDSS", "SBCLSS", "SBCNSSS"})
        cases.push_back({"inductor", button, kSingle});
    for (const char* button : {"SBCINUC", "SBCALNUC", "SBCNSNUC", "SBALTRONUC"})
        cases.push_back({"inductor", button, kClosed});
    cases.push_back({"inductor", "SBCALCGAP", kGapped});
    cases.push_back({"ferrite", "SBCALC", kFerrite});
    cases.push_back({"ferrite-loss", "SBCALC", kFerriteLosses});
    cases.push_back({"mains", "SBTACALC", kMains});
    cases.push_back({"flyback", "SBCALCFB", kFlyback});
    return cases;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Makes the pages of every tab control holding `widget` the current ones.
void ShowPageOf(QWidget* widget) {
    for (QWidget* child = widget; child && child->parentWidget(); child = child->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(child->parentWidget()->parentWidget()))
            if (tabs->indexOf(child) >= 0)
                tabs->setCurrentWidget(child);
}

// Commits a text into a cell of the secondaries grid through its cell editor, as typing does.
void CommitCell(QTableWidget* grid, int column, int row, const QString& text) {
    QLineEdit editor;
    editor.setText(text);
    grid->itemDelegate()->setModelData(&editor, grid->model(), grid->model()->index(row, column));
}

// Median and min-max of the round medians of `values`, split into `rounds` rounds.
struct Figure {
    double median, low, high;
};
Figure Rounds(const std::vector<double>& values, int rounds) {
    std::vector<double> medians;
    const size_t perRound = std::max<size_t>(1, values.size() / static_cast<size_t>(rounds));
    for (size_t i = 0; i + perRound <= values.size(); i += perRound)
        medians.push_back(Median({values.begin() + static_cast<std::ptrdiff_t>(i),
                                  values.begin() + static_cast<std::ptrdiff_t>(i + perRound)}));
    const auto [low, high] = std::minmax_element(medians.begin(), medians.end());
    return {Median(values), *low, *high};
}

// Every cell of the grids of a page, in a fixed order, and the text of one.
struct CellAt {
    int grid, row, column;
};
std::vector<CellAt> CellsOf(const QList<QTableWidget*>& grids) {
    std::vector<CellAt> cells;
    for (int g = 0; g < static_cast<int>(grids.size()); ++g)
        for (int row = 0; row < grids[g]->rowCount(); ++row)
            for (int column = 0; column < grids[g]->columnCount(); ++column)
                cells.push_back({g, row, column});
    return cells;
}
QString TextAt(const QList<QTableWidget*>& grids, const CellAt& at) {
    const QTableWidgetItem* cell = grids[at.grid]->item(at.row, at.column);
    return cell ? cell->text() : QString();
}

// A grid of the click, as a plain table of the same geometry, sizes, font and palette.
QTableWidget* PlainGrid(QWidget* bare, QWidget* window, const QTableWidget* grid) {
    auto* plain = new QTableWidget(grid->rowCount(), grid->columnCount(), bare);
    plain->setFont(grid->font());
    plain->setPalette(grid->palette());
    plain->setGeometry(QRect(grid->mapTo(window, QPoint(0, 0)), grid->size()));
    plain->horizontalHeader()->setVisible(grid->horizontalHeader()->isVisible());
    plain->verticalHeader()->setVisible(grid->verticalHeader()->isVisible());
    for (int row = 0; row < grid->rowCount(); ++row)
        plain->setRowHeight(row, grid->rowHeight(row));
    for (int column = 0; column < grid->columnCount(); ++column)
        plain->setColumnWidth(column, grid->columnWidth(column));
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            if (const QTableWidgetItem* cell = grid->item(row, column))
                plain->setItem(row, column, new QTableWidgetItem(cell->text()));
    return plain;
}

// The floor of a click: the same count of plain read-only line edits, with the geometry, font
// and palette of the fields the click changed, and plain tables in place of the grids whose
// cells it changed, on a bare window of the same size, given the texts the click gave them
// (one list per turn: the fields' texts, then the changed cells'); timed alone and with the
// repaint.
void PrintFloor(QWidget* window, const std::vector<QLineEdit*>& fields,
                const QList<QTableWidget*>& grids, const std::vector<CellAt>& cells,
                const std::vector<std::vector<QString>>& texts, int clicks, int rounds) {
    QWidget bare;
    bare.setFixedSize(window->size());
    bare.setFont(window->font());
    bare.setPalette(window->palette());
    std::vector<QLineEdit*> edits;
    for (QLineEdit* field : fields) {
        auto* edit = new QLineEdit(&bare);
        edit->setReadOnly(true);
        edit->setFont(field->font());
        edit->setPalette(field->palette());
        edit->setGeometry(QRect(field->mapTo(window, QPoint(0, 0)), field->size()));
        edits.push_back(edit);
    }
    std::vector<QTableWidget*> plainGrids;
    for (const QTableWidget* grid : grids)
        plainGrids.push_back(PlainGrid(&bare, window, grid));
    bare.show();
    QCoreApplication::processEvents();
    std::vector<double> alone, painted;
    for (int i = -50; i < clicks; ++i) {
        const std::vector<QString>& turn = texts[static_cast<size_t>(i + 50) % texts.size()];
        QElapsedTimer timer;
        timer.start();
        for (size_t k = 0; k < edits.size(); ++k)
            edits[k]->setText(turn[k]);
        for (size_t k = 0; k < cells.size(); ++k)
            plainGrids[static_cast<size_t>(cells[k].grid)]
                ->item(cells[k].row, cells[k].column)
                ->setText(turn[edits.size() + k]);
        const double set = static_cast<double>(timer.nsecsElapsed()) / 1000; // µs
        QCoreApplication::processEvents();
        const double total = static_cast<double>(timer.nsecsElapsed()) / 1000; // µs
        if (i >= 0) {
            alone.push_back(set);
            painted.push_back(total);
        }
    }
    const Figure a = Rounds(alone, rounds), p = Rounds(painted, rounds);
    std::printf("%-12s %-10s %10.1f (%6.1f-%6.1f) %10.1f (%6.1f-%6.1f)   %zu plain fields, "
                "%zu plain cells\n",
                "  floor", "setText", a.median, a.low, a.high, p.median, p.low, p.high,
                edits.size(), cells.size());
}

// The repaint after a click, in a function of its own so that a profiler can single it out
// (valgrind --toggle-collect='*TimedRepaint*').
[[gnu::noinline]] void TimedRepaint() {
    QCoreApplication::processEvents();
}

// With VELKOR_BENCH_PAINTS set, lists the widgets that one repaint after a click paints, with
// the rectangle each was asked to paint: what a repaint costs is mostly how much it touches.
class PaintCensus : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (on && event->type() == QEvent::Paint) {
            const QRect r = static_cast<QPaintEvent*>(event)->rect();
            std::printf("    paint %-28s %-16s %4d,%4d %4dx%-4d\n",
                        object->metaObject()->className(), qPrintable(object->objectName()), r.x(),
                        r.y(), r.width(), r.height());
        }
        return false;
    }
    bool on = false;
};

// Closes any modal box a click opens (a bad input): counted, so the figures can be doubted.
int boxes = 0;

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The parts library of the sources, for "Calcola" on library parts.
    if (qEnvironmentVariableIsEmpty("VELKOR_DATA_DIR"))
        qputenv("VELKOR_DATA_DIR", VELKOR_SOURCE_DIR "/resources");
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 1000;
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString(); // one button
    const int rounds = 5; // the clicks are split into rounds; the spread of their medians is
                          // the noise of the machine
    QApplication app(argc, argv);
    TForm1* window = CreateForms();
    window->show();
    QCoreApplication::processEvents();

    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            ++boxes;
            box->close();
        }
    });
    closer.start(0);

    PaintCensus census;
    const bool listPaints = !qEnvironmentVariableIsEmpty("VELKOR_BENCH_PAINTS");
    if (listPaints)
        app.installEventFilter(&census);

    auto* grid = window->findChild<QTableWidget*>("SGTAINSEC");
    CommitCell(grid, 0, 1, "12");
    CommitCell(grid, 1, 1, "2");
    CommitCell(grid, 0, 2, "24");
    CommitCell(grid, 1, 2, "1");

    std::printf("%-12s %-10s %26s %26s\n", "page", "button", "click alone µs (min-max)",
                "with repaint µs (min-max)");
    velkor::Page& page = window->Fields();
    for (const Case& c : Cases()) {
        if (!only.isEmpty() && only != QLatin1String(c.button))
            continue;
        auto* button = window->findChild<QAbstractButton*>(c.button);
        if (!button) {
            std::printf("%-12s %-10s missing\n", c.page, c.button);
            continue;
        }
        ShowPageOf(button);
        QCoreApplication::processEvents();
        // The line edits of the page and their texts after each turn of the inputs.
        const QList<QLineEdit*> lineEdits = button->parentWidget()->findChildren<QLineEdit*>();
        const QList<QTableWidget*> grids = button->parentWidget()->findChildren<QTableWidget*>();
        const std::vector<CellAt> allCells = CellsOf(grids);
        std::vector<std::vector<QString>> turns; // the fields' texts, then the cells'

        std::vector<double> alone, painted, roundAlone, roundPainted;
        const int perRound = std::max(1, clicks / rounds);
        for (int i = -50; i < perRound * rounds; ++i) { // 50 warm-up clicks
            const size_t turn = static_cast<size_t>(i + 50);
            for (const Input& input : c.inputs)
                page.SetText(input.field, input.texts[turn % input.texts.size()]);
            QCoreApplication::processEvents(); // the inputs' own repaint is not timed
            QElapsedTimer timer;
            timer.start();
            button->click();
            const double handler = static_cast<double>(timer.nsecsElapsed()) / 1000; // µs
            census.on = listPaints && i == 0;
            TimedRepaint();
            census.on = false;
            const double total = static_cast<double>(timer.nsecsElapsed()) / 1000; // µs
            if (i >= -4) { // the last turns before timing: one of each text of the inputs
                turns.emplace_back();
                for (QLineEdit* edit : lineEdits)
                    turns.back().push_back(edit->text());
                for (const CellAt& cell : allCells)
                    turns.back().push_back(TextAt(grids, cell));
            }
            if (i < 0)
                continue;
            alone.push_back(handler);
            painted.push_back(total);
            if (alone.size() % perRound == 0) {
                roundAlone.push_back(Median({alone.end() - perRound, alone.end()}));
                roundPainted.push_back(Median({painted.end() - perRound, painted.end()}));
            }
        }
        const auto [aMin, aMax] = std::minmax_element(roundAlone.begin(), roundAlone.end());
        const auto [pMin, pMax] = std::minmax_element(roundPainted.begin(), roundPainted.end());
        std::printf("%-12s %-10s %10.1f (%6.1f-%6.1f) %10.1f (%6.1f-%6.1f)\n", c.page, c.button,
                    Median(alone), *aMin, *aMax, Median(painted), *pMin, *pMax);
        if (QLatin1String(c.page) == QLatin1String("ferrite-loss") && page.Text("TNUCLEO") == "?")
            std::printf("  (no losses: the parts library was not found)\n");
        if (!only.isEmpty()) { // one button: also its floor, the fields it changed as plain ones
            // The read-only fields and the cells it changed, with their texts in each turn.
            std::vector<QLineEdit*> changed;
            std::vector<CellAt> cells;
            std::vector<std::vector<QString>> texts(turns.size());
            const size_t fields = static_cast<size_t>(lineEdits.size());
            for (size_t k = 0; k < turns.front().size(); ++k) {
                bool changes = false;
                for (size_t t = 1; t < turns.size(); ++t)
                    changes = changes || turns[t][k] != turns[t - 1][k];
                if (!changes)
                    continue;
                if (k >= fields)
                    cells.push_back(allCells[k - fields]);
                else if (QLineEdit* edit = lineEdits[static_cast<qsizetype>(k)]; edit->isReadOnly())
                    changed.push_back(edit);
                else
                    continue;
                for (size_t t = 0; t < turns.size(); ++t)
                    texts[t].push_back(turns[t][k]);
            }
            if (!changed.empty() || !cells.empty())
                PrintFloor(window, changed, grids, cells, texts, perRound * rounds, rounds);
        }
    }
    if (boxes > 0)
        std::printf("message boxes closed: %d (their clicks are in the figures)\n", boxes);

    // Each report to PDF, five times: the first export loads the printing support and fonts.
    QTemporaryDir folder;
    std::printf("\nreport fill + PDF, ms: first, then median (min-max) of the next 4\n");
    using Fill = void (*)(QWidget*);
    const std::pair<const char*, Fill> reports[] = {
        {"Form2", velkor::reports::FillInductorReport},
        {"Form3", velkor::reports::FillFerriteReport},
        {"Form4", velkor::reports::FillMainsReport},
        {"Form5", velkor::reports::FillFlybackReport},
    };
    for (const auto& [form, fill] : reports) {
        QObject* report = window->findChild<QWidget*>(form)->findChild<QObject*>("QuickRep1");
        std::vector<double> times;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer timer;
            timer.start();
            bool written = false;
            fill(window);
            QMetaObject::invokeMethod(report, "exportPdf", Q_RETURN_ARG(bool, written),
                                      Q_ARG(QString, folder.filePath(QString("r%1.pdf").arg(i))));
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            if (!written)
                std::printf("%s: the PDF was not written\n", form);
        }
        const std::vector<double> later(times.begin() + 1, times.end());
        const auto [lo, hi] = std::minmax_element(later.begin(), later.end());
        std::printf("%-6s first %6.1f   then %6.1f (%5.1f-%5.1f)\n", form, times[0], Median(later),
                    *lo, *hi);
    }
    delete window;
    return 0;
}
