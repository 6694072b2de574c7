// The preferences file with arbitrary contents. Each input is written as the file and its keys are
// read through JsonUserDefaults (two looks at least, so a bad file is judged); then one key is
// written and everything is read back, in the same object and in a fresh one. Nothing may be
// lost: a file that is not read is set aside byte for byte, and keys other than the written one
// keep their values. The keys looked at are the two the program uses and the first quoted string
// in the input.

#include "platform/qt/json_user_defaults.h"

#include "fuzz_check.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A folder of this process's own, in memory when it can be: every write is synced to disk.
    static const fs::path folder = fs::path(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp")
        / ("nimbrel-fuzz-defaults-" + std::to_string(::getpid()));
    [[maybe_unused]] static const int removedAtExit = std::atexit([] { fs::remove_all(folder); });
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path file = folder / "preferences.json";
    const std::string input(reinterpret_cast<const char *>(data), size);
    std::ofstream(file, std::ios::binary) << input;

    std::vector<std::string> keys{"notifyText", "notifyFilesAndDirectories"};
    const std::size_t open = input.find('"');
    const std::size_t close = open == std::string::npos ? open : input.find('"', open + 1);
    // Without escapes and valid UTF-8: distinct invalid keys may name the same stored key.
    const std::string quoted = close == std::string::npos ? "" : input.substr(open + 1, close - open - 1);
    if (quoted.find('\\') == std::string::npos && nimbrel::fuzzing::isWellFormedUtf8(quoted))
        keys.push_back(quoted);

    nimbrel::JsonUserDefaults defaults(file.string());
    std::vector<std::optional<nimbrel::DefaultsValue>> before;
    for (const std::string &key : keys) {
        before.push_back(defaults.objectForKey(key));
        const auto *text = before.back() ? std::get_if<std::string>(&*before.back()) : nullptr;
        NIMBREL_FUZZ_CHECK(text == nullptr || nimbrel::fuzzing::isWellFormedUtf8(*text));
    }
    // Either the file was read and left alone, or it was set aside unchanged.
    const fs::path setAside = file.string() + ".corrupt";
    NIMBREL_FUZZ_CHECK(fs::exists(file) != fs::exists(setAside));
    std::ifstream left(fs::exists(file) ? file : setAside, std::ios::binary);
    NIMBREL_FUZZ_CHECK(std::string(std::istreambuf_iterator<char>(left), {}) == input);

    // Which key is written, and whether with a number or a text, also comes from the input.
    const std::string &written = keys[size % keys.size()];
    const nimbrel::DefaultsValue value = size % 2 == 0 ? nimbrel::DefaultsValue(size / 4.0) : keys.back();
    defaults.setValueForKey(value, written);
    const nimbrel::JsonUserDefaults reopened(file.string());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::optional<nimbrel::DefaultsValue> expected = keys[i] == written ? value : before[i];
        NIMBREL_FUZZ_CHECK(defaults.objectForKey(keys[i]) == expected);
        NIMBREL_FUZZ_CHECK(reopened.objectForKey(keys[i]) == expected);
    }
    return 0;
}
