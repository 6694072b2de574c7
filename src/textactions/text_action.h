#pragma once

#include "app/app_delegate.h"

#include <array>
#include <memory>
#include <string_view>
#include <vector>

namespace nimbrel {

// A text action as offered in the pop-up list: its title and the controller's method it runs.
struct TextAction {
    std::string_view title;
    void (AppDelegate::*action)(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done);
};

// The seven actions in the order in which titles are compared and offered.
const std::array<TextAction, 7> &textActions();
// Their titles, in the same order.
std::vector<std::string_view> textActionTitles();
// The action with exactly this title (case-sensitive, whole string); nullptr when none has it.
const TextAction *findTextAction(std::string_view title);

} // namespace nimbrel
