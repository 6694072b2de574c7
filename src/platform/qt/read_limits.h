#pragma once

#include <chrono>
#include <cstddef>

namespace nimbrel {

// How much one read of the clipboard may cost. No one answer of the owner may take more than
// half the time, so a target that never comes leaves time for the next; what has not arrived
// when the time is up is left out. A target larger than bytesPerType is left out as if it held
// no text. Of the owner's list of targets only the first `targets` count: real owners offer a
// few dozen, and a longer list would only cost time and memory.
struct ReadLimits {
    std::chrono::milliseconds time{4000};
    std::size_t bytesPerType = std::size_t{64} << 20;
    std::size_t targets = 1024;
};

} // namespace nimbrel
