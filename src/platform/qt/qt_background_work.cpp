#include "platform/qt/qt_background_work.h"

#include <pthread.h>

namespace nimbrel {

QtBackgroundWork::QtBackgroundWork(QObject *parent)
    : QObject(parent)
{
}

QtBackgroundWork::~QtBackgroundWork()
{
    stopAll();
}

void QtBackgroundWork::start(Work work)
{
    const std::uint64_t id = m_nextWork++;
    m_threads.emplace(id, std::jthread([this, id, work = std::move(work)](std::stop_token stop) {
        // Named, so that a look at the process shows work under way.
        pthread_setname_np(pthread_self(), "nimbrel work");
        Completion completion = work(stop);
        if (stop.stop_requested())
            return;
        // Posted from this thread, run on the main thread: a work stopped meanwhile is no longer
        // listed there, and its completion is dropped.
        QMetaObject::invokeMethod(
            this,
            [this, id, completion = std::move(completion)] {
                const auto found = m_threads.find(id);
                if (found == m_threads.end())
                    return;
                m_threads.erase(found);
                if (completion)
                    completion();
            },
            Qt::QueuedConnection);
    }));
}

void QtBackgroundWork::stopAll()
{
    for (auto &[id, thread] : m_threads)
        thread.request_stop();
    // The threads look at their stop request often, so joining them takes moments.
    m_threads.clear();
}

} // namespace nimbrel
