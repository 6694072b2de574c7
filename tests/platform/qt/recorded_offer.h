#pragma once

#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nimbrel {

// A real program's offer as tests/data/offers records it: targets in the owner's order, and the
// bytes of each that was answered (nullopt for one refused or not recorded).
struct RecordedOffer {
    std::vector<std::string> targets;
    std::map<std::string, std::optional<std::string>, std::less<>> values;
};

inline std::string base64Decoded(std::string_view text)
{
    constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    unsigned bits = 0;
    int count = 0;
    for (const char c : text.substr(0, text.find('='))) {
        bits = (bits << 6) | static_cast<unsigned>(alphabet.find(c));
        if ((count += 6) >= 8)
            bytes.push_back(static_cast<char>((bits >> (count -= 8)) & 0xFF));
    }
    return bytes;
}

inline RecordedOffer readRecordedOffer(const std::string &name)
{
    RecordedOffer offer;
    std::ifstream file(std::string(NIMBREL_OFFERS_DIR) + "/" + name + ".offer");
    for (std::string line; std::getline(file, line);) {
        const std::size_t tab = line.find('\t');
        if (line.starts_with('#') || tab == std::string::npos)
            continue;
        const std::string_view value = std::string_view(line).substr(tab + 1);
        offer.targets.push_back(line.substr(0, tab));
        offer.values[offer.targets.back()] =
            value.starts_with("base64:") ? std::optional(base64Decoded(value.substr(7))) : std::nullopt;
    }
    return offer;
}

} // namespace nimbrel
