// The renderer for the picture-area and run-time interfaces, compiled once for every user of them.
#include "screen/screenrenderer.h"

namespace screen {

template class BasicScreenRenderer<>;

} // namespace screen
