#include "platform/qt/json_user_defaults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace nimbrel {
namespace {

namespace fs = std::filesystem;

// Each test gets its own directory under the system's temporary folder, never the user's config.
class JsonUserDefaultsTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::random_device seed;
        m_directory = fs::temp_directory_path() / ("nimbrel-defaults-" + std::to_string(seed()));
        fs::create_directories(m_directory);
    }
    void TearDown() override { fs::remove_all(m_directory); }

    fs::path file() const { return m_directory / "nimbrel" / "preferences.json"; }

    void writeFile(const fs::path &path, const std::string &contents) const
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
    }

    // Another program replacing the file as editors do: a new file renamed over the old one.
    void replaceFile(const std::string &contents) const
    {
        const fs::path temporary = file().string() + ".other";
        writeFile(temporary, contents);
        fs::rename(temporary, file());
    }

    std::string readFile(const fs::path &path) const
    {
        std::ifstream stream(path, std::ios::binary);
        std::ostringstream contents;
        contents << stream.rdbuf();
        return contents.str();
    }

    fs::path m_directory;
};

TEST_F(JsonUserDefaultsTest, ValuesRoundTripThroughTheFileWithTheirTypes)
{
    {
        JsonUserDefaults defaults(file().string());
        EXPECT_EQ(defaults.objectForKey("notifyText"), std::nullopt);
        defaults.setValueForKey(1.0, "notifyText");
        defaults.setValueForKey(0.0, "notifyFilesAndDirectories");
        defaults.setValueForKey(2.5, "fraction");
        defaults.setValueForKey(std::string("Lowercase"), "lastAction");
        defaults.setValueForKey(std::string("1"), "numberLikeText");
        defaults.setValueForKey(OtherDefaultsValue{}, "other");
        EXPECT_EQ(defaults.objectForKey("notifyText"), DefaultsValue(1.0));
    }
    JsonUserDefaults reopened(file().string());
    EXPECT_EQ(reopened.objectForKey("notifyText"), DefaultsValue(1.0));
    EXPECT_EQ(reopened.objectForKey("notifyFilesAndDirectories"), DefaultsValue(0.0));
    EXPECT_EQ(reopened.objectForKey("fraction"), DefaultsValue(2.5));
    EXPECT_EQ(reopened.objectForKey("lastAction"), DefaultsValue(std::string("Lowercase")));
    EXPECT_EQ(reopened.objectForKey("numberLikeText"), DefaultsValue(std::string("1")));
    EXPECT_EQ(reopened.objectForKey("other"), DefaultsValue(OtherDefaultsValue{}));
    EXPECT_EQ(reopened.objectForKey("missing"), std::nullopt);
}

TEST_F(JsonUserDefaultsTest, JsonValuesMapOntoTheirDefaultsTypes)
{
    writeFile(file(), R"({"on": true, "off": false, "number": 3, "text": "x", "unicode": "\u00e9\ud83d\ude00",
                         "null": null, "list": [1, 2], "object": {"nested": 1}})");
    JsonUserDefaults defaults(file().string());
    EXPECT_EQ(defaults.objectForKey("on"), DefaultsValue(1.0));
    EXPECT_EQ(defaults.objectForKey("off"), DefaultsValue(0.0));
    EXPECT_EQ(defaults.objectForKey("number"), DefaultsValue(3.0));
    EXPECT_EQ(defaults.objectForKey("text"), DefaultsValue(std::string("x")));
    EXPECT_EQ(defaults.objectForKey("unicode"), DefaultsValue(std::string("\xC3\xA9\xF0\x9F\x98\x80")));
    EXPECT_EQ(defaults.objectForKey("null"), DefaultsValue(OtherDefaultsValue{}));
    EXPECT_EQ(defaults.objectForKey("list"), DefaultsValue(OtherDefaultsValue{}));
    EXPECT_EQ(defaults.objectForKey("object"), DefaultsValue(OtherDefaultsValue{}));
    EXPECT_EQ(defaults.objectForKey("nested"), std::nullopt);
}

TEST_F(JsonUserDefaultsTest, WritingKeepsKeysItDoesNotKnowAndNestedValues)
{
    writeFile(file(), R"({"someoneElse": {"deep": [1, "two", null]}, "notifyText": 1})");
    JsonUserDefaults defaults(file().string());
    defaults.setValueForKey(0.0, "notifyText");

    JsonUserDefaults reopened(file().string());
    EXPECT_EQ(reopened.objectForKey("notifyText"), DefaultsValue(0.0));
    const std::string contents = readFile(file());
    EXPECT_NE(contents.find("\"deep\""), std::string::npos) << contents;
    EXPECT_NE(contents.find("\"two\""), std::string::npos) << contents;
}

TEST_F(JsonUserDefaultsTest, CorruptFileIsSetAsideAndReadAsEmpty)
{
    const struct {
        const char *name;
        std::string contents;
    } corruptFiles[] = {
        {"not json", "notifyText = 1"},
        {"truncated", R"({"notifyText": 1)"},
        {"array", "[1, 2]"},
        {"bare number", "1"},
        {"empty file", ""},
        {"binary", std::string("\0\xFF\xFE{\"", 5)},
        {"deep nesting", std::string(100000, '[') + std::string(100000, ']')},
    };
    for (const auto &corrupt : corruptFiles) {
        SCOPED_TRACE(corrupt.name);
        fs::remove(file().string() + ".corrupt");
        writeFile(file().string() + ".corrupt", "an older corrupt copy");
        writeFile(file(), corrupt.contents);

        JsonUserDefaults defaults(file().string());
        EXPECT_EQ(defaults.objectForKey("notifyText"), std::nullopt);
        EXPECT_FALSE(fs::exists(file()));
        EXPECT_EQ(readFile(file().string() + ".corrupt"), corrupt.contents);

        defaults.setValueForKey(1.0, "notifyText");
        EXPECT_EQ(JsonUserDefaults(file().string()).objectForKey("notifyText"), DefaultsValue(1.0));
    }
}

