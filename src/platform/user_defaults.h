#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace nimbrel {

// A stored value that is neither a number nor a string (a list, an object, null...).
struct OtherDefaultsValue {
    bool operator==(const OtherDefaultsValue &) const = default;
};

// A typed stored value: a number (Booleans are stored as numbers), a string, or anything else.
using DefaultsValue = std::variant<double, std::string, OtherDefaultsValue>;

// The per-user preference store; it keeps its values across runs of the program.
class UserDefaults {
public:
    UserDefaults() = default;
    virtual ~UserDefaults() = default;
    UserDefaults(const UserDefaults &) = delete;
    UserDefaults &operator=(const UserDefaults &) = delete;

    // The value stored under the key; nullopt when there is none.
    virtual std::optional<DefaultsValue> objectForKey(std::string_view key) const = 0;
    // Stores the value under the key; the next objectForKey returns it, in this run and later ones.
    virtual void setValueForKey(const DefaultsValue &value, std::string_view key) = 0;
};

} // namespace nimbrel
