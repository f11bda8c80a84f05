#include "adviser_run.h"

namespace velkor::ui {

namespace {

constexpr int kPollMs = 10; // ms between two looks for the result

} // namespace

AdviserRun::AdviserRun(QObject* parent) : QObject(parent) {
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &AdviserRun::Poll);
}

AdviserRun::~AdviserRun() {
    Stop();
}

void AdviserRun::Stop() {
    poll_.stop();
    Cancel();
    if (worker_.joinable())
        worker_.join();
}

void AdviserRun::Start(const AdviserInputs& inputs, const library::PartsLibrary& library,
                       const library::Material* material) {
    Stop();
    shared_ = std::make_shared<Shared>();
    // The thread owns a copy of the inputs and a share of what it reports; the library is only
    // read.
    worker_ = std::thread([inputs, &library, material, shared = shared_] {
        shared->result = Advise(inputs, library, material, &shared->progress);
        shared->finished.store(true, std::memory_order_release);
    });
    poll_.start();
}

void AdviserRun::Poll() {
    if (!shared_ || !shared_->finished.load(std::memory_order_acquire))
        return;
    poll_.stop();
    worker_.join();
    const AdviserResult result = std::move(shared_->result);
    emit Finished(result);
}

void AdviserRun::Cancel() {
    if (shared_)
        shared_->progress.cancel = true;
}

int AdviserRun::Done() const {
    return shared_ ? shared_->progress.done.load() : 0;
}

int AdviserRun::Total() const {
    return shared_ ? shared_->progress.total.load() : 0;
}

} // namespace velkor::ui
