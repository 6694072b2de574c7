// The preferences file with arbitrary contents. Each input is written as the file, then read
// through JsonUserDefaults, one key is written and everything is read back, in the same object
// and in a fresh one. Nothing may be lost: a file that is not read is moved aside byte for byte,
// keys other than the written one keep their values, and the written value comes back.
// The keys looked at are the two the program uses plus the quoted strings found in the input.

#include "platform/qt/json_user_defaults.h"

#include "fuzz_check.h"
#include "utf8_oracle.h"

#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

// One private directory per fuzzing process, removed when it ends. Every write is synced to
// disk, so a memory file system is much faster when there is one.
fs::path scratchParent()
{
    return ::access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm") : fs::temp_directory_path();
}

struct ScratchDirectory {
    ScratchDirectory()
        : m_path(scratchParent() / ("nimbrel-fuzz-defaults-" + std::to_string(::getpid())))
    {
        fs::create_directories(m_path);
    }
    ~ScratchDirectory()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    fs::path m_path;
};

void writeFile(const fs::path &path, std::string_view contents)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(contents.data(),
                                                                    static_cast<std::streamsize>(contents.size()));
}

std::optional<std::string> readFile(const fs::path &path)
{
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// Quoted runs without escapes that are valid UTF-8: likely keys of the input's object. Invalid
// UTF-8 is left out because distinct invalid keys may name the same stored key.
std::vector<std::string> candidateKeys(std::string_view input)
{
    std::vector<std::string> keys{"notifyText", "notifyFilesAndDirectories"};
    std::size_t position = 0;
    while (keys.size() < 10) {
        const std::size_t open = input.find('"', position);
        const std::size_t close = open == std::string_view::npos ? open : input.find('"', open + 1);
        if (close == std::string_view::npos)
            break;
        const std::string_view key = input.substr(open + 1, close - open - 1);
        if (key.find('\\') == std::string_view::npos && nimbrel::fuzzing::isWellFormedUtf8(key))
            keys.emplace_back(key);
        position = close + 1;
    }
    return keys;
}

bool sameValue(const std::optional<nimbrel::DefaultsValue> &a, const std::optional<nimbrel::DefaultsValue> &b)
{
    if (a && b && std::holds_alternative<double>(*a) && std::holds_alternative<double>(*b)
        && std::isnan(std::get<double>(*a)) && std::isnan(std::get<double>(*b)))
        return true;
    return a == b;
}

void checkReadable(const std::optional<nimbrel::DefaultsValue> &value)
{
    if (value && std::holds_alternative<std::string>(*value))
        NIMBREL_FUZZ_CHECK(nimbrel::fuzzing::isWellFormedUtf8(std::get<std::string>(*value)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const ScratchDirectory scratch;
    const fs::path file = scratch.m_path / "preferences.json";
    const fs::path corrupt = scratch.m_path / "preferences.json.corrupt";
    fs::remove(corrupt);
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    writeFile(file, input);

    const std::vector<std::string> keys = candidateKeys(input);
    // Which key is written, and whether with a number or a text, also comes from the input.
    const std::string &writtenKey = keys[size % keys.size()];
    const nimbrel::DefaultsValue written = size % 2 == 0 ? nimbrel::DefaultsValue(static_cast<double>(size) / 4)
                                                         : nimbrel::DefaultsValue(keys.back());

    nimbrel::JsonUserDefaults defaults(file.string());
    std::vector<std::optional<nimbrel::DefaultsValue>> before;
    for (const std::string &key : keys) {
        before.push_back(defaults.objectForKey(key));
        checkReadable(before.back());
    }
    // Either the file was read and left alone, or it was moved aside unchanged.
    const std::optional<std::string> kept = readFile(file);
    const std::optional<std::string> setAside = readFile(corrupt);
    NIMBREL_FUZZ_CHECK(kept.has_value() != setAside.has_value());
    NIMBREL_FUZZ_CHECK((kept ? *kept : *setAside) == input);

    defaults.setValueForKey(written, writtenKey);
    nimbrel::JsonUserDefaults reopened(file.string());
    NIMBREL_FUZZ_CHECK(sameValue(defaults.objectForKey(writtenKey), written));
    NIMBREL_FUZZ_CHECK(sameValue(reopened.objectForKey(writtenKey), written));
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == writtenKey)
            continue;
        NIMBREL_FUZZ_CHECK(sameValue(defaults.objectForKey(keys[i]), before[i]));
        NIMBREL_FUZZ_CHECK(sameValue(reopened.objectForKey(keys[i]), before[i]));
    }
    return 0;
}
