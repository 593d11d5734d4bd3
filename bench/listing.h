// Listing a huge directory in the real window, with the navigator shown.
#pragma once

#include <string>

struct Listing
{
    double listedSeconds;   // until the file list shows every name
    double longestStall;    // the longest the event loop stood still meanwhile, in seconds
    double memoryAboveMiB;  // resident memory with the names shown, above that with an empty folder shown
};

// Opens a directory of 100,000 files (made in directory) in the window's directory list, after an
// empty folder beside it.
Listing listHugeDirectory(const std::string &directory);
