// A file manager's preview of a screen file: the finished picture at the size asked for.
#pragma once

#include <QImage>

#include <string>

// Draws the screen file at path with the viewer's own renderer, without pauses, and sizes it for
// a preview of size × size: for 256 and more enlarged by the largest whole factor that fits,
// every pixel a square block; below, reduced smoothly by averaging. Throws RunTimeError when the
// file cannot be opened or read.
QImage screenThumbnail(const std::string &path, int size);
