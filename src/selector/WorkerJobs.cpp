#include "selector/WorkerJobs.h"

#include <QMetaObject>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <utility>

namespace velto {

WorkerJobs::WorkerJobs() { pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount())); }

WorkerJobs::~WorkerJobs() {
    // No job may post to receiver_ once it is gone.
    Drop();
    pool_.waitForDone();
}

void WorkerJobs::Run(Job job) {
    const uint64_t generation = generation_.load();
    ++running_;
    (void)QtConcurrent::run(&pool_, [this, generation, job = std::move(job)] {
        Work(generation, job);
        --running_;
    });
}

void WorkerJobs::Work(uint64_t generation, const Job& job) {
    const Stopped stopped = [this, generation] { return generation_.load() != generation; };
    if (stopped()) return;
    std::function<void()> deliver = job(stopped);
    if (!deliver || stopped()) return;
    // Dropped meanwhile: checked again on the receiving thread, where Drop runs.
    QMetaObject::invokeMethod(
        &receiver_,
        [this, generation, deliver = std::move(deliver)] {
            if (generation_.load() == generation) deliver();
        },
        Qt::QueuedConnection);
}

// Jobs still queued stay there and end at once when their turn comes.
void WorkerJobs::Drop() { ++generation_; }

} // namespace velto
