// Previews of screen files in KDE's file manager on KDE Frameworks 5, which loads plugins, not programs.
#pragma once

#include <KIO/ThumbnailCreator>

// KIO's thumbnail worker asks it for a preview of one screen file at a time: the preview core
// draws it with the viewer's renderer, and its pixels become the QImage KIO takes.
class ScreenThumbnailCreator final : public KIO::ThumbnailCreator
{
    Q_OBJECT
public:
    ScreenThumbnailCreator(QObject *parent, const QVariantList &args);

    KIO::ThumbnailResult create(const KIO::ThumbnailRequest &request) override;
};
