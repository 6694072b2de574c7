#include "platform/pasteboard_types.h"
#include "platform/qt/qt_pasteboard.h"
#include "platform/qt/x11/x11_clipboard.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace nimbrel {
namespace {

using namespace std::chrono_literals;

const std::string text(PasteboardTypeString);
const std::string html(PasteboardTypeHTML);
const std::string files(FilenamesPboardType);

// Spins the event loop until the condition holds or the time is up.
bool eventuallyTrue(const std::function<bool()> &condition, int milliseconds = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    return true;
}

void spinFor(int milliseconds)
{
    eventuallyTrue([] { return false; }, milliseconds);
}

// Runs a program while the event loop keeps going, so Qt can serve our own clipboard to it.
struct ProcessResult {
    int exitCode = -1;
    QByteArray output;
};

ProcessResult run(const QString &program, const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    const bool finished = eventuallyTrue([&process] { return process.state() == QProcess::NotRunning; });
    if (!finished) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput()};
}

ProcessResult pasteWithXclip(const QString &target)
{
    return run(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", target, "-o"});
}

// Copies as another application does; xclip keeps serving the data in the background.
void copyWithXclip(const QByteArray &data, const QString &target = QStringLiteral("UTF8_STRING"))
{
    ASSERT_EQ(run(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", target, "-i"}, data).exitCode, 0);
}

// The pasteboard has read what was on the clipboard when it started.
void waitUntilCurrent(QtPasteboard &pasteboard)
{
    bool current = false;
    pasteboard.whenCurrent([&current] { current = true; });
    ASSERT_TRUE(eventuallyTrue([&current] { return current; }));
}

std::unique_ptr<ClipboardBackend> x11(ReadLimits limits = {})
{
    return std::make_unique<X11Clipboard>(limits);
}

class QtPasteboardX11Test : public testing::Test {
protected:
    void SetUp() override
    {
        if (!qGuiApp)
            GTEST_SKIP() << "needs an X display";
        if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            GTEST_SKIP() << "needs xclip";
    }

    // Copies with xclip and waits until the pasteboard has seen it.
    void copyAndWait(QtPasteboard &pasteboard, const QByteArray &data, const QString &target)
    {
        waitUntilCurrent(pasteboard);
        const std::int64_t before = pasteboard.changeCount();
        copyWithXclip(data, target);
        ASSERT_TRUE(eventuallyTrue([&] { return pasteboard.changeCount() > before; }));
        EXPECT_EQ(pasteboard.changeCount(), before + 1);
    }

    static std::shared_ptr<const PasteboardItem> onlyItem(const QtPasteboard &pasteboard)
    {
        const auto items = pasteboard.pasteboardItems();
        return items.size() == 1 ? items.front() : nullptr;
    }
};

TEST_F(QtPasteboardX11Test, ReadsTextHtmlAndFilesOfOtherApplications)
{
    QtPasteboard pasteboard(x11());

    copyAndWait(pasteboard, "hello w\xC3\xB6rld", QStringLiteral("UTF8_STRING"));
    auto item = onlyItem(pasteboard);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->types(), std::vector<std::string>{text});
    EXPECT_EQ(item->stringForType(PasteboardTypeString), "hello w\xC3\xB6rld");
    EXPECT_EQ(pasteboard.propertyListForType(FilenamesPboardType), std::nullopt);

    copyAndWait(pasteboard, "<b>bold</b>", QStringLiteral("text/html"));
    item = onlyItem(pasteboard);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->types(), std::vector<std::string>{html});
    EXPECT_EQ(item->stringForType(PasteboardTypeHTML), "<b>bold</b>");
    EXPECT_EQ(item->stringForType(PasteboardTypeString), std::nullopt);

    copyAndWait(pasteboard, "file:///tmp/a%20b\r\nhttps://example.org/\r\nfile:///etc/hosts\r\n",
                QStringLiteral("text/uri-list"));
    item = onlyItem(pasteboard);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->types(), (std::vector<std::string>{files, "text/uri-list"}));
    EXPECT_EQ(item->stringForType(PasteboardTypeString), std::nullopt);
    EXPECT_EQ(pasteboard.propertyListForType(FilenamesPboardType),
              (std::vector<std::string>{"/tmp/a b", "/etc/hosts"}));
}

