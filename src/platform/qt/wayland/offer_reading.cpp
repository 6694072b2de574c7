#include "platform/qt/wayland/offer_reading.h"

#include "platform/qt/kept_contents.h"
#include "platform/qt/snapshot_building.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

namespace nimbrel {
namespace {

enum class Status { Ok, TooLarge, Failed, TimedOut, Interrupted };

class Pipe {
public:
    // Only our end is non-blocking: the owner writes through the same open file, and owners that
    // write as plain tools do (cat, say) would stop at the first full pipe.
    Pipe()
    {
        m_ok = pipe2(m_fds.data(), O_CLOEXEC) == 0;
        if (m_ok)
            fcntl(m_fds[0], F_SETFL, O_NONBLOCK);
    }
    ~Pipe()
    {
        closeWriteEnd();
        if (m_ok)
            close(m_fds[0]);
    }
    Pipe(const Pipe &) = delete;
    Pipe &operator=(const Pipe &) = delete;

    bool ok() const { return m_ok; }
    int readEnd() const { return m_fds[0]; }
    int writeEnd() const { return m_fds[1]; }
    // Once the owner has its copy, so that the pipe ends when the owner closes it.
    void closeWriteEnd()
    {
        if (m_ok && m_fds[1] >= 0)
            close(std::exchange(m_fds[1], -1));
    }

private:
    std::array<int, 2> m_fds{-1, -1};
    bool m_ok = false;
};

Status readAll(int fd, ReadDeadline deadline, std::size_t limit, const WaitForReadable &wait, std::string &bytes)
{
    std::array<char, 64 * 1024> buffer{};
    for (;;) {
        const WaitResult waited = wait(fd, deadline);
        if (waited == WaitResult::Interrupted)
            return Status::Interrupted;
        if (waited == WaitResult::TimedOut)
            return Status::TimedOut;
        const ssize_t got = read(fd, buffer.data(), buffer.size());
        if (got == 0)
            return Status::Ok;
        if (got < 0) {
            if (errno == EAGAIN || errno == EINTR)
                continue;
            return Status::Failed;
        }
        if (static_cast<std::size_t>(got) > limit - bytes.size())
            return Status::TooLarge;
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

} // namespace

std::optional<OwnerContents> readOffer(std::vector<std::string> mimeTypes, ReadLimits limits, bool keeping,
                                       const ReceiveRequest &receive, const WaitForReadable &wait)
{
    OwnerContents contents;
    contents.targets = std::move(mimeTypes);
    if (contents.targets.size() > limits.targets)
        contents.targets.resize(limits.targets);
    const ReadDeadline deadline = std::chrono::steady_clock::now() + limits.time;
    // The groups after these are read only to be kept, within what a kept copy may hold.
    const std::size_t needed = targetsToRead(contents.targets).size();
    const std::vector<std::vector<std::string>> groups = targetsToRead(contents.targets, keeping);
    for (std::size_t group = 0; group < groups.size() && !(group >= needed && contents.limited); ++group) {
        for (const std::string &mimeType : groups[group]) {
            if (contents.data.contains(mimeType))
                break;
            const auto now = std::chrono::steady_clock::now();
            Pipe pipe;
            if (now >= deadline || !pipe.ok()) {
                contents.limited = true;
                return contents;
            }
            receive(mimeType, pipe.writeEnd());
            pipe.closeWriteEnd();
            std::string bytes;
            const std::size_t limit =
                group < needed ? limits.bytesPerType : std::min(limits.bytesPerType, keptRoom(contents));
            // No one answer may take more than half the time, so one that never comes leaves time
            // for the next.
            const Status status =
                readAll(pipe.readEnd(), std::min(deadline, now + limits.time / 2), limit, wait, bytes);
            if (status == Status::Interrupted)
                return std::nullopt;
            if (status == Status::TooLarge || status == Status::TimedOut)
                contents.limited = true;
            contents.tooLarge = contents.tooLarge || status == Status::TooLarge;
            if (status == Status::Ok) {
                contents.data.emplace(mimeType, std::move(bytes));
                break;
            }
        }
    }
    return contents;
}

} // namespace nimbrel
