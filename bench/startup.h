// Start-up of a program under the X server: time to its first painted frame and its peak memory.
#pragma once

#include <string>

struct StartUp
{
    double firstFrameSeconds = 0;
    double peakMemoryKiB = 0;
};

// Starts program in directory, waits until the screen at (x, y) shows light grey (220, 220, 220),
// reads the program's peak resident memory after it has settled, and ends it. The screen must
// not show that grey there before.
StartUp measureStartUp(const std::string &program, const std::string &directory, int x, int y);
