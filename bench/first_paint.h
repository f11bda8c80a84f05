// The probe both start-up programs share: when the window has finished its first paint it
// prints the time since the start (microseconds, from the start time the script passes as
// argv[1], seconds since the epoch) and the peak resident memory (kB), then quits.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

class FirstPaintProbe : public QObject {
public:
    FirstPaintProbe(QWidget* window, double startSeconds)
        : window_(window), startSeconds_(startSeconds) {
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
        const double now =
            std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch())
                .count(); // s
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("paint_us=%.0f peak_kb=%ld\n", (now - startSeconds_) * 1e6, usage.ru_maxrss);
        std::fflush(stdout);
        QApplication::quit();
    }

    QWidget* window_;
    double startSeconds_; // s since the epoch
    bool seen_ = false;
};

inline double StartSeconds(int argc, char* argv[]) {
    return argc > 1 ? std::strtod(argv[1], nullptr) : 0.0;
}
