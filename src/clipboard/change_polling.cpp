// The poll tick. It runs 50 times a second, so a tick that finds the change count unchanged
// reads that count once and touches nothing else. A changed count is handled in one pass:
// refresh the text-actions entry, classify the first item as text or files, show its text,
// announce it if the preferences say so, and enable the clear entry.
#include "app/app_delegate.h"

#include "platform/menu_item.h"
#include "platform/pasteboard.h"
#include "platform/pasteboard_types.h"
#include "platform/string_operations.h"
#include "platform/text_translation.h"
#include "platform/utf8.h"
#include "ui/preferences.h"

namespace nimbrel {
namespace {

// Line breaks, escapes and direction overrides in a file name would let the name forge the
// layout of the announcement, so they are shown as U+FFFD.
bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || isBidirectionalControl(c);
}

std::string displayedName(std::string_view path)
{
    const std::string name = lastPathComponent(path);
    std::string shown;
    shown.reserve(name.size());
    for (std::size_t position = 0; position < name.size();) {
        const Utf8Sequence sequence = decodeUtf8(name, position);
        if (isControl(sequence.codePoint))
            shown += replacementCharacterUtf8;
        else
            shown.append(name, position, sequence.length);
        position += sequence.length;
    }
    return shown;
}

std::string fileNamesSummary(const std::vector<std::string> &fileNames, const TextTranslation &translation)
{
    const auto count = static_cast<std::int64_t>(fileNames.size());
    if (count >= 2)
        //: The notification's text for files copied in a file manager, after their number: "3 files".
        //: Write %n where the number goes.
        return translation.translate("Notification", " files", "", count);
    if (fileNames.empty())
        return {};
    return displayedName(fileNames.front());
}

} // namespace

void AppDelegate::pollPasteboardForChanges()
{
    if (m_pasteboard.changeCount() == m_changeCount)
        return;
    m_changeCount = m_pasteboard.changeCount();

    setTextActionsMenuItemEnabledState();

    if (!hasItems()) {
        // Emptied by another program: nothing is left to clear.
        if (const auto clearItem = m_outlets.clearClipboardMenuItem.lock())
            clearItem->setEnabled(false);
        return;
    }

    if (const auto item = getFirstItem()) {
        SharedText itemText;
        bool notify = true;
        if (itemIsConcealed(*item)) {
            notify = false;
        } else if (firstItemIsSomeKindOfString(*item)) {
            if (const auto text = item->stringForType(PasteboardTypeString)) {
                itemText = *text;
                notify = preferenceIsOn(notifyTextKey);
            }
        } else if (const auto fileNames = m_pasteboard.propertyListForType(FilenamesPboardType)) {
            closePasteItemOptions();
            if (preferenceIsOn(notifyFilesAndDirectoriesKey))
                itemText = fileNamesSummary(*fileNames, m_translation);
            else
                notify = false;
        }

        setCurrentTextItemViewValue(itemText);
        if (notify)
            postNotification(std::move(itemText));
    }

    if (const auto clearItem = m_outlets.clearClipboardMenuItem.lock())
        clearItem->setEnabled(true);
}

} // namespace nimbrel
