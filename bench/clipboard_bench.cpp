// The clipboard reader's costs: parsing a file manager's list of 100,000 files, turning 50 MB of
// owner bytes into a snapshot, and the whole read of 50 MB of text another application copied
// (that one needs an X server: run it under xvfb-run, with xclip installed).

#include "platform/pasteboard_types.h"
#include "platform/qt/file_list_parsing.h"
#include "platform/qt/qt_pasteboard.h"
#include "platform/qt/snapshot_building.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QThread>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

namespace {

constexpr std::size_t fiftyMegabytes = 50'000'000;

std::string uriList(int count)
{
    std::string list;
    for (int i = 0; i < count; ++i)
        list += "file:///home/user/Pictures/Holiday%202024/IMG_" + std::to_string(i) + ".jpg\r\n";
    return list;
}

void parseHundredThousandUris(benchmark::State &state)
{
    const std::string list = uriList(100'000);
    for (auto _ : state)
        benchmark::DoNotOptimize(nimbrel::parseUriList(list));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * list.size()));
}
BENCHMARK(parseHundredThousandUris)->Unit(benchmark::kMillisecond);

void snapshotOfFiftyMegabytesOfAscii(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        nimbrel::OwnerContents contents;
        contents.targets = {"TARGETS", "UTF8_STRING", "text/plain"};
        contents.data.emplace("UTF8_STRING", std::string(fiftyMegabytes, 'a'));
        state.ResumeTiming();
        benchmark::DoNotOptimize(nimbrel::snapshotOfOwner(std::move(contents)));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fiftyMegabytes));
}
BENCHMARK(snapshotOfFiftyMegabytesOfAscii)->Unit(benchmark::kMillisecond);

// From the moment xclip owns the clipboard until the new snapshot is on the GUI thread.
void readFiftyMegabytesFromAnotherApplication(benchmark::State &state)
{
    if (!qGuiApp) {
        state.SkipWithError("needs an X display");
        return;
    }
    nimbrel::QtPasteboard pasteboard(nimbrel::makeClipboardBackend({}).backend);
    const QByteArray text(fiftyMegabytes, 'b');
    for (auto _ : state) {
        const std::int64_t before = pasteboard.changeCount();
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", "UTF8_STRING", "-i"});
        xclip.write(text);
        xclip.closeWriteChannel();
        xclip.waitForFinished(60'000);
        QElapsedTimer timer;
        timer.start();
        while (pasteboard.changeCount() == before && timer.elapsed() < 30'000) {
            QCoreApplication::processEvents();
            QThread::usleep(200);
        }
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        const auto items = pasteboard.pasteboardItems();
        if (items.empty() || items.front()->stringForType(nimbrel::PasteboardTypeString)->str().size() != fiftyMegabytes)
            state.SkipWithError("the text did not arrive whole");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fiftyMegabytes));
}
BENCHMARK(readFiftyMegabytesFromAnotherApplication)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    std::unique_ptr<QGuiApplication> application;
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
