#include "platform/qt/kept_contents.h"
#include "platform/qt/wayland/offer_reading.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>

namespace nimbrel {
namespace {

using namespace std::chrono_literals;

// An owner that answers its text but never finishes its HTML, or sends more than a type may hold:
// the read is cut short, and a copy read only in part is not kept.
TEST(OfferReading, ACopyReadInPartIsNotKept)
{
    const struct {
        const char *name;
        std::size_t bytesPerType;
        bool tooLarge;
    } rows[] = {{"html never ends", 1024, false}, {"html over the limit", 8, true}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<int> heldOpen;
        const ReceiveRequest receive = [&](const std::string &type, int fd) {
            const std::string bytes = type == "text/plain" ? "text" : "<b>more than eight bytes</b>";
            ASSERT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
            if (type == "text/html" && !row.tooLarge)
                heldOpen.push_back(dup(fd));
        };
        const WaitForReadable wait = [](int fd, ReadDeadline) {
            pollfd readable{fd, POLLIN, 0};
            return poll(&readable, 1, 0) == 1 ? WaitResult::Readable : WaitResult::TimedOut;
        };
        const auto contents = readOffer({"text/plain", "text/html"}, ReadLimits{1s, row.bytesPerType}, true, receive, wait);
        for (const int fd : heldOpen)
            close(fd);
        ASSERT_TRUE(contents);
        EXPECT_EQ(contents->data.at("text/plain"), "text");
        EXPECT_FALSE(contents->data.contains("text/html"));
        EXPECT_TRUE(contents->limited);
        EXPECT_EQ(contents->tooLarge, row.tooLarge);
        EXPECT_EQ(keptOffer(*contents), nullptr);
    }
}

} // namespace
} // namespace nimbrel
