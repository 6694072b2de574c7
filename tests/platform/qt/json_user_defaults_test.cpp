#include "platform/qt/json_user_defaults.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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

    QTemporaryDir m_directory;
    const fs::path m_file = fs::path(m_directory.path().toStdString()) / "preferences.json";
    const std::string m_corrupt = m_file.string() + ".corrupt";
};

TEST_F(JsonUserDefaultsTest, ValuesKeepTheirTypesAndOtherProgramsKeysSurviveOurWrites)
{
    write(m_file, R"({"on": true, "off": false, "list": [1], "object": {"nested": 1}})");
    JsonUserDefaults defaults(m_file);
    defaults.setValueForKey(2.5, "number");
    defaults.setValueForKey("1"s, "numberLikeText");
    defaults.setValueForKey(OtherDefaultsValue{}, "other");
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
        }
        EXPECT_FALSE(fs::exists(m_corrupt + "." + std::to_string(setAside + 1)));
        defaults.setValueForKey(on, "ours");
        EXPECT_EQ(reopened("notifyText"), steps.back().second);
        EXPECT_EQ(reopened("ours"), on);
    }
    EXPECT_EQ(read(m_corrupt), "an earlier bad file");
}

// A FIFO would block a plain open(2) until a writer came; it is neither read nor replaced, and the
// choice that could not be written wins over the file until a write succeeds.
TEST_F(JsonUserDefaultsTest, ChoiceThatCannotBeWrittenWinsUntilAWriteSucceeds)
{
    write(m_file, R"({"notifyText": 1})");
    JsonUserDefaults defaults(m_file);
    EXPECT_EQ(defaults.objectForKey("notifyText"), on);
    const std::string away = m_file.string() + ".away";
    fs::rename(m_file, away);
    ASSERT_EQ(::mkfifo(m_file.c_str(), 0600), 0);
    EXPECT_EQ(defaults.objectForKey("notifyText"), on);
    defaults.setValueForKey(off, "notifyText");
    EXPECT_TRUE(fs::is_fifo(m_file));
    fs::rename(away, m_file);
    EXPECT_EQ(defaults.objectForKey("notifyText"), off);
    defaults.setValueForKey(on, "notifyFilesAndDirectories");
    EXPECT_EQ(reopened("notifyText"), off);
}

} // namespace
} // namespace nimbrel
