#pragma once

#include "platform/qt/owner_contents.h"
#include "platform/qt/read_limits.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace nimbrel {

using ReadDeadline = std::chrono::steady_clock::time_point;

enum class WaitResult { Readable, TimedOut, Interrupted };

// Asks the owner to write the bytes of one MIME type into fd.
using ReceiveRequest = std::function<void(const std::string &mimeType, int fd)>;
// Waits until fd can be read, keeping the connection served meanwhile; Interrupted when a newer
// selection arrived, the reader stops or the connection broke.
using WaitForReadable = std::function<WaitResult(int fd, ReadDeadline deadline)>;

// What a data-control offer holds: its MIME types in its order, and the bytes of the types a
// snapshot needs (and those kept, while keeping), each received through a pipe of its own, within
// the read limits. nullopt when the read was interrupted; partial when time ran out.
std::optional<OwnerContents> readOffer(std::vector<std::string> mimeTypes, ReadLimits limits, bool keeping,
                                       const ReceiveRequest &receive, const WaitForReadable &wait);

} // namespace nimbrel
