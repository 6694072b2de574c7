#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace nimbrel {

class AppDelegate;
class PasteboardItem;

// A text action as offered in the pop-up list: its title and the controller's method it runs.
struct TextAction {
    std::string_view title;
    bool (AppDelegate::*action)(const PasteboardItem &item);
};

// The seven actions in the order in which titles are compared and offered.
const std::array<TextAction, 7> &textActions();
// Their titles, in the same order.
std::vector<std::string_view> textActionTitles();
// The action with exactly this title (case-sensitive, whole string); nullptr when none has it.
const TextAction *findTextAction(std::string_view title);

} // namespace nimbrel
