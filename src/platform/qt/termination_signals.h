#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace nimbrel {

// SIGTERM, SIGINT and SIGHUP, handed to the Qt event loop so that the program can end in order, as
// its Quit entry ends it. The handler does nothing but write the signal's number to a pipe, which
// is async-signal-safe; the loop reads it and calls received. A signal that the program's parent
// left ignored (nohup's SIGHUP, a background job's SIGINT) stays ignored. One instance at a time.
class TerminationSignals final {
public:
    explicit TerminationSignals(std::function<void(int signal)> received);
    // From then on the signals are ignored: the program is ending already.
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

private:
    void readSignals();

    std::function<void(int)> m_received;
    int m_readFd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace nimbrel
