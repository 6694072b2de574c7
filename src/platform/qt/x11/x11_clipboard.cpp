#include "platform/qt/x11/x11_clipboard.h"

#include "platform/qt/x11/clipboard_watcher.h"
#include "platform/qt/x11/selection_writer.h"

#include <QCoreApplication>

namespace nimbrel {

X11Clipboard::X11Clipboard(ReadLimits limits)
    : m_limits(limits)
{
}

X11Clipboard::~X11Clipboard() = default;

bool X11Clipboard::start(ChangeHandler handler)
{
    m_writer = std::make_unique<SelectionWriter>();
    if (!m_writer->open())
        return false;
    SelectionWriter *writer = m_writer.get();
    m_watcher = std::make_unique<ClipboardWatcher>(
        m_limits, m_keeping, [writer](xcb_window_t window) { return window == writer->window(); },
        // A save that a clipboard manager was asked for waits for the read to end.
        [writer, handler = std::move(handler)](Change change) {
            handler(std::move(change));
            writer->settleSaves();
        },
        // Qt ends the program itself when its own connection to the same display breaks; this is
        // for the desktops where Qt does not talk X11 at all.
        [] { QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::exit(1); }); },
        [writer](std::shared_ptr<const ClipboardOffer> kept) { return writer->takeOver(std::move(kept)); });
    const ClipboardWatcher *watcher = m_watcher.get();
    m_writer->setKeptState([watcher](xcb_window_t owner) { return watcher->keptState(owner); });
    m_writer->manage(m_keeping.load());
    return m_watcher->started();
}

void X11Clipboard::setKeeping(bool keeping)
{
    if (m_keeping.exchange(keeping) == keeping)
        return;
    if (m_watcher && !keeping)
        m_watcher->forgetKept();
    if (m_writer && m_watcher)
        m_writer->manage(keeping);
}

std::uint64_t X11Clipboard::latestGeneration() const
{
    return m_watcher ? m_watcher->latest().generation : 0;
}

bool X11Clipboard::write(std::shared_ptr<const ClipboardOffer> offer, std::uint64_t basis)
{
    if (!m_watcher || !m_writer)
        return false;
    const ClipboardWatcher::Latest latest = m_watcher->latest();
    if (latest.generation != basis)
        return false;
    // The X server refuses the take when the clipboard changed after the contents replaced, even
    // if the watcher has not heard of that change yet.
    return m_writer->take(std::move(offer), latest.time);
}

bool X11Clipboard::connected() const
{
    return m_writer && m_writer->connected();
}

void X11Clipboard::clear()
{
    if (m_watcher)
        m_watcher->forgetKept();
    if (m_writer)
        m_writer->clear();
}

void X11Clipboard::handOver(std::chrono::milliseconds patience)
{
    if (m_writer)
        m_writer->handOver(patience);
}

} // namespace nimbrel
