#pragma once

#include <QString>
#include <QStringList>

namespace nimbrel {

// What the command line asks for. Only Start builds the tray program; the client verbs talk to
// the running instance.
struct CommandLineRequest {
    enum class Verb {
        Start,
        PrintHelp,
        PrintVersion,
        Invalid,
        RunTextAction,
        ListTextActions,
        ClearClipboard,
        ShowSettings,
        ShowPasteItemOptions,
    };

    Verb verb = Verb::Start;
    // The title for RunTextAction.
    QString actionTitle;
    // The help or version text to print, or for Invalid the one-line reason.
    QString message;
};

// Reads the program's arguments, its own name first. Qt's own options (-display, -session, ...)
// are accepted and left for QApplication, so that session managers can restart the program.
CommandLineRequest parseCommandLine(const QStringList &arguments);

} // namespace nimbrel
