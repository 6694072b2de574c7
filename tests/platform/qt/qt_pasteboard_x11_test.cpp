#include "platform/pasteboard_types.h"
#include "platform/qt/qt_pasteboard.h"
#include "platform/qt/x11/x11_clipboard.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace nimbrel {
namespace {

using namespace std::chrono_literals;

// Spins the event loop until the condition holds; the deadline only guards against a hang.
bool eventually(const std::function<bool()> &condition)
{
    const QDeadlineTimer watchdog(90s);
    while (!condition() && !watchdog.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

// What another program pastes; the event loop goes on meanwhile, so our own clipboard is served.
QByteArray paste(const QString &target)
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", target, "-o"});
    eventually([&xclip] { return xclip.state() == QProcess::NotRunning; });
    return xclip.exitCode() == 0 ? xclip.readAllStandardOutput() : QByteArray("(failed)");
}

// tests/peer/clipboard_owner owning the clipboard with these arguments, until it is destroyed.
std::unique_ptr<QProcess> owner(const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(NIMBREL_CLIPBOARD_OWNER), arguments);
    EXPECT_TRUE(eventually([&process] { return process->canReadLine(); })) << "the owner never took the clipboard";
    return process;
}

// The desktop clipboard as the program sees it, once it has read what was there at start.
std::unique_ptr<QtPasteboard> currentPasteboard(ReadLimits limits = {})
{
    auto pasteboard = std::make_unique<QtPasteboard>(std::make_unique<X11Clipboard>(limits));
    bool current = false;
    pasteboard->whenCurrent([&current] { current = true; });
    EXPECT_TRUE(eventually([&current] { return current; }));
    return pasteboard;
}

// Lets another program copy the text and waits until the pasteboard has counted it.
std::unique_ptr<QProcess> copy(QtPasteboard &pasteboard, const QString &text)
{
    const std::int64_t before = pasteboard.changeCount();
    auto copier = owner({"UTF8_STRING=" + text});
    EXPECT_TRUE(eventually([&] { return pasteboard.changeCount() > before; }));
    return copier;
}

std::optional<SharedText> textOf(const QtPasteboard &pasteboard)
{
    const auto items = pasteboard.pasteboardItems();
    return items.empty() ? std::nullopt : items.front()->stringForType(PasteboardTypeString);
}

// The program's own writes and clears, and copies in its own windows, each count once: the copy
// that follows them is counted right after them, so none of them was read back as another change.
TEST(QtPasteboardX11Test, OwnChangesCountOnceAndWritesAreServed)
{
    const auto pasteboard = currentPasteboard();
    const std::int64_t before = pasteboard->changeCount();
    auto written = std::make_shared<StringPasteboardItem>();
    written->setStringForType("written ✓", PasteboardTypeString);
    written->setStringForType("<i>written</i>", PasteboardTypeHTML);
    ASSERT_TRUE(pasteboard->writeObjects({written}));
    EXPECT_EQ(paste("text/plain"), "written ✓");
    EXPECT_EQ(paste("text/html"), "<i>written</i>");

    pasteboard->clearContents();
    EXPECT_TRUE(pasteboard->pasteboardItems().empty());
    EXPECT_TRUE(eventually([] { return paste("UTF8_STRING") == "(failed)"; }));
    const auto after = copy(*pasteboard, "after our own changes");
    EXPECT_EQ(pasteboard->changeCount(), before + 3);

    QGuiApplication::clipboard()->setText(QStringLiteral("copied in a window of ours"));
    EXPECT_TRUE(eventually([&] { return textOf(*pasteboard) == "copied in a window of ours"; }));
    EXPECT_EQ(pasteboard->changeCount(), before + 4);
}

// A text action clears, then writes; a copy made meanwhile by another program, not read yet,
// must be neither written over nor emptied, and a newer copy ends the wait for it.
TEST(QtPasteboardX11Test, HungOwnerBlocksNothingAndNoWriteGoesOverIt)
{
    const auto pasteboard = currentPasteboard(ReadLimits{60000ms});
    const auto seen = copy(*pasteboard, "seen");
    const std::int64_t before = pasteboard->changeCount();
    const auto hung = owner({"--hang", "UTF8_STRING=never sent"});
    auto written = std::make_shared<StringPasteboardItem>();
    written->setStringForType("SEEN", PasteboardTypeString);
    pasteboard->clearContents();
    EXPECT_FALSE(pasteboard->writeObjects({written}));

    const auto after = copy(*pasteboard, "after");
    EXPECT_EQ(textOf(*pasteboard), "after");
    EXPECT_EQ(pasteboard->changeCount(), before + 2);
}

} // namespace
} // namespace nimbrel
