#pragma once

#include <QTimer>

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace nimbrel {

// Lines on standard error about a state that others change (a panel's tray coming and going),
// at most so many in a window of time: a program on the bus that flips the state 10,000 times
// costs a few lines, not 10,000. The last line held back is said when the window ends, with how
// many changes went untold before it, so the log always ends on the state as it is.
class RateLimitedLog {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    using Sink = std::function<void(const std::string &)>;

    RateLimitedLog(std::size_t linesPerWindow, std::chrono::milliseconds window, Sink sink = writeToStandardError,
                   Clock clock = &std::chrono::steady_clock::now);

    void say(const std::string &line);
    // Says the line held back if the window has room for it, or sets the timer for its end.
    void flush();

    static void writeToStandardError(const std::string &line);

private:
    void startWindowIfEnded();

    std::size_t m_linesPerWindow;
    std::chrono::milliseconds m_window;
    Sink m_sink;
    Clock m_clock;
    std::chrono::steady_clock::time_point m_windowStart{};
    std::size_t m_saidInWindow = 0;
    std::optional<std::string> m_heldBack;
    std::size_t m_untold = 0;
    QTimer m_flushTimer;
};

} // namespace nimbrel
