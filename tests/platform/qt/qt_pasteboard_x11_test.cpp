#include "platform/pasteboard_types.h"
#include "platform/qt/qt_pasteboard.h"
#include "platform/qt/x11/x11_clipboard.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>

// What only the X11 backend does, against a real X server: reading past a hung owner, and serving
// the program's own writes. The pasteboard's generations are tested against a fake backend in
// qt_pasteboard_test.cpp, and the desktop end to end in tests/e2e.
namespace nimbrel {
namespace {

using namespace std::chrono_literals;

// Without an X server every wait below would run into its deadline; say why at once instead.
class XServer : public testing::Environment {
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "needs an X server in $DISPLAY, as scripts/test.sh gives";
    }
};
const testing::Environment *const xServer = testing::AddGlobalTestEnvironment(new XServer);

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

// Lets another program copy and waits until the pasteboard has counted it.
std::unique_ptr<QProcess> copy(QtPasteboard &pasteboard, const QStringList &arguments)
{
    const std::int64_t before = pasteboard.changeCount();
    auto copier = owner(arguments);
    EXPECT_TRUE(eventually([&] { return pasteboard.changeCount() > before; }));
    return copier;
}

std::string textOf(const QtPasteboard &pasteboard)
{
    const auto items = pasteboard.pasteboardItems();
    return items.empty() ? "(none)" : items.front()->stringForType(PasteboardTypeString).value_or(SharedText()).str();
}

// Our own write is served to others and counts once: the copy after it is counted right after
// it, so the write was not read back as another program's. A text action clears, then writes; a
// copy made meanwhile by another program, not read yet, must be neither written over nor emptied:
// its owner never answers, and the read limit is longer than the test waits, so only a newer copy
// can end the wait for it. Reading owners, also in pieces (INCR), is played end to end with real
// programs' recordings (tests/e2e/offers.sh).
TEST(QtPasteboardX11Test, ServesItsOwnWritesCountsThemOnceAndNeverWritesOverAnUnreadCopy)
{
    QtPasteboard pasteboard(std::make_unique<X11Clipboard>(ReadLimits{1h}));
    const auto first = copy(pasteboard, {"UTF8_STRING=before our write"});

    std::int64_t before = pasteboard.changeCount();
    auto written = std::make_shared<StringPasteboardItem>();
    written->setStringForType("written ✓", PasteboardTypeString);
    written->setStringForType("<i>written</i>", PasteboardTypeHTML);
    ASSERT_TRUE(pasteboard.writeObjects({written}));
    EXPECT_EQ(paste("text/plain"), "written ✓");
    EXPECT_EQ(paste("text/html"), "<i>written</i>");
    const auto after = copy(pasteboard, {"UTF8_STRING=after our write"});
    EXPECT_EQ(textOf(pasteboard), "after our write");
    EXPECT_EQ(pasteboard.changeCount(), before + 2);

    before = pasteboard.changeCount();
    const auto hung = owner({"--hang", "UTF8_STRING=never sent"});
    pasteboard.clearContents();
    EXPECT_FALSE(pasteboard.writeObjects({written}));
    const auto newer = copy(pasteboard, {"UTF8_STRING=newer"});
    EXPECT_EQ(textOf(pasteboard), "newer");
    EXPECT_EQ(pasteboard.changeCount(), before + 2);
}

// Owners that quit as soon as they have served their copy once, as xclip -loops 1 and scripts do,
// while Nimbrel still reads the copy's other forms to keep them: every copy is kept, byte for byte,
// small or sent in pieces (INCR). So is a copy whose owner quits before the empty piece that ends
// its transfer has gone out, every byte it announced having come.
TEST(QtPasteboardX11Test, KeepsEveryCopyWhoseOwnerQuitsRightAfterItsRead)
{
    // name, bytes, owners one after another, the arguments that make them quit
    const std::tuple<const char *, qsizetype, int, QStringList> rows[] = {
        {"1 KB", 1000, 1000, {"--quit-after-read"}},
        {"1 MiB + 1, in pieces", (1 << 20) + 1, 20, {"--quit-after-read"}},
        {"32 MiB, in pieces", 32 << 20, 3, {"--quit-after-read"}},
        // Four pieces of 256 KiB, one of a byte, and the empty one never sent.
        {"1 MiB + 1, the transfer never ended", (1 << 20) + 1, 1, {"--vanish-after-chunks", "6"}},
    };
    // A busy machine may take longer than a read is allowed to read 64 MiB in pieces; the owner,
    // given up on, would never quit. The read's limit is not what is tested here.
    auto backend = std::make_unique<X11Clipboard>(ReadLimits{1h});
    backend->setKeeping(true);
    const X11Clipboard &clipboard = *backend;
    QtPasteboard pasteboard(std::move(backend));
    for (const auto &[name, bytes, owners, quitting] : rows) {
        for (int k = 1; k <= owners; ++k) {
            const QString value = QStringLiteral("copy %1 ").arg(k);
            const QByteArray text = value.toUtf8().repeated(bytes / value.size() + 1).left(bytes);
            const std::uint64_t before = clipboard.latestGeneration();
            QProcess owner;
            owner.start(QStringLiteral(NIMBREL_CLIPBOARD_OWNER),
                        quitting + QStringList{"--repeat-to", QString::number(bytes), "UTF8_STRING=" + value, "STRING=" + value});
            ASSERT_TRUE(eventually([&owner] { return owner.state() == QProcess::NotRunning; })) << name;
            // Until the copy is served, or the clipboard has changed again after it: it was not kept.
            QByteArray pasted;
            eventually([&] {
                pasted = paste(QStringLiteral("UTF8_STRING"));
                return pasted == text || clipboard.latestGeneration() > before + 1;
            });
            ASSERT_TRUE(pasted == text) << name << ": copy " << k << " of " << owners << " lost, " << pasted.size()
                                        << " bytes pasted";
        }
    }
    // One that quits halfway through its transfer leaves nothing to keep or to tell of: the
    // clipboard is counted once, as emptied.
    bool current = false;
    pasteboard.whenCurrent([&current] { current = true; });
    ASSERT_TRUE(eventually([&current] { return current; }));
    const std::int64_t before = pasteboard.changeCount();
    const auto halfway = owner({"--vanish-after-chunks", "2", "--repeat-to", "1048577", "UTF8_STRING=halfway "});
    EXPECT_TRUE(eventually([&] { return pasteboard.changeCount() > before && pasteboard.pasteboardItems().empty(); }));
    EXPECT_EQ(pasteboard.changeCount(), before + 1);
}

// A manager that never answers holds the end up for the hand-over's patience and no longer; and
// another program's contents are not the program's to hand over.
TEST(QtPasteboardX11Test, HandOverNeverHangsAndLeavesOthersContentsAlone)
{
    const auto manager = owner({"--manager", "--hang"});
    QtPasteboard pasteboard(std::make_unique<X11Clipboard>(ReadLimits{}));
    const auto other = copy(pasteboard, {"UTF8_STRING=another program's"});
    pasteboard.handOverContents();

    auto written = std::make_shared<StringPasteboardItem>();
    written->setStringForType("never saved", PasteboardTypeString);
    ASSERT_TRUE(pasteboard.writeObjects({written}));
    pasteboard.handOverContents();
    std::string said;
    EXPECT_TRUE(eventually([&] {
        said += manager->readAll().toStdString();
        return said.ends_with("ignored\n");
    }));
    EXPECT_EQ(said, "manager\nignored\n") << "one request, for the program's own contents";
}

} // namespace
} // namespace nimbrel
