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

BackgroundListing::BackgroundListing(std::shared_ptr<DirectoryReader> reader, Listed listed, Failed failed, QObject *parent)
    : QObject(parent)
    , listed(std::move(listed))
    , failed(std::move(failed))
{
    connect(&watcher, &QFutureWatcherBase::finished, this, [this] {
        deleteLater(); // the callback may start another listing, or cancel this one, while it is told
        const QFuture<Outcome> future = watcher.future();
        if (!this->listed || future.resultCount() == 0)
            return; // cancelled
        Outcome outcome = future.result();
        const Listed onListed = std::exchange(this->listed, {});
        const Failed onFailed = std::exchange(this->failed, {});
        if (outcome.failure)
            onFailed(outcome.failure);
        else
            onListed(std::move(*outcome.listing));
    });
    watcher.setFuture(QtConcurrent::run([reader = std::move(reader)](QPromise<Outcome> &promise) {
        Outcome outcome;
        try {
            while (!reader->read(ReadBetweenLooks)) {
                if (promise.isCanceled())
                    return;
            }
            outcome.listing = reader->take();
        } catch (...) { // handed to the list's own thread, which meets it as it meets a failure there
            outcome.failure = std::current_exception();
        }
        promise.addResult(std::move(outcome));
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
    listed = {};
    failed = {};
    watcher.cancel(); // the reading stops at its next look, and its result goes nowhere
    deleteLater();
}

} // namespace platform
