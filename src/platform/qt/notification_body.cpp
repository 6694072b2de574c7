#include "platform/qt/notification_body.h"

#include "platform/qt/text_capping.h"
#include "platform/utf8.h"

namespace nimbrel {

namespace {

// D-Bus strings cannot hold NUL, and a direction control would reorder the rest of the body as
// it does a file name's (change_polling.cpp), so each becomes U+FFFD whether or not markup is
// escaped. The text is valid UTF-8 here: cappedText() made it so.
std::string withEntities(std::string_view text, bool escapeMarkup)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t position = 0; position < text.size();) {
        const Utf8Sequence sequence = decodeUtf8(text, position);
        const char character = text[position];
        if (character == '\0' || isBidirectionalControl(sequence.codePoint) || !sequence.valid) {
            result += replacementCharacterUtf8;
            position += sequence.length;
            continue;
        }
        if (sequence.length > 1 || !escapeMarkup) {
            result.append(text, position, sequence.length);
            position += sequence.length;
            continue;
        }
        ++position;
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
