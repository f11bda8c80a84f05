// The adviser run off the window's thread: a worker thread ranks the cores on a copy of the
// page's inputs while the dialog stays responsive, counts its progress and stops on request.
// The window's thread looks for the result every few milliseconds: the two threads share only
// atomics and the result the worker hands over before its last atomic store.
#pragma once

#include "adviser.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>

namespace velkor::ui {

class AdviserRun : public QObject {
    Q_OBJECT
public:
    explicit AdviserRun(QObject* parent = nullptr);
    // Cancels a run still going and waits for its thread.
    ~AdviserRun() override;

    // Starts a run (cancelling one still going, whose result is dropped). The library must
    // outlive the run: the window's library does. `material` null: every material.
    void Start(const AdviserInputs& inputs, const library::PartsLibrary& library,
               const library::Material* material);
    void Cancel();
    bool Running() const { return worker_.joinable(); }
    // Designs tried so far and in all, of the run going.
    int Done() const;
    int Total() const;

signals:
    // On the window's thread, once per run that was not replaced by a later one.
    void Finished(const velkor::AdviserResult& result);

private:
    // What one run shares with its worker thread.
    struct Shared {
        AdviserProgress progress;
        AdviserResult result; // written by the worker before `finished`
        std::atomic<bool> finished{false};
    };
    void Poll();
    void Stop();

    std::shared_ptr<Shared> shared_;
    std::thread worker_;
    QTimer poll_;
};

} // namespace velkor::ui
