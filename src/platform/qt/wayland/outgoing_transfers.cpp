#include "platform/qt/wayland/outgoing_transfers.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace nimbrel {
namespace {

// A paster that takes nothing for this long is given up on.
constexpr auto transferPatience = std::chrono::seconds(2);
// Served at once; the rest wait, so that pasters that never read hold up only each other.
constexpr std::size_t mostTransfers = 64;

// Each paster, served or waiting, holds a descriptor: together they may hold half of what the
// process may open. The other half stays for the rest of the program (the display connections,
// the session bus, offer reads, Qt's own), which needs a few dozen; above all the compositor's
// connection must never lack one, or the descriptors it passes would be lost with it.
std::size_t mostWaitingTransfers()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur / 2 <= mostTransfers)
        return 0;
    return static_cast<std::size_t>(limit.rlim_cur / 2 - mostTransfers);
}

} // namespace

OutgoingTransfers::OutgoingTransfers()
    : m_mostWaiting(mostWaitingTransfers())
{
}

OutgoingTransfers::~OutgoingTransfers()
{
    clear();
}

void OutgoingTransfers::clear()
{
    for (const Transfer &transfer : m_transfers)
        close(transfer.fd);
    m_transfers.clear();
    for (const Waiting &waiting : m_waiting)
        close(waiting.fd);
    m_waiting.clear();
}

void OutgoingTransfers::add(int fd, SharedText bytes, Clock::time_point now)
{
    // Pasters wait only while every place is taken: progress() fills those that come free.
    if (m_transfers.size() < mostTransfers)
        start(fd, std::move(bytes), now);
    else if (m_waiting.size() < m_mostWaiting)
        m_waiting.push_back({fd, std::move(bytes)});
    else
        close(fd);
}

void OutgoingTransfers::startWaiting(Clock::time_point now)
{
    while (!m_waiting.empty() && m_transfers.size() < mostTransfers) {
        Waiting next = std::move(m_waiting.front());
        m_waiting.pop_front();
        start(next.fd, std::move(next.bytes), now);
    }
}

void OutgoingTransfers::start(int fd, SharedText bytes, Clock::time_point now)
{
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    Transfer transfer{fd, std::move(bytes), 0, now + transferPatience};
    if (send(transfer, now))
        m_transfers.push_back(std::move(transfer));
    else
        close(fd);
}

int OutgoingTransfers::watch(std::vector<pollfd> &fds, Clock::time_point now) const
{
    auto next = Clock::time_point::max();
    for (const Transfer &transfer : m_transfers) {
        fds.push_back({transfer.fd, POLLOUT, 0});
        next = std::min(next, transfer.deadline);
    }
    if (m_transfers.empty())
        return -1;
    return static_cast<int>(std::max<long long>(0, std::chrono::ceil<std::chrono::milliseconds>(next - now).count()));
}

void OutgoingTransfers::progress(const std::vector<pollfd> &fds, std::size_t first, Clock::time_point now)
{
    std::size_t index = first;
    for (auto transfer = m_transfers.begin(); transfer != m_transfers.end(); ++index) {
        const bool ready = index < fds.size() && fds[index].revents != 0;
        const bool goesOn = ready ? send(*transfer, now) : transfer->deadline > now;
        if (goesOn) {
            ++transfer;
        } else {
            close(transfer->fd);
            transfer = m_transfers.erase(transfer);
        }
    }
    startWaiting(now);
}

bool OutgoingTransfers::send(Transfer &transfer, Clock::time_point now)
{
    const std::string &bytes = transfer.bytes.str();
    while (transfer.sent < bytes.size()) {
        const ssize_t written = write(transfer.fd, bytes.data() + transfer.sent, bytes.size() - transfer.sent);
        if (written < 0) {
            // A paster that closed its end gets EPIPE; the thread keeps SIGPIPE blocked.
            return errno == EAGAIN || errno == EINTR;
        }
        transfer.sent += static_cast<std::size_t>(written);
        transfer.deadline = now + transferPatience;
    }
    return false;
}

} // namespace nimbrel
