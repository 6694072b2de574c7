#pragma once

#include <functional>
#include <stop_token>

namespace nimbrel {

// Runs work that would hold up the main thread (rewriting a large text) on a thread of its own.
class BackgroundWork {
public:
    // What the work hands back: called on the main thread once the work is done.
    using Completion = std::function<void()>;
    // The work itself: it must touch nothing the main thread may change meanwhile, and should
    // give up soon once stop is requested.
    using Work = std::function<Completion(std::stop_token stop)>;

    BackgroundWork() = default;
    virtual ~BackgroundWork() = default;
    BackgroundWork(const BackgroundWork &) = delete;
    BackgroundWork &operator=(const BackgroundWork &) = delete;

    // Starts the work; works started one after another may run at once. Its completion runs on
    // the main thread later, never within this call, unless stopAll came first.
    virtual void start(Work work) = 0;
    // Asks every running work to stop, waits until each has, and drops every completion not run
    // yet: nothing started so far reaches the main thread afterwards.
    virtual void stopAll() = 0;
};

} // namespace nimbrel
