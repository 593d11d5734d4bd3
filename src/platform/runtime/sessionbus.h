// The desktop's session bus: used when there is one, never started for the program when there is none.
#pragma once

namespace platform {

// To be called before the application object exists. With no session bus to be found (no address
// in the environment, no bus socket in the user's runtime folder, no bus launched for this X
// display), it tells the D-Bus library that there is none. Otherwise the first part of Qt that
// asks for the bus (the screen-reader bridge, the global menu) makes the library launch one, and
// that bus outlives the program and writes into the home and runtime folders.
void refuseSessionBusLaunch();

} // namespace platform
