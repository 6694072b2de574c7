#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace nimbrel {

// Pieces of an incremental answer; an answer up to this size goes in one property.
inline constexpr std::size_t largestPiece = 256 * 1024;

// The largest piece one ChangeProperty request can carry to a server that accepts requests of
// at most this many 4-byte words, beside the request's own 24 bytes. Servers without
// BIG-REQUESTS accept requests of just under 256 KiB, which a piece of 256 KiB would not fit.
constexpr std::size_t transferPieceSize(std::uint32_t maximumRequestWords)
{
    return std::min(largestPiece, std::size_t{maximumRequestWords} * 4 - 24);
}

} // namespace nimbrel
