#include "platform/qt/json_user_defaults.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

// File systems without RENAME_NOREPLACE (NFS) refuse it with EINVAL; this binary's renameat2 does
// so while told to, and is the kernel's otherwise.
std::atomic<bool> renameNoReplaceRefused{false};
extern "C" int renameat2(int fromFolder, const char *from, int toFolder, const char *to, unsigned int flags) noexcept
{
    if (renameNoReplaceRefused && (flags & RENAME_NOREPLACE) != 0) {
        errno = EINVAL;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_renameat2, fromFolder, from, toFolder, to, flags));
}

namespace nimbrel {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const DefaultsValue on = 1.0;
const DefaultsValue off = 0.0;

// Each test works in a temporary folder of its own, never in the user's configuration.
class JsonUserDefaultsTest : public testing::Test {
protected:
    static void write(const fs::path &path, const std::string &contents) { std::ofstream(path) << contents; }
    static std::string read(const fs::path &path)
    {
        return {std::istreambuf_iterator<char>(std::ifstream(path).rdbuf()), std::istreambuf_iterator<char>()};
    }
    std::optional<DefaultsValue> reopened(const char *key) const { return JsonUserDefaults(m_file).objectForKey(key); }
    ~JsonUserDefaultsTest() override { ::umount2(m_folder.c_str(), MNT_DETACH); }

    // A full disk, for real: a small tmpfs over the folder, seen only by this thread (a mount
    // namespace of its own; tests run as root), holding this file and filled up by a filler.
    void mountFullDisk(const char *name, const std::string &contents) const
    {
        ASSERT_EQ(::unshare(CLONE_NEWNS), 0);
        ASSERT_EQ(::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr), 0);
        ASSERT_EQ(::mount("tmpfs", m_folder.c_str(), "tmpfs", 0, "size=64k"), 0);
        write(m_folder / name, contents);
        write(m_folder / "filler", std::string(1 << 20, 'f'));
        ASSERT_LT(fs::file_size(m_folder / "filler"), 1U << 20);
    }
    static std::size_t lines(const std::string &text) { return std::count(text.begin(), text.end(), '\n'); }

    QTemporaryDir m_directory;
    const fs::path m_folder = m_directory.path().toStdString();
    const fs::path m_file = m_folder / "preferences.json";
    const std::string m_corrupt = m_file.string() + ".corrupt";
    // Reads nothing until asked, so a test may make the file first.
    JsonUserDefaults m_defaults{m_file};
};

TEST_F(JsonUserDefaultsTest, ValuesKeepTheirTypesAndOtherProgramsKeysSurviveOurWrites)
{
    write(m_file, R"({"on": true, "off": false, "list": [1], "object": {"nested": 1}})");
    m_defaults.setValueForKey(2.5, "number");
    m_defaults.setValueForKey("1"s, "numberLikeText");
    m_defaults.setValueForKey(OtherDefaultsValue{}, "other");
    const std::pair<const char *, DefaultsValue> rows[] = {{"on", on}, {"off", off}, {"list", OtherDefaultsValue{}},
        {"number", 2.5}, {"numberLikeText", "1"s}, {"other", OtherDefaultsValue{}}};
    for (const auto &[key, expected] : rows)
        EXPECT_EQ(reopened(key), expected) << key;
    EXPECT_NE(read(m_file).find(R"("nested": 1)"), std::string::npos);
}

