// Listing a huge directory in the real window, with the navigator shown.
#pragma once

#include <string>
#include <utility>

// Opens a directory of 100,000 files (made in directory) in the window's directory list; returns
// the time until the file list shows them all, and the longest the event loop stood still.
std::pair<double, double> listHugeDirectory(const std::string &directory);
