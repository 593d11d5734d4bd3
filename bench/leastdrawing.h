// The least a window can spend on drawing the bitmap at the render's pace: one event processing and
// (on X11) one one-pixel request to the X server per pixel, or (on Wayland) one block shown through
// a plain widget's paint cycle, with nothing read, decoded or checked.
#pragma once

// Seconds for the bitmap's 49,152 pixels, each a block of block × block device pixels followed by
// event processing and a zero sleep as in the render; runs a plain window of its own.
double leastDrawingSeconds(int block = 1);
