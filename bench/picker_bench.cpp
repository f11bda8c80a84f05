// Picker benchmark, run by hand: types names into the ferrite page's "Core" and "Materiale"
// fields of the real window (offscreen), one key at a time, and prints the time each keystroke
// takes to be answered: the list of names filtered and shown (alone, and with the repaint of
// the field and the list that follows), those that open the list, and the keystroke's processor
// time (the wall clock on a shared machine also holds other programs' turns). The first
// keystroke, which reads the library, is printed apart. The target: under 2 ms a keystroke.
//   picker_bench [rounds]      (QT_QPA_PLATFORM=offscreen is set when no platform is given)
#include "main_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// What is typed into each field, a key at a time, over an emptied field.
struct Typing {
    const char* field;
    std::vector<const char*> words;
};

const Typing kTypings[] = {
    {"Edit1", {"e25/13/7", "etd29", "pq40/40", "rm8", "t", "ep13", "er", "0"}},
    {"Edit2", {"n87", "3c90", "pc95", "n", "3"}},
};

void Key(QWidget* target, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

// A key where the keyboard sends it: to the open list, else to the field.
QWidget* KeyTarget(QLineEdit* field) {
    QWidget* popup = QApplication::activePopupWidget();
    return popup ? popup : field;
}

// This thread's processor time: on a shared machine the wall clock also counts the turns the
// scheduler gives other programs in the middle of a keystroke.
double ThreadCpuMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    return values[at];
}

void Print(const char* what, const std::vector<double>& us) {
    std::printf("%-28s median %7.1f µs   95%% %7.1f µs   max %7.1f µs   (%zu keys)\n", what,
                Percentile(us, 0.5), Percentile(us, 0.95), Percentile(us, 1.0), us.size());
}

} // namespace

// Drops the offscreen platform's notes on what it cannot do (raise, grab the keyboard).
void Quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtWarningMsg || !message.startsWith(QLatin1String("This plugin does not support")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char* argv[]) {
    qInstallMessageHandler(Quiet);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("VELKOR_DATA_DIR"))
        qputenv("VELKOR_DATA_DIR", VELKOR_SOURCE_DIR "/resources");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    TForm1* window = CreateForms();
    window->show();
    QApplication::processEvents();

    std::vector<double> alone;
    std::vector<double> painted;
    std::vector<double> opening; // the keystrokes that open the list
    std::vector<double> cpu;     // the keystroke's processor time, without other programs' turns
    double first = -1;           // µs
    QElapsedTimer timer;
    for (int round = 0; round < rounds; ++round) {
        for (const Typing& typing : kTypings) {
            auto* field = window->findChild<QLineEdit*>(typing.field);
            if (!field)
                return 1;
            if (auto* pages = window->findChild<QTabWidget*>("PageControl1"))
                pages->setCurrentIndex(1);
            field->setFocus(Qt::OtherFocusReason);
            for (const char* word : typing.words) {
                field->selectAll();
                timer.start();
                Key(KeyTarget(field), Qt::Key_Delete); // the very first edit reads the library
                if (first < 0)
                    first = static_cast<double>(timer.nsecsElapsed()) / 1000;
                Key(KeyTarget(field), Qt::Key_Escape); // closes a list left open
                QApplication::processEvents();
                for (const char* c = word; *c; ++c) {
                    const QString text = QString(QChar::fromLatin1(*c));
                    QWidget* target = KeyTarget(field);
                    const bool open = QApplication::activePopupWidget() != nullptr;
                    const double cpuStart = ThreadCpuMicroseconds();
                    timer.start();
                    Key(target, QKeySequence(text)[0].key(), text);
                    const double keyed = static_cast<double>(timer.nsecsElapsed()) / 1000;
                    const double keyedCpu = ThreadCpuMicroseconds() - cpuStart;
                    field->repaint();
                    if (QWidget* popup = QApplication::activePopupWidget())
                        popup->repaint();
                    QApplication::processEvents();
                    const double shown = static_cast<double>(timer.nsecsElapsed()) / 1000;
                    alone.push_back(keyed);
                    cpu.push_back(keyedCpu);
                    painted.push_back(shown);
                    if (!open)
                        opening.push_back(keyed);
                }
                Key(KeyTarget(field), Qt::Key_Escape);
            }
        }
    }
    std::printf("first keystroke (reads the library): %.1f ms\n", first / 1000);
    Print("keystroke", alone);
    Print("keystroke with repaint", painted);
    Print("keystroke opening the list", opening);
    Print("keystroke, processor time", cpu);
    delete window;
    return 0;
}
