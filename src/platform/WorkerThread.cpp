#include "WorkerThread.h"

#include <condition_variable>
#include <mutex>

namespace morvane {

struct WorkerThread::State {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
};

WorkerThread::WorkerThread(std::function<void()> work) : state_(std::make_shared<State>())
{
    thread_ = std::thread([state = state_, work = std::move(work)]() mutable {
        work();
        // The work's own captures go before the owner may stop waiting.
        work = nullptr;
        std::lock_guard lock(state->mutex);
        state->done = true;
        state->ended.notify_all();
    });
}

WorkerThread::WorkerThread(WorkerThread&& other) noexcept
    : state_(std::move(other.state_)), thread_(std::move(other.thread_))
{
}

WorkerThread& WorkerThread::operator=(WorkerThread&& other) noexcept
{
    if (this != &other) {
        End();
        state_ = std::move(other.state_);
        thread_ = std::move(other.thread_);
    }
    return *this;
}

WorkerThread::~WorkerThread()
{
    End();
}

bool WorkerThread::Running() const
{
    if (!state_)
        return false;
    std::lock_guard lock(state_->mutex);
    return !state_->done;
}

bool WorkerThread::End(std::chrono::milliseconds limit)
{
    if (!thread_.joinable())
        return true;
    bool done = false;
    {
        std::unique_lock lock(state_->mutex);
        done = state_->ended.wait_for(lock, limit, [this] { return state_->done; });
    }
    if (done)
        thread_.join();
    else
        thread_.detach();
    state_.reset();
    return done;
}

} // namespace morvane