TEST_F(QtPasteboardX11Test, ReadsLargeTextInPiecesAndLeavesOutTooLargeText)
{
    const QByteArray large(3 << 20, 'x');
    {
        QtPasteboard pasteboard(x11());
        copyAndWait(pasteboard, large, QStringLiteral("UTF8_STRING"));
        const auto item = onlyItem(pasteboard);
        ASSERT_TRUE(item);
        EXPECT_EQ(item->stringForType(PasteboardTypeString), large.toStdString());
    }
    QtPasteboard bounded(x11(ReadLimits{2000ms, 1 << 20}));
    copyAndWait(bounded, large + "y", QStringLiteral("UTF8_STRING"));
    const auto item = onlyItem(bounded);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->types(), std::vector<std::string>{text});
    EXPECT_EQ(item->stringForType(PasteboardTypeString), std::nullopt);
}

TEST_F(QtPasteboardX11Test, OwnWritesAreServedToOthersAndCountedOnce)
{
    QtPasteboard pasteboard(x11());
    waitUntilCurrent(pasteboard);
    auto written = std::make_shared<StringPasteboardItem>();
    written->setStringForType("written \xE2\x9C\x93", PasteboardTypeString);
    written->setStringForType("<i>written</i>", PasteboardTypeHTML);
    const std::int64_t before = pasteboard.changeCount();

    pasteboard.writeObjects({written});

    EXPECT_EQ(pasteboard.changeCount(), before + 1);
    ASSERT_EQ(pasteboard.pasteboardItems().size(), 1u);
    EXPECT_EQ(pasteboard.pasteboardItems().front(), written);

    const QByteArray targets = pasteWithXclip(QStringLiteral("TARGETS")).output;
    for (const char *target : {"UTF8_STRING", "text/plain", "text/html"})
        EXPECT_TRUE(targets.split('\n').contains(target)) << target << " missing from " << targets.toStdString();
    EXPECT_EQ(pasteWithXclip(QStringLiteral("text/plain")).output.toStdString(), "written \xE2\x9C\x93");
    EXPECT_EQ(pasteWithXclip(QStringLiteral("text/html")).output.toStdString(), "<i>written</i>");

    spinFor(300);
    EXPECT_EQ(pasteboard.changeCount(), before + 1);
    EXPECT_EQ(pasteboard.pasteboardItems().front(), written);
}

TEST_F(QtPasteboardX11Test, ClearEmptiesTheClipboardOnce)
{
    QtPasteboard pasteboard(x11());
    copyAndWait(pasteboard, "to be cleared", QStringLiteral("UTF8_STRING"));
    const std::int64_t before = pasteboard.changeCount();

    pasteboard.clearContents();

    EXPECT_EQ(pasteboard.changeCount(), before + 1);
    EXPECT_TRUE(pasteboard.pasteboardItems().empty());
    EXPECT_NE(pasteWithXclip(QStringLiteral("UTF8_STRING")).exitCode, 0);
    spinFor(300);
    EXPECT_EQ(pasteboard.changeCount(), before + 1);
    EXPECT_TRUE(pasteboard.pasteboardItems().empty());
}

TEST_F(QtPasteboardX11Test, CopiesInOurOwnWindowsAreReadLikeAnyOther)
{
    QtPasteboard pasteboard(x11());
    copyAndWait(pasteboard, "from elsewhere", QStringLiteral("UTF8_STRING"));
    const std::int64_t before = pasteboard.changeCount();

    QGuiApplication::clipboard()->setText(QStringLiteral("copied in a window of ours"));

    ASSERT_TRUE(eventuallyTrue([&] { return pasteboard.changeCount() > before; }));
    ASSERT_TRUE(onlyItem(pasteboard));
    EXPECT_EQ(onlyItem(pasteboard)->stringForType(PasteboardTypeString), "copied in a window of ours");
    spinFor(300);
    EXPECT_EQ(pasteboard.changeCount(), before + 1);
}

