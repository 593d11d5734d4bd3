// The plugin runs inside KIO's worker: a file it cannot draw is a failed preview, never an exception.
#include "kio5/screenthumbnailcreator.h"

#include "preview/preview.h"

#include <KPluginFactory>

#include <QFile>
#include <QImage>
#include <QUrl>

#include <algorithm>
#include <cmath>

K_PLUGIN_CLASS_WITH_JSON(ScreenThumbnailCreator, "tarnvelthumbnail.json")

ScreenThumbnailCreator::ScreenThumbnailCreator(QObject *parent, const QVariantList &args)
    : KIO::ThumbnailCreator(parent, args)
{
}

KIO::ThumbnailResult ScreenThumbnailCreator::create(const KIO::ThumbnailRequest &request)
{
    if (!request.url().isLocalFile())
        return KIO::ThumbnailResult::fail();
    // The size in device pixels, as the preview program is asked for it.
    const QSize target = request.targetSize();
    const int size = std::max(1, int(std::lround(std::min(target.width(), target.height()) * request.devicePixelRatio())));
    try {
        const preview::Image picture = preview::screenPreview(QFile::encodeName(request.url().toLocalFile()).toStdString(), size);
        const QImage wrapped(reinterpret_cast<const uchar *>(picture.pixels.data()), picture.width, picture.height,
                             int(sizeof(std::uint32_t)) * picture.width, QImage::Format_RGB32);
        return KIO::ThumbnailResult::pass(wrapped.copy()); // the pixels outlive the buffer
    } catch (...) {
        return KIO::ThumbnailResult::fail(); // a file that cannot be read, or no memory for it
    }
}

#include "screenthumbnailcreator.moc"
