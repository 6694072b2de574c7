#pragma once

#include <atomic>
#include <functional>
#include <thread>

namespace nimbrel {

// The thread of a class that waits in poll() on descriptors of its own: it polls m_wakeFd too, so
// that other threads can wake it, and looks at m_stop after every wake, so that it can be ended.
// The class derives from this one, starts the thread once it is set up, and stops it first thing
// in its destructor, before anything the thread uses is gone.
class WakeableThread {
protected:
    WakeableThread();
    ~WakeableThread();
    WakeableThread(const WakeableThread &) = delete;
    WakeableThread &operator=(const WakeableThread &) = delete;

    // Runs body on the thread. Once only, and only with a valid m_wakeFd.
    void startThread(std::function<void()> body);
    bool threadStarted() const { return m_thread.joinable(); }
    // Ends the thread's poll() at once. Safe from any thread.
    void wakeThread() const;
    // Sets m_stop, wakes the thread and returns once it has ended.
    void stopThread();

    std::atomic<bool> m_stop{false};
    // An eventfd; -1 when the system could not make one, and then the thread cannot be woken.
    int m_wakeFd = -1;

private:
    std::thread m_thread;
};

} // namespace nimbrel