class HungOwner {
public:
    HungOwner()
    {
        m_process.start(QStringLiteral(NIMBREL_HUNG_OWNER),
                        {QStringLiteral("--hang"), QStringLiteral("--lifetime"), QStringLiteral("20")});
        m_started = eventuallyTrue([this] { return m_process.canReadLine(); });
    }
    ~HungOwner()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    bool started() const { return m_started; }

private:
    QProcess m_process;
    bool m_started = false;
};

// A text action clears, then writes; a copy made meanwhile by another program, not read yet,
// must be neither written over nor emptied.
TEST_F(QtPasteboardX11Test, WriteBasedOnContentsNotReadYetIsRefused)
{
    QtPasteboard pasteboard(x11(ReadLimits{30000ms, 1 << 20}));
    copyAndWait(pasteboard, "seen", QStringLiteral("UTF8_STRING"));
    HungOwner hung;
    ASSERT_TRUE(hung.started());
    auto written = std::make_shared<StringPasteboardItem>();
    written->setStringForType("SEEN", PasteboardTypeString);

    pasteboard.clearContents();
    EXPECT_FALSE(pasteboard.writeObjects({written}));
    spinFor(300);
    EXPECT_TRUE(pasteboard.pasteboardItems().empty());

    copyAndWait(pasteboard, "after", QStringLiteral("UTF8_STRING"));
    ASSERT_TRUE(onlyItem(pasteboard));
    EXPECT_EQ(onlyItem(pasteboard)->stringForType(PasteboardTypeString), "after");
}

TEST_F(QtPasteboardX11Test, HungOwnerNeverBlocksAndANewerCopyWins)
{
    // A read budget far beyond the test's waits: only abandoning the hung read lets the next copy in.
    QtPasteboard pasteboard(x11(ReadLimits{30000ms, 1 << 20}));
    copyAndWait(pasteboard, "before", QStringLiteral("UTF8_STRING"));
    const std::int64_t before = pasteboard.changeCount();

    HungOwner hung;
    ASSERT_TRUE(hung.started());
    spinFor(300);
    EXPECT_EQ(pasteboard.changeCount(), before);
    ASSERT_TRUE(onlyItem(pasteboard));
    EXPECT_EQ(onlyItem(pasteboard)->stringForType(PasteboardTypeString), "before");

    copyAndWait(pasteboard, "after", QStringLiteral("UTF8_STRING"));
    ASSERT_TRUE(onlyItem(pasteboard));
    EXPECT_EQ(onlyItem(pasteboard)->stringForType(PasteboardTypeString), "after");
}

TEST_F(QtPasteboardX11Test, HungOwnerLeavesAnEmptyClipboardWhenTimeRunsOut)
{
    QtPasteboard pasteboard(x11(ReadLimits{300ms, 1 << 20}));
    copyAndWait(pasteboard, "before", QStringLiteral("UTF8_STRING"));
    const std::int64_t before = pasteboard.changeCount();

    HungOwner hung;
    ASSERT_TRUE(hung.started());
    ASSERT_TRUE(eventuallyTrue([&] { return pasteboard.changeCount() > before; }));
    EXPECT_TRUE(pasteboard.pasteboardItems().empty());

    copyAndWait(pasteboard, "after", QStringLiteral("UTF8_STRING"));
    ASSERT_TRUE(onlyItem(pasteboard));
    EXPECT_EQ(onlyItem(pasteboard)->stringForType(PasteboardTypeString), "after");
}

} // namespace
} // namespace nimbrel
