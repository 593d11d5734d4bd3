// The background listing: a worker that looks between steps whether it is still wanted.
#include "platform/filesystem/backgroundlisting.h"

#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace platform {

namespace {

// How many entries the reading reads between looks at whether it is still wanted.
constexpr qsizetype ReadBetweenLooks = 4096;

} // namespace

BackgroundListing::BackgroundListing(std::shared_ptr<DirectoryReader> reader, Done done, QObject *parent)
    : QObject(parent)
    , done(std::move(done))
{
    connect(&watcher, &QFutureWatcherBase::finished, this, [this] {
        deleteLater(); // done may start another listing, or cancel this one, while it is told
        const QFuture<DirectoryListing> future = watcher.future();
        if (this->done)
            std::exchange(this->done, Done {})(future.resultCount() > 0 ? std::optional(future.result()) : std::nullopt);
    });
    watcher.setFuture(QtConcurrent::run([reader = std::move(reader)](QPromise<DirectoryListing> &promise) {
        try {
            while (!reader->read(ReadBetweenLooks)) {
                if (promise.isCanceled())
                    return;
            }
            promise.addResult(reader->take());
        } catch (...) { // a read that fails, or memory that runs out, on the way: no listing
        }
    }));
}

void BackgroundListing::stop(QPointer<BackgroundListing> &reading)
{
    if (reading)
        reading->cancel();
    reading = nullptr;
}

void BackgroundListing::cancel()
{
    done = {};
    watcher.cancel(); // the reading stops at its next look, and its result goes nowhere
    deleteLater();
}

} // namespace platform