// What another program does to a file that said {"notifyText": 0}, step by step (nothing: it
// deletes the file), and what we read after each step. Edits are made in place keeping the time
// stamp, as within one tick of a coarse clock. A bad file may be caught half-written, so only when
// the second look finds it unchanged is it set aside, beside the earlier ones. The values read
// before stay in force meanwhile, and our next write keeps them.
TEST_F(JsonUserDefaultsTest, FileChangedByAnotherProgramIsSeenAtTheNextReadAndLosesNoValues)
{
    using Steps = std::vector<std::pair<std::optional<std::string>, DefaultsValue>>;
    const auto twice = [](const std::string &bad) { return Steps{{bad, off}, {bad, off}}; };
    const std::pair<const char *, Steps> rows[] = {
        {"same size", {{R"({"notifyText": 1})", on}}},
        {"caught half-written", {{R"({"notifyText": 1, "x)", off}, {R"({"notifyText": 1})", on}}},
        {"deleted, then written again", {{std::nullopt, off}, {R"({"notifyText": 1})", on}}},
        {"not JSON", twice("notifyText = 1")}, {"array", twice("[1]")},
        {"oversized", twice(R"({"x": ")" + std::string(JsonUserDefaults::maximumFileSize, 'x') + "\"}")}};
    write(m_corrupt, "an earlier bad file");
    int setAside = 0;
    for (const auto &[name, steps] : rows) {
        SCOPED_TRACE(name);
        write(m_file, R"({"notifyText": 0})");
        JsonUserDefaults defaults(m_file);
        EXPECT_EQ(defaults.objectForKey("notifyText"), off);
        for (const auto &[contents, expected] : steps) {
            const auto stamp = fs::exists(m_file) ? fs::last_write_time(m_file) : fs::file_time_type::clock::now();
            if (!contents) {
                fs::remove(m_file);
            } else {
                write(m_file, *contents);
                fs::last_write_time(m_file, stamp);
            }
            EXPECT_EQ(defaults.objectForKey("notifyText"), expected);
        }
        if (steps.size() == 2 && steps[0].first == steps[1].first) {
            EXPECT_EQ(read(m_corrupt + "." + std::to_string(++setAside)), *steps[0].first);
            // The bad file set aside, the last good values are in the file again.
            EXPECT_EQ(reopened("notifyText"), off);
        }
        EXPECT_FALSE(fs::exists(m_corrupt + "." + std::to_string(setAside + 1)));
        defaults.setValueForKey(on, "ours");
        EXPECT_EQ(reopened("notifyText"), steps.back().second);
        EXPECT_EQ(reopened("ours"), on);
    }
    EXPECT_EQ(read(m_corrupt), "an earlier bad file");
}

// Where renaming cannot refuse to replace, a bad file is set aside all the same, and still never
// over an earlier one.
TEST_F(JsonUserDefaultsTest, BadFileIsSetAsideWhereTheFileSystemCannotRenameWithoutReplacing)
{
    write(m_corrupt, "an earlier bad file");
    write(m_file, "[1]");
    renameNoReplaceRefused = true;
    EXPECT_EQ(m_defaults.objectForKey("notifyText"), std::nullopt);
    EXPECT_EQ(m_defaults.objectForKey("notifyText"), std::nullopt);
    renameNoReplaceRefused = false;
    EXPECT_EQ(read(m_corrupt + ".1"), "[1]");
    EXPECT_EQ(read(m_corrupt), "an earlier bad file");
    EXPECT_FALSE(fs::exists(m_file) && read(m_file) == "[1]");
}

// A FIFO would block a plain open(2) until a writer came; it is neither read nor replaced, and the
// choice that could not be written wins over the file until a write succeeds.
TEST_F(JsonUserDefaultsTest, ChoiceThatCannotBeWrittenWinsUntilAWriteSucceeds)
{
    write(m_file, R"({"notifyText": 1})");
    EXPECT_EQ(m_defaults.objectForKey("notifyText"), on);
    const std::string away = m_file.string() + ".away";
    fs::rename(m_file, away);
    ASSERT_EQ(::mkfifo(m_file.c_str(), 0600), 0);
    EXPECT_EQ(m_defaults.objectForKey("notifyText"), on);
    m_defaults.setValueForKey(off, "notifyText");
    EXPECT_TRUE(fs::is_fifo(m_file));
    fs::rename(away, m_file);
    EXPECT_EQ(m_defaults.objectForKey("notifyText"), off);
    m_defaults.setValueForKey(on, "notifyFilesAndDirectories");
    EXPECT_EQ(reopened("notifyText"), off);
}

// A full disk fails the write at write(2), fsync(2) or close(2): the file (here a link's target)
// stays as it was, not emptied, with nothing left beside it. The choice holds in memory, each
// change tries again, and standard error says so once until a write succeeds.
TEST_F(JsonUserDefaultsTest, FullDiskLeavesTheFileAsItWasAndKeepsTheChoiceUntilAWriteSucceeds)
{
    const std::string original = R"({"notifyFilesAndDirectories": 1, "notifyText": 1})";
    mountFullDisk("target.json", original);
    fs::permissions(m_folder / "target.json", fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    fs::create_symlink("target.json", m_file);
    testing::internal::CaptureStderr();
    m_defaults.setValueForKey(off, "notifyText");
    m_defaults.setValueForKey(on, "notifyNothing");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(lines(said) == 1 && said.find("target.json: No space left on device") != std::string::npos) << said;
    EXPECT_EQ(read(m_file), original);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), {}), 3) << "nothing left beside the file";
    EXPECT_EQ(m_defaults.objectForKey("notifyText"), off);

    fs::remove(m_folder / "filler");
    testing::internal::CaptureStderr();
    m_defaults.setValueForKey(off, "notifyFilesAndDirectories");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    for (const auto &[key, expected] : {std::pair{"notifyText", off}, {"notifyNothing", on}, {"notifyFilesAndDirectories", off}})
        EXPECT_EQ(reopened(key), expected) << key;
    EXPECT_TRUE(fs::is_symlink(m_file));
    EXPECT_EQ(fs::status(m_file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);

    write(m_folder / "filler", std::string(1 << 20, 'f'));
    testing::internal::CaptureStderr();
    m_defaults.setValueForKey(on, "notifyText");
    EXPECT_EQ(lines(testing::internal::GetCapturedStderr()), 1U) << "a later failure is said again";
}

