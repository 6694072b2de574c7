#include "desktop/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>
#include <utility>
#include <vector>

namespace nimbrel {

namespace {

using Verb = CommandLineRequest::Verb;

struct VerbOption {
    const char *name;
    const char *description;
    Verb verb;
};

// The client verbs without a value; --action is the one with a value.
constexpr std::array verbOptions{
    VerbOption{"list-actions", QT_TRANSLATE_NOOP("CommandLine", "Print the titles of the text actions, one a line."),
               Verb::ListTextActions},
    VerbOption{"clear", QT_TRANSLATE_NOOP("CommandLine", "Empty the clipboard."), Verb::ClearClipboard},
    VerbOption{"settings", QT_TRANSLATE_NOOP("CommandLine", "Open the settings window."), Verb::ShowSettings},
    VerbOption{"options", QT_TRANSLATE_NOOP("CommandLine", "Open the paste item options window."),
               Verb::ShowPasteItemOptions},
};

// QGuiApplication's and QApplication's own options, which a session manager or a user may give.
constexpr std::array qtOptionsWithValue{"platform", "platformpluginpath", "platformtheme", "plugin",
                                        "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                        "display", "geometry", "style", "stylesheet"};
constexpr std::array qtFlags{"reverse", "widgetcount"};

void addHiddenOption(QCommandLineParser &parser, const char *name, const QString &valueName)
{
    QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

CommandLineRequest invalid(QString reason)
{
    return {Verb::Invalid, {}, std::move(reason)};
}

} // namespace

CommandLineRequest parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options are words after a single dash (-display :1), so none of ours is compacted.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    //: The options, their titles and the exit statuses are the same in every language
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine",
        "Clipboard utility for the desktop tray. Without options, starts Nimbrel, or opens the\n"
        "running one's settings. The other options ask the running Nimbrel and never start one.\n"
        "Exit status: 0 done, 1 nothing rewritten or an unknown title, 2 a bad command line\n"
        "or no running Nimbrel."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Print this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("CommandLine", "Print the version."));
    const QCommandLineOption action(QStringLiteral("action"),
                                    //: The title is the English one in every language, as --list-actions prints it
                                    QCoreApplication::translate("CommandLine",
                                                                "Run the text action with this title on the clipboard."),
                                    //: What --action takes, shown as --action <title>
                                    QCoreApplication::translate("CommandLine", "title"));
    parser.addOptions({help, version, action});
    for (const VerbOption &option : verbOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name),
                                            QCoreApplication::translate("CommandLine", option.description)));
    for (const char *name : qtOptionsWithValue)
        addHiddenOption(parser, name, QStringLiteral("value"));
    for (const char *name : qtFlags)
        addHiddenOption(parser, name, QString());

    if (!parser.parse(arguments))
        return invalid(parser.errorText());
    if (parser.isSet(help))
        return {Verb::PrintHelp, {}, parser.helpText()};
    if (parser.isSet(version))
        return {Verb::PrintVersion, {},
                QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()};
    if (!parser.positionalArguments().isEmpty())
        return invalid(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                           .arg(parser.positionalArguments().constFirst()));

    std::vector<CommandLineRequest> requests;
    for (const QString &title : parser.values(action))
        requests.push_back({Verb::RunTextAction, title, {}});
    for (const VerbOption &option : verbOptions) {
        if (parser.isSet(QString::fromLatin1(option.name)))
            requests.push_back({option.verb, {}, {}});
    }
    if (requests.size() > 1)
        return invalid(QCoreApplication::translate(
            "CommandLine", "Give one of --action, --list-actions, --clear, --settings and --options at a time."));
    return requests.empty() ? CommandLineRequest{} : requests.front();
}

} // namespace nimbrel
