// The peak memory a text action takes on 16 MiB of real Writer RTF and Firefox HTML (each with the
// plain text its copy carries), above what the clipboard holds already: every allocation is
// counted while the action runs, its background work included, up to the write.
//
//   rewrite_memory   prints one line per document: its size, the peak, and the peak per byte

#include "app/app_delegate.h"
#include "platform/memory/memory_application.h"
#include "platform/memory/memory_background_work.h"
#include "platform/memory/memory_image_library.h"
#include "platform/memory/memory_login_item.h"
#include "platform/memory/memory_pasteboard.h"
#include "platform/memory/memory_status_bar.h"
#include "platform/memory/memory_text_translation.h"
#include "platform/memory/memory_timer_scheduler.h"
#include "platform/memory/memory_user_defaults.h"
#include "platform/memory/memory_user_notification_center.h"
#include "platform/pasteboard_types.h"
#include "recorded_documents.h"

#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void *counted(std::size_t size)
{
    void *memory = std::malloc(size == 0 ? 1 : size);
    if (!memory)
        throw std::bad_alloc();
    const std::size_t live = liveBytes += malloc_usable_size(memory);
    for (std::size_t peak = peakBytes; live > peak && !peakBytes.compare_exchange_weak(peak, live);) {
    }
    return memory;
}

void released(void *memory) noexcept
{
    if (!memory)
        return;
    liveBytes -= malloc_usable_size(memory);
    std::free(memory);
}

} // namespace

void *operator new(std::size_t size) { return counted(size); }
void *operator new[](std::size_t size) { return counted(size); }
void operator delete(void *memory) noexcept { released(memory); }
void operator delete[](void *memory) noexcept { released(memory); }
void operator delete(void *memory, std::size_t) noexcept { released(memory); }
void operator delete[](void *memory, std::size_t) noexcept { released(memory); }

namespace {

void measure(nimbrel::RichFormat format, const char *name)
{
    using namespace nimbrel;
    const auto recorded = bench::recordedDocument(format, richDocumentLimit);
    const std::size_t size = recorded.document.size();
    MemoryUserNotificationCenter center;
    MemoryPasteboard pasteboard;
    MemoryStatusBar statusBar;
    MemoryUserDefaults defaults;
    MemoryTimerScheduler timers;
    MemoryImageLibrary images;
    MemoryApplication application;
    MemoryBackgroundWork background;
    MemoryLoginItem loginItem;
    MemoryTextTranslation translation;
    AppDelegate delegate(PlatformServices{center, pasteboard, statusBar, defaults, timers, images, application,
                                          background, loginItem, translation});
    const std::string type(format == RichFormat::html ? PasteboardTypeHTML : PasteboardTypeRTF);
    // Shared, as the desktop's clipboard snapshot shares its texts with whoever reads them.
    auto item = std::make_shared<StringPasteboardItem>();
    item->setStringForType(recorded.document, type);
    item->setStringForType(recorded.plainText, PasteboardTypeString);
    pasteboard.copy({std::move(item)});

    const std::size_t idle = liveBytes;
    peakBytes = idle;
    bool rewritten = false;
    delegate.runTextAction("Uppercase", [&rewritten](bool done) { rewritten = done; });
    background.finishAll();
    const std::size_t peak = peakBytes - idle;
    std::printf("%s: %zu bytes, %s, peak %.1f MB above idle, %.2f bytes per byte\n", name, size,
                rewritten ? "rewritten" : "NOT rewritten", static_cast<double>(peak) / 1e6,
                static_cast<double>(peak) / static_cast<double>(size));
}

} // namespace

int main()
{
    measure(nimbrel::RichFormat::rtf, "LibreOffice Writer RTF");
    measure(nimbrel::RichFormat::html, "Firefox HTML");
    return 0;
}
