#pragma once

#include <atomic>
#include <functional>
#include <thread>
#include <utility>

namespace Quor {

// Work done in a thread of its own while the window goes on, such as an index built or a
// language's words read ahead. The work is told to stop when its owner no longer wants it:
// destroying this asks it to, then waits for the thread, so the work should look at `stop` often.
template <typename TResult> class TBackgroundWork {
public:
    using TWork = std::function<TResult(const std::atomic<bool>& stop)>;

    explicit TBackgroundWork(TWork work)
        : mThread([this, work = std::move(work)] {
              mResult = work(mStop);
              mFinished = true;
          }) {}
    ~TBackgroundWork() {
        mStop = true;
        if (mThread.joinable())
            mThread.join();
    }
    TBackgroundWork(const TBackgroundWork&) = delete;
    TBackgroundWork& operator=(const TBackgroundWork&) = delete;

    // Whether the work is over, so that Take does not wait.
    bool Finished() const { return mFinished; }
    // Waits for the work to end and takes what it gave; nothing after the first time.
    TResult Take() {
        if (mThread.joinable())
            mThread.join();
        return std::move(mResult);
    }

private:
    std::atomic<bool> mStop{false};
    std::atomic<bool> mFinished{false};
    TResult mResult{};
    // Last, so that it starts once the rest is there.
    std::thread mThread;
};

} // namespace Quor
