#pragma once

#include <array>
#include <string_view>

// The clipboard formats the program gives a meaning to, by the names owners offer them under:
// X11 target names and Wayland MIME types alike. Names are compared case-sensitively, as X11
// atoms are.
namespace nimbrel::targets {

// Targets that ask the owner to do something or describe the owner, the selection's size or its
// place in a document, rather than hold content.
inline constexpr std::array<std::string_view, 25> pseudo{
    "TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS", "DELETE", "INSERT_SELECTION", "INSERT_PROPERTY",
    "CLIENT_WINDOW", "HOST_NAME", "HOSTNAME", "USER", "PROCESS", "TASK", "OWNER_OS", "NAME", "CLASS", "IP_ADDRESS",
    "LENGTH", "LIST_LENGTH", "MODULE", "PROCEDURE", "CHARACTER_POSITION", "LINE_NUMBER", "COLUMN_NUMBER", "SPAN",
};

// Plain text, most faithful first, as real owners fill them: UTF8_STRING holds the text as it
// is, while GTK turns the text/plain forms' line ends into CRLF and escapes what is not ASCII in
// plain text/plain; STRING is Latin-1 at best. TEXT and COMPOUND_TEXT name text too, but in an
// encoding the owner picks, so they are never read for their text (only to be kept as they are).
inline constexpr std::array<std::string_view, 5> plainTextRead{
    "UTF8_STRING", "text/plain;charset=utf-8", "text/plain;charset=utf-16", "text/plain", "STRING"};
inline constexpr std::array<std::string_view, 2> plainTextUnread{"TEXT", "COMPOUND_TEXT"};
inline constexpr std::array<std::string_view, 3> rtf{"text/rtf", "application/rtf", "text/richtext"};
inline constexpr std::array<std::string_view, 1> html{"text/html"};
// File lists, the better first.
inline constexpr std::array<std::string_view, 2> fileLists{"text/uri-list", "x-special/gnome-copied-files"};

inline constexpr std::string_view passwordManagerHint = "x-kde-passwordManagerHint";
// What passwordManagerHint holds for a secret.
inline constexpr std::string_view passwordManagerSecret = "secret";
inline constexpr std::string_view concealedType = "org.nspasteboard.ConcealedType";

// Calls visit(name) for every name above, so a reader can learn them before it meets them.
template <typename Visit>
void forEachKnown(Visit visit)
{
    const auto visitAll = [&visit](const auto &names) {
        for (const std::string_view name : names)
            visit(name);
    };
    visitAll(pseudo);
    visitAll(plainTextRead);
    visitAll(plainTextUnread);
    visitAll(rtf);
    visitAll(html);
    visitAll(fileLists);
    visit(passwordManagerHint);
    visit(concealedType);
}

} // namespace nimbrel::targets
