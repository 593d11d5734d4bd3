// The rest of a large directory read on Qt's thread pool, its listing handed back on the thread
// that asked, so that a window keeps answering while 100,000 names are read and sorted.
#pragma once

#include "platform/filesystem/directoryreader.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

namespace platform {

class BackgroundListing : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(std::optional<DirectoryListing> listing)>;

    // A directory of up to this many entries is read at once; of a larger one the rest is read in
    // the background, so that the window keeps answering while 100,000 names are read and sorted.
    static constexpr qsizetype ListedAtOnce = 4096;

    // Reads the rest of reader's directory; then, on parent's thread, calls done with the whole
    // listing, or with none when the reading failed on the way. The object then deletes itself.
    BackgroundListing(std::shared_ptr<DirectoryReader> reader, Done done, QObject *parent);

    // The listing is no longer wanted: done is never called, the reading stops at its next look,
    // and the object deletes itself.
    void cancel();
    // Cancels reading if it still runs, and forgets it.
    static void stop(QPointer<BackgroundListing> &reading);

private:
    QFutureWatcher<DirectoryListing> watcher;
    Done done;
};

} // namespace platform
