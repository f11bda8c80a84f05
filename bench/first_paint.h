// The probe both start-up programs share: when the window has finished its first paint it
// prints the time since the start (microseconds, from the start time the script passes as
// argv[1], seconds since the epoch) and the peak resident memory (kB). Given a `complete`
// test, it then waits until the window is complete and prints both figures again.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>

class FirstPaintProbe : public QObject {
public:
    FirstPaintProbe(QWidget* window, double startSeconds, std::function<bool()> complete = {})
        : window_(window), startSeconds_(startSeconds), complete_(std::move(complete)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Report once the paint event has been handled and the frame flushed.
            QTimer::singleShot(0, this, [this] { Report(); });
        }
        return false;
    }

private:
    void Report() {
        Print("paint_us", "peak_kb");
        if (complete_)
            WaitComplete();
        else
            QApplication::quit();
    }

    void WaitComplete() {
        if (!complete_()) {
            QTimer::singleShot(0, this, [this] { WaitComplete(); });
            return;
        }
        Print("complete_us", "complete_peak_kb");
        QApplication::quit();
    }

    void Print(const char* time, const char* memory) const {
        const double now =
            std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch())
                .count(); // s
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%s=%.0f %s=%ld\n", time, (now - startSeconds_) * 1e6, memory, usage.ru_maxrss);
        std::fflush(stdout);
    }

    QWidget* window_;
    double startSeconds_; // s since the epoch
    std::function<bool()> complete_;
    bool seen_ = false;
};

inline double StartSeconds(int argc, char* argv[]) {
    return argc > 1 ? std::strtod(argv[1], nullptr) : 0.0;
}
