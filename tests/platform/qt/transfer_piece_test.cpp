#include "platform/qt/x11/transfer_piece.h"

#include <gtest/gtest.h>

namespace nimbrel {
namespace {

// Pieces are as large as one ChangeProperty request (24 bytes and the piece) to the server can
// carry, up to 256 KiB, so that an answer up to 256 KiB goes in one property, as programs expect.
// Every X server the tests start has BIG-REQUESTS: only these rows see the smaller ones.
TEST(TransferPiece, IsTheLargestThatOneRequestOfTheServerCarries)
{
    const struct {
        const char *server;
        std::uint32_t maximumRequestWords;
        std::size_t piece;
    } rows[] = {
        {"without BIG-REQUESTS", 65535, 262116},
        {"with BIG-REQUESTS", 4194303, 256 * 1024},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.server);
        EXPECT_EQ(transferPieceSize(row.maximumRequestWords), row.piece);
    }
}

} // namespace
} // namespace nimbrel
