#pragma once

#include <chrono>
#include <cstddef>

namespace nimbrel {

// How much one read of the clipboard may cost. A target larger than bytesPerType is left out as
// if it held no text; what has not arrived when the time is up is left out too.
struct ReadLimits {
    std::chrono::milliseconds time{2000};
    std::size_t bytesPerType = std::size_t{64} << 20;
};

} // namespace nimbrel
