#include "platform/qt/termination_signals.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace nimbrel {
namespace {

constexpr std::array<int, 3> handledSignals{SIGTERM, SIGINT, SIGHUP};

// The handler's end of the pipe; -1 before an instance made one. Lock-free, so the handler may
// read it, on whichever thread the signal arrives.
std::atomic<int> writeFd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

// Only async-signal-safe calls here: write(2), with errno kept for the code the signal interrupted.
extern "C" void onTerminationSignal(int signal)
{
    const int savedErrno = errno;
    const int fd = writeFd.load();
    if (fd >= 0) {
        const auto number = static_cast<unsigned char>(signal);
        [[maybe_unused]] const auto written = ::write(fd, &number, 1);
    }
    errno = savedErrno;
}

bool leftIgnored(int signal)
{
    struct sigaction current {};
    return sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

void setDisposition(int signal, void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // Other system calls of the program's threads go on as if nothing had happened.
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void(int signal)> received)
    : m_received(std::move(received))
{
    int fds[2] = {-1, -1};
    // Non-blocking: a burst of signals that fills the pipe loses bytes, never blocks the handler.
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::fprintf(stderr, "nimbrel: %s: %s\n",
                     qPrintable(QCoreApplication::translate("TerminationSignals", "cannot handle termination signals")),
                     std::strerror(errno));
        return;
    }
    m_readFd = fds[0];
    writeFd.store(fds[1]);
    m_notifier = std::make_unique<QSocketNotifier>(m_readFd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { readSignals(); });
    for (const int signal : handledSignals) {
        if (!leftIgnored(signal))
            setDisposition(signal, onTerminationSignal);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (m_readFd < 0)
        return;
    for (const int signal : handledSignals) {
        if (!leftIgnored(signal))
            setDisposition(signal, SIG_IGN);
    }
    // The pipe stays open until the program ends: a handler that was already running on another
    // thread may still write to it, and a write to a pipe without a reader would raise SIGPIPE.
    m_notifier.reset();
}

void TerminationSignals::readSignals()
{
    unsigned char numbers[16];
    const ssize_t count = ::read(m_readFd, numbers, sizeof numbers);
    for (ssize_t i = 0; i < count; ++i)
        m_received(numbers[i]);
}

} // namespace nimbrel
