#pragma once

#include <memory>
#include <string>
#include <variant>

namespace nimbrel {

class Button;
class MenuItem;
class PasteboardItem;
struct UserNotification;

// The one argument of an operation reached by its selector name: none, a pasteboard item, a
// sending menu entry or check box, a notification, or a text.
using MessageArgument = std::variant<std::monostate, std::shared_ptr<const PasteboardItem>,
                                     std::shared_ptr<MenuItem>, std::shared_ptr<Button>,
                                     std::shared_ptr<const UserNotification>, std::string>;

// What an operation reached by name answers: nothing, a Boolean, a text or a pasteboard item
// (nullptr when there is none).
using MessageResult = std::variant<std::monostate, bool, std::string, std::shared_ptr<const PasteboardItem>>;

} // namespace nimbrel