TEST_F(JsonUserDefaultsTest, HugeFileIsSetAsideUnread)
{
    writeFile(file(), "{\"notifyText\": \"" + std::string(JsonUserDefaults::maximumFileSize, 'x') + "\"}");
    JsonUserDefaults defaults(file().string());
    EXPECT_EQ(defaults.objectForKey("notifyText"), std::nullopt);
    EXPECT_TRUE(fs::exists(file().string() + ".corrupt"));
}

TEST_F(JsonUserDefaultsTest, ChangesByAnotherProgramAreSeenAtTheNextRead)
{
    writeFile(file(), R"({"notifyText": 1})");
    JsonUserDefaults defaults(file().string());
    EXPECT_EQ(defaults.objectForKey("notifyText"), DefaultsValue(1.0));

    replaceFile(R"({"notifyText": 0})");
    EXPECT_EQ(defaults.objectForKey("notifyText"), DefaultsValue(0.0));

    // Rewritten in place, with a new size.
    writeFile(file(), R"({"notifyText": "on"})");
    EXPECT_EQ(defaults.objectForKey("notifyText"), DefaultsValue(std::string("on")));

    // Our next write starts from what the other program left.
    replaceFile(R"({"notifyText": 0, "addedElsewhere": 7})");
    defaults.setValueForKey(1.0, "notifyFilesAndDirectories");
    JsonUserDefaults reopened(file().string());
    EXPECT_EQ(reopened.objectForKey("addedElsewhere"), DefaultsValue(7.0));
    EXPECT_EQ(reopened.objectForKey("notifyText"), DefaultsValue(0.0));
    EXPECT_EQ(reopened.objectForKey("notifyFilesAndDirectories"), DefaultsValue(1.0));
}

TEST_F(JsonUserDefaultsTest, FileDeletedWhileRunningReadsAsMissingAndIsRecreatedByAWrite)
{
    JsonUserDefaults defaults(file().string());
    defaults.setValueForKey(1.0, "notifyText");
    fs::remove_all(file().parent_path());

    EXPECT_EQ(defaults.objectForKey("notifyText"), std::nullopt);
    defaults.setValueForKey(0.0, "notifyFilesAndDirectories");
    EXPECT_TRUE(fs::exists(file()));
    EXPECT_EQ(JsonUserDefaults(file().string()).objectForKey("notifyFilesAndDirectories"), DefaultsValue(0.0));
}

TEST_F(JsonUserDefaultsTest, UnwritableLocationKeepsValuesInMemory)
{
    // A plain file where the folder should be: unwritable even for root, which ignores permissions.
    writeFile(m_directory / "blocked", "not a folder");
    const fs::path unwritable = m_directory / "blocked" / "preferences.json";
    JsonUserDefaults defaults(unwritable.string());

    defaults.setValueForKey(0.0, "notifyText");
    defaults.setValueForKey(std::string("kept"), "text");
    EXPECT_EQ(defaults.objectForKey("notifyText"), DefaultsValue(0.0));
    EXPECT_EQ(defaults.objectForKey("text"), DefaultsValue(std::string("kept")));
    EXPECT_EQ(readFile(m_directory / "blocked"), "not a folder");
}

TEST_F(JsonUserDefaultsTest, ValuesNotYetWrittenWinOverTheFileUntilAWriteSucceeds)
{
    writeFile(file(), R"({"notifyText": 1})");
    JsonUserDefaults defaults(file().string());
    EXPECT_EQ(defaults.objectForKey("notifyText"), DefaultsValue(1.0));

    // The folder becomes a file: the write fails, the value stays in memory.
    const fs::path folder = file().parent_path();
    fs::rename(folder, m_directory / "moved");
    writeFile(folder, "blocked");
    defaults.setValueForKey(0.0, "notifyText");
    EXPECT_EQ(defaults.objectForKey("notifyText"), DefaultsValue(0.0));

    // Writable again: the next write saves everything held in memory.
    fs::remove(folder);
    defaults.setValueForKey(1.0, "notifyFilesAndDirectories");
    JsonUserDefaults reopened(file().string());
    EXPECT_EQ(reopened.objectForKey("notifyText"), DefaultsValue(0.0));
    EXPECT_EQ(reopened.objectForKey("notifyFilesAndDirectories"), DefaultsValue(1.0));
}

TEST_F(JsonUserDefaultsTest, WriteLeavesNoTemporaryFilesBehind)
{
    JsonUserDefaults defaults(file().string());
    for (int i = 0; i < 20; ++i)
        defaults.setValueForKey(static_cast<double>(i), "counter");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto &entry : fs::directory_iterator(file().parent_path()))
        ++entries;
    EXPECT_EQ(entries, 1u);
    EXPECT_EQ(JsonUserDefaults(file().string()).objectForKey("counter"), DefaultsValue(19.0));
}

TEST_F(JsonUserDefaultsTest, InvalidUtf8InKeysAndValuesIsStoredAsReplacementCharacters)
{
    JsonUserDefaults defaults(file().string());
    defaults.setValueForKey(std::string("a\xFF" "b"), "key\xFE");
    JsonUserDefaults reopened(file().string());
    EXPECT_EQ(reopened.objectForKey("key\xEF\xBF\xBD"), DefaultsValue(std::string("a\xEF\xBF\xBD" "b")));
}

} // namespace
} // namespace nimbrel
