// The floor: a plain Qt window of Velkor's size holding exactly the widgets of Velkor's census
// (argv[2], written by the census program from CreateForms()'s window): the same count of each
// Qt class, as many of them visible at the first paint, the visible ones of their mean size.
// It has no logic, texts, pictures or manual. Its own census goes to standard error.
#include "first_paint.h"
#include "widget_census.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>

#include <functional>
#include <vector>

namespace {

// Classes whose widgets make others inside them come first, so that the widgets they make
// count before the plain ones are topped up.
const char* const kComposites[] = {"QTabWidget", "QTableWidget", "QTextEdit", "QComboBox"};

QWidget* Make(const std::string& name, QWidget* parent) {
    static const std::map<std::string, std::function<QWidget*(QWidget*)>> makers = {
        {"QTabWidget", [](QWidget* p) { return new QTabWidget(p); }},
        {"QTableWidget", [](QWidget* p) { return new QTableWidget(7, 3, p); }},
        {"QTextEdit", [](QWidget* p) { return new QTextEdit(p); }},
        {"QComboBox", [](QWidget* p) { return new QComboBox(p); }},
        {"QGroupBox", [](QWidget* p) { return new QGroupBox("Group", p); }},
        {"QLabel", [](QWidget* p) { return new QLabel("Label", p); }},
        {"QLineEdit", [](QWidget* p) { return new QLineEdit(p); }},
        {"QToolButton", [](QWidget* p) { return new QToolButton(p); }},
        {"QPushButton", [](QWidget* p) { return new QPushButton(p); }},
        {"QRadioButton", [](QWidget* p) { return new QRadioButton("Radio", p); }},
        {"QCheckBox", [](QWidget* p) { return new QCheckBox("Check", p); }},
        {"QScrollBar", [](QWidget* p) { return new QScrollBar(p); }},
        {"QTabBar", [](QWidget* p) { return new QTabBar(p); }},
        {"QStackedWidget", [](QWidget* p) { return new QStackedWidget(p); }},
        {"QHeaderView", [](QWidget* p) { return new QHeaderView(Qt::Horizontal, p); }},
    };
    const auto found = makers.find(name);
    return found != makers.end() ? found->second(parent) : new QWidget(parent);
}

} // namespace

int main(int argc, char* argv[]) {
    const double start = StartSeconds(argc, argv);
    const Census target = ReadCensus(argc > 2 ? argv[2] : "census.txt");
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(692, 606);       // px
    auto* hidden = new QWidget(&window); // holds the widgets not visible at the first paint
    hidden->hide();

    // The composites first; then one count of the widgets they made (every class here is
    // Qt's own, so its class name is its census class); then the plain ones, which make none.
    std::map<std::string, ClassCount> have;
    int x = 0, y = 0, rowHeight = 0; // px, where the next visible widget goes
    const auto build = [&](const std::string& name, const ClassCount& want) {
        const int width = want.visible ? static_cast<int>(want.width / want.visible) : 0;
        const int height = want.visible ? static_cast<int>(want.height / want.visible) : 0;
        for (int i = have[name].visible; i < want.visible; ++i) {
            QWidget* widget = Make(name, &window);
            if (x + width > 692) {
                x = 0;
                y += rowHeight;
                rowHeight = 0;
            }
            if (y + height > 606)
                y = 0;
            widget->setGeometry(x, y, width, height);
            x += width;
            rowHeight = std::max(rowHeight, height);
        }
        for (int i = have[name].all - have[name].visible; i < want.all - want.visible; ++i)
            Make(name, hidden);
    };
    for (const char* name : kComposites)
        if (const auto wanted = target.find(name); wanted != target.end())
            build(name, wanted->second);
    QList<QWidget*> made = window.findChildren<QWidget*>();
    made.prepend(&window);
    for (QWidget* widget : made) {
        ClassCount& count = have[widget->metaObject()->className()];
        ++count.all;
        if (widget == &window || widget->isVisibleTo(&window))
            ++count.visible;
    }
    for (const auto& [name, want] : target)
        if (std::find(std::begin(kComposites), std::end(kComposites), name) ==
            std::end(kComposites))
            build(name, want);

    FirstPaintProbe probe(&window, start);
    window.show();
    const int status = app.exec();

    // After the timing: the floor's own census, to show it built exactly the target.
    const Census built = TakeCensus(&window);
    const auto [all, visible] = Totals(built);
    const auto [wantAll, wantVisible] = Totals(target);
    int differences = 0;
    for (const auto& [name, count] : target) {
        const auto found = built.find(name);
        const ClassCount got = found == built.end() ? ClassCount{} : found->second;
        differences += std::abs(got.all - count.all) + std::abs(got.visible - count.visible);
    }
    std::fprintf(stderr, "floor census: %d widgets, %d visible (Velkor %d, %d); %d off\n", all,
                 visible, wantAll, wantVisible, differences);
    return status;
}
