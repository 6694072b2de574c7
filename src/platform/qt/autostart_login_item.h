#pragma once

#include "platform/login_item.h"

#include <QString>

namespace nimbrel {

// Starting at login as XDG autostart does it: a desktop entry in $XDG_CONFIG_HOME/autostart
// (~/.config/autostart when XDG_CONFIG_HOME is unset) that runs this program. It is on while that
// file is a readable desktop entry that does not hide itself (Hidden=true, as desktops write to
// turn an entry off, which counts as no file at all); without that file, while a system-wide
// entry of the same name ($XDG_CONFIG_DIRS/autostart, as a package may install) does not hide
// itself. Turning it on writes our entry, over whatever file was there, through a new file beside
// it renamed into place; turning it off removes the file, unless it already keeps the program
// from starting, or writes an entry that hides itself where a system-wide one would start the
// program all the same. A failure is said on standard error.
class AutostartLoginItem final : public LoginItem {
public:
    // programPath: the absolute path of the program the entry runs.
    explicit AutostartLoginItem(QString programPath);

    bool isEnabled() const override;
    bool setEnabled(bool enabled) override;

private:
    bool writeEntry(bool hidden) const;
    bool systemEntryStarts() const;

    QString m_programPath;
    QString m_entryPath;
};

} // namespace nimbrel