// With every name for it taken, a bad file stays where it is and is never written over: the
// choices hold in memory until a name is free, then the file is set aside and they are written.
TEST_F(JsonUserDefaultsTest, BadFileWithNoNameToBeSetAsideUnderStaysAndIsNotWrittenOver)
{
    write(m_file, R"({"notifyText": 0})");
    EXPECT_EQ(m_defaults.objectForKey("notifyText"), off);
    for (int number = 0; number < 10000; ++number)
        write(m_corrupt + (number > 0 ? "." + std::to_string(number) : ""), "");
    write(m_file, "notifyText = 1");
    testing::internal::CaptureStderr();
    EXPECT_EQ(m_defaults.objectForKey("notifyText"), off);
    EXPECT_EQ(m_defaults.objectForKey("notifyText"), off);
    m_defaults.setValueForKey(on, "notifyText");
    EXPECT_EQ(lines(testing::internal::GetCapturedStderr()), 1U);
    EXPECT_EQ(read(m_file), "notifyText = 1");
    EXPECT_EQ(m_defaults.objectForKey("notifyText"), on);

    fs::remove(m_corrupt + ".9999");
    m_defaults.setValueForKey(on, "ours");
    EXPECT_EQ(read(m_corrupt + ".9999"), "notifyText = 1");
    EXPECT_EQ(reopened("notifyText"), on);
    EXPECT_EQ(reopened("ours"), on);

    // A bad file set aside on a full disk: the values read before cannot be written in its place,
    // and no file is better there than an empty one.
    mountFullDisk("preferences.json", "notifyText = 1");
    EXPECT_EQ(m_defaults.objectForKey("notifyText"), on);
    EXPECT_EQ(m_defaults.objectForKey("notifyText"), on);
    EXPECT_EQ(read(m_corrupt), "notifyText = 1");
    EXPECT_FALSE(fs::exists(m_file));
}

} // namespace
} // namespace nimbrel
