#include "desktop/command_line_main.h"

#include "desktop/bus_client.h"
#include "desktop/bus_service.h"
#include "desktop/command_line.h"
#include "platform/qt/qt_text_translation.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace nimbrel {

namespace {

enum ExitStatus : int {
    Done = 0,
    NotDone = 1,
    NotReached = 2,
    BadCommandLine = 2,
};

using Verb = CommandLineRequest::Verb;

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int failure(int status, const QString &reason)
{
    print(stderr, QStringLiteral("nimbrel: %1\n").arg(reason));
    return status;
}

// RunTextAction answers false both for an unknown title and when there was nothing to rewrite (no
// text, or formatting to remove from plain text); the titles tell the two apart.
int runTextAction(BusClient &client, const QString &title)
{
    const std::optional<bool> rewritten = client.callForAnswer(QStringLiteral("RunTextAction"), {title});
    if (!rewritten)
        return failure(NotReached, client.error());
    if (*rewritten)
        return Done;
    const std::optional<QStringList> titles = client.textActionTitles();
    if (!titles)
        return failure(NotReached, client.error());
    if (!titles->contains(title))
        return failure(NotDone,
                       QCoreApplication::translate("CommandLine", "no text action is titled \"%1\"; the titles are:\n%2")
                           .arg(title, titles->join(QLatin1Char('\n'))));
    return failure(NotDone, QCoreApplication::translate(
                                "CommandLine", "nothing to rewrite: the clipboard holds no text this action applies to"));
}

int listTextActions(BusClient &client)
{
    const std::optional<QStringList> titles = client.textActionTitles();
    if (!titles)
        return failure(NotReached, client.error());
    for (const QString &title : *titles)
        print(stdout, title + QLatin1Char('\n'));
    return Done;
}

int showPasteItemOptions(BusClient &client)
{
    const std::optional<bool> opened = client.callForAnswer(QStringLiteral("ShowPasteItemOptions"));
    if (!opened)
        return failure(NotReached, client.error());
    return *opened ? Done
                   : failure(NotDone,
                             QCoreApplication::translate("CommandLine", "no window opened: the clipboard holds no text"));
}

int callWithoutReply(BusClient &client, const QString &method)
{
    return client.callWithoutReply(method) ? Done : failure(NotReached, client.error());
}

// Another clipboard keeper may put its last entry back: that is a clipboard Nimbrel reached but
// could not leave empty.
int clearClipboard(BusClient &client)
{
    if (client.callWithoutReply(QStringLiteral("ClearClipboard")))
        return Done;
    if (client.errorName() == BusService::contentsPutBackError)
        //: %1 says why: "another program put the clipboard's contents back"
        return failure(NotDone, QCoreApplication::translate("CommandLine", "the clipboard was emptied, but %1")
                                    .arg(client.errorText()));
    return failure(NotReached, client.error());
}

int runClientVerb(const CommandLineRequest &request)
{
    // The bus gets the same time to let the verb in and to say whether Nimbrel runs.
    const auto deadline = std::chrono::steady_clock::now() + BusConnection::sessionBusPatience;
    std::string error;
    const std::unique_ptr<BusConnection> bus = BusConnection::openSessionBus(error);
    if (!bus)
        return failure(NotReached,
                       QCoreApplication::translate("CommandLine", "no session bus: %1").arg(QString::fromStdString(error)));
    BusClient client(*bus);
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (!client.instanceRunning(std::max(left, std::chrono::milliseconds(1))))
        return failure(NotReached, client.error());
    switch (request.verb) {
    case Verb::RunTextAction:
        return runTextAction(client, request.actionTitle);
    case Verb::ListTextActions:
        return listTextActions(client);
    case Verb::ClearClipboard:
        return clearClipboard(client);
    case Verb::ShowSettings:
        return callWithoutReply(client, QStringLiteral("ShowSettings"));
    case Verb::ShowPasteItemOptions:
    default: // Only the client verbs come here.
        return showPasteItemOptions(client);
    }
}

} // namespace

std::optional<int> runCommandLine(int argc, char **argv, QtTextTranslation &translation)
{
    // A core application of its own: nothing here may need a display. QApplication gets the
    // untouched arguments afterwards.
    int coreArgc = argc;
    const QCoreApplication application(coreArgc, argv);
    translation.install();
    QCoreApplication::setApplicationName(QStringLiteral("Nimbrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NIMBREL_VERSION));

    const CommandLineRequest request = parseCommandLine(QCoreApplication::arguments());
    switch (request.verb) {
    case Verb::Start:
        return std::nullopt;
    case Verb::PrintHelp:
    case Verb::PrintVersion:
        print(stdout, request.message.trimmed() + QLatin1Char('\n'));
        return Done;
    case Verb::Invalid:
        return failure(BadCommandLine,
                       QCoreApplication::translate("CommandLine", "%1 See nimbrel --help.").arg(request.message));
    default:
        return runClientVerb(request);
    }
}

} // namespace nimbrel
