// Marks the run time's texts that the viewer shows in the session's language.
#pragma once

// The text itself, unchanged: the run time stays free of Qt, and the preview program prints its
// texts in English. The viewer looks each one up in its translations under the context given, and
// the translation tools find them by this name (see src/CMakeLists.txt).
#define TRANSLATABLE(context, text) text
