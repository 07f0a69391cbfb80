// Memory that the program cannot do without: when it runs out, the program
// ends, keeping what the reader chose.
#pragma once

#include <cstddef>

// What happens when memory runs out. The program's handler says "There is
// not enough memory, aborting", writes the settings, releases the reading
// pane and posts the quit message; until one is set, nothing happens.
using OutOfMemoryHandler = void (*)();
void SetOutOfMemoryHandler(OutOfMemoryHandler handler);

// A new block of `byteCount` bytes, released by the caller with free(). When
// memory runs out the handler runs and the result is null; the caller
// abandons its operation.
void* AllocOrQuit(size_t byteCount);
