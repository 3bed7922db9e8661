#pragma once
// Work the selector hands to threads of its own, so reading folders and
// decoding pictures never holds up its window and no event loop is nested.
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <cstdint>
#include <functional>

namespace velto {

class WorkerJobs {
public:
    // True once the job was dropped: it may end early, its result is thrown away.
    using Stopped = std::function<bool()>;
    // Runs on a worker thread and returns what to do with its result back on
    // the thread that made the WorkerJobs (or nothing).
    using Job = std::function<std::function<void()>(const Stopped&)>;

    WorkerJobs();
    ~WorkerJobs(); // drops every job and waits for those running
    WorkerJobs(const WorkerJobs&) = delete;
    WorkerJobs& operator=(const WorkerJobs&) = delete;

    // Starts `job`. Its result arrives through the event loop, unless Drop()
    // came first.
    void Run(Job job);
    // Forgets every job started so far: they see Stopped (those still queued
    // before they start) and their results never arrive.
    void Drop();
    // Jobs not yet ended, dropped ones included; once 0, every result that
    // will arrive is waiting in the event queue.
    int Running() const { return running_.load(); }

private:
    void Work(uint64_t generation, const Job& job);

    std::atomic<uint64_t> generation_{0};
    std::atomic<int> running_{0};
    QObject receiver_; // results are delivered as its events
    QThreadPool pool_;
};

} // namespace velto
