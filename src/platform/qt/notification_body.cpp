#include "platform/qt/notification_body.h"

#include "platform/qt/text_capping.h"

namespace nimbrel {

namespace {

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

// D-Bus strings cannot hold NUL, so it becomes U+FFFD whether or not markup is escaped.
std::string withEntities(std::string_view text, bool escapeMarkup)
{
    std::string result;
    result.reserve(text.size());
    for (const char character : text) {
        if (character == '\0') {
            result += replacementCharacter;
            continue;
        }
        if (!escapeMarkup) {
            result += character;
            continue;
        }
        switch (character) {
        case '&': result += "&amp;"; break;
        case '<': result += "&lt;"; break;
        case '>': result += "&gt;"; break;
        case '"': result += "&quot;"; break;
        case '\'': result += "&apos;"; break;
        default: result += character;
        }
    }
    return result;
}

} // namespace

std::string notificationBody(std::string_view text, bool escapeMarkup)
{
    return withEntities(cappedText(text, notificationBodyMaximumLength), escapeMarkup);
}

} // namespace nimbrel
