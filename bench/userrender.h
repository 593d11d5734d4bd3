// A render as a user gets it: the real program started under the X server, a file chosen with a
// key, timed from the program's open of the file to its close, with nothing traced.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Starts program in directory (which holds a.scr and b.scr) at the desktop scale given, chooses
// a.scr with Down, then goes back and forth with Right and Left; returns the renders' ratios to
// floor(), which is measured before each render while the program waits.
std::vector<double> userRenderRatios(const std::string &program, const std::string &directory, const char *scale, int renders,
                                     const std::function<double()> &floor);
