#pragma once

#include <fstream>
#include <string>
#include <string_view>

// The bytes a real program offered for a target, as tests/data/offers recorded them; for the
// tests and benchmarks that run the core on real copies without a clipboard, and for the clipboard
// owner of tests/peer that replays them. NIMBREL_OFFERS_DIR names the folder.
namespace nimbrel::test {

inline std::string base64Decoded(std::string_view text)
{
    static constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    unsigned bits = 0;
    int count = 0;
    for (const char character : text) {
        const std::size_t value = alphabet.find(character);
        if (value == std::string_view::npos)
            break;
        bits = (bits << 6) | static_cast<unsigned>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            bytes += static_cast<char>((bits >> count) & 0xFF);
        }
    }
    return bytes;
}

// The recording's bytes for a target; empty when it has none.
inline std::string recordedTarget(std::string_view recording, std::string_view target)
{
    std::ifstream file(std::string(NIMBREL_OFFERS_DIR "/") + std::string(recording) + ".offer");
    const std::string prefix = std::string(target) + "\tbase64:";
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with(prefix))
            return base64Decoded(std::string_view(line).substr(prefix.size()));
    }
    return {};
}

} // namespace nimbrel::test
