// Memory that ends the program when it runs out.
#include "platform/alloc_or_quit.h"

#include <cstdlib>

namespace {

OutOfMemoryHandler g_handler = nullptr;

}  // namespace

void SetOutOfMemoryHandler(OutOfMemoryHandler handler) { g_handler = handler; }

void* AllocOrQuit(size_t byteCount) {
    void* block = malloc(byteCount != 0 ? byteCount : 1);
    if (block == nullptr && g_handler != nullptr) g_handler();
    return block;
}
