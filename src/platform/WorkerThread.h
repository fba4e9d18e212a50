#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace morvane {

// A thread for work that may block where no cancel flag reaches it (a slow
// host, a file system that hangs). Its owner can ask whether the work is
// still running and can end it without waiting longer than it chooses: a
// worker still busy by then is left behind, detached, so the program is
// never kept alive by it. The work must therefore own everything it touches.
class WorkerThread {
public:
    // How long the destructor waits before leaving the worker behind.
    static constexpr std::chrono::milliseconds kEndWait{1000};

    WorkerThread() = default;
    explicit WorkerThread(std::function<void()> work);
    WorkerThread(WorkerThread&& other) noexcept;
    WorkerThread& operator=(WorkerThread&& other) noexcept;
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;
    ~WorkerThread();

    // Started and not yet through its work.
    bool Running() const;
    // Waits up to limit for the work to end and joins the thread; a worker
    // still busy then is detached. True when it was joined (or never ran).
    bool End(std::chrono::milliseconds limit = kEndWait);

private:
    struct State;
    std::shared_ptr<State> state_;
    std::thread thread_;
};

} // namespace morvane
