// The rest of a large directory read on Qt's thread pool, its listing handed back on the thread
// that asked, so that a window keeps answering while 100,000 names are read and sorted.
#pragma once

#include "platform/filesystem/directoryreader.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>

#include <exception>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

class BackgroundListing : public QObject
{
    Q_OBJECT

public:
    using Listed = std::function<void(DirectoryListing listing)>;
    using Failed = std::function<void(std::exception_ptr failure)>;

    // A directory of up to this many entries is read at once; of a larger one the rest is read in
    // the background, so that the window keeps answering while 100,000 names are read and sorted.
    static constexpr qsizetype ListedAtOnce = 4096;

    // Reads the rest of reader's directory; then, on parent's thread, calls listed with the whole
    // listing, or failed with what the reading threw on the way (a RunTimeError when the
    // directory failed, anything else a fault). The object then deletes itself.
    BackgroundListing(std::shared_ptr<DirectoryReader> reader, Listed listed, Failed failed, QObject *parent);

    // The listing is no longer wanted: neither is called, the reading stops at its next look, and
    // the object deletes itself.
    void cancel();
    // Cancels reading if it still runs, and forgets it.
    static void stop(QPointer<BackgroundListing> &reading);

private:
    // What the reading gives: the listing, or what it threw.
    struct Outcome
    {
        std::optional<DirectoryListing> listing;
        std::exception_ptr failure;
    };

    QFutureWatcher<Outcome> watcher;
    Listed listed;
    Failed failed;
};

} // namespace platform
