#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nimbrel {

// Puts the texts a person reads into the user's language. A text is known by its English self and
// the part of the program it belongs to (its context), as the translators' catalog lists them; the
// calls take the shape of Qt's translate so that the catalog's tools find every text where it is used.
class TextTranslation {
public:
    TextTranslation() = default;
    virtual ~TextTranslation() = default;
    TextTranslation(const TextTranslation &) = delete;
    TextTranslation &operator=(const TextTranslation &) = delete;

    // The text in the user's language; the text itself where the language has no translation of it.
    virtual std::string translate(std::string_view context, std::string_view text) const = 0;
    // A text that follows a count, as " files" follows 3: the count and the text in the user's
    // language, in the plural form the count takes there; the count in decimal digits followed by the
    // text where the language has no translation of it. The disambiguation tells apart two uses of
    // one text in a context; empty for none.
    virtual std::string translate(std::string_view context, std::string_view text, std::string_view disambiguation,
                                  std::int64_t count) const = 0;
};

// Marks a text for the translators' catalog where it is defined, to be translated where it is
// shown: the text itself.
constexpr std::string_view translatable(std::string_view /*context*/, std::string_view text)
{
    return text;
}

} // namespace nimbrel
