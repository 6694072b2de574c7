#include "support/controller_fixture.h"

namespace nimbrel::test {
namespace {

using CopyNotificationsTest = ControllerFixture;

// Clicking a notification and its other button are checked through message dispatch.
TEST_F(CopyNotificationsTest, EachPostReplacesTheEarlierOne)
{
    launch();
    copyText("first");
    tick();
    copyText("second");
    tick();

    ASSERT_EQ(center.listed().size(), 1u);
    EXPECT_EQ(center.listed().front()->informativeText, "second");
    EXPECT_EQ(center.removals(), 1);
    const auto &posted = *center.listed().front();
    EXPECT_EQ(posted.title, "Nimbrel!");
    EXPECT_FALSE(posted.hasActionButton);
    EXPECT_EQ(posted.otherButtonTitle, "Clear formatting");
    EXPECT_EQ(delegate->notification(), center.listed().front());
}

TEST_F(CopyNotificationsTest, DestroyedControllerDetachesFromTheCentre)
{
    launch();
    delegate.reset();
    EXPECT_EQ(center.delegate(), nullptr);
}

} // namespace
} // namespace nimbrel::test
