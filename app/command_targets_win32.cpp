// Stand-ins for the operations of the subsystems that are not built yet:
// until then their menu items, accelerators and toolbar buttons do nothing.
// A subsystem that provides the real operation deletes its stand-in here in
// the same change; both in the library would leave the choice to the linker.
#include "app/command_targets_win32.h"

void PrintLesson(TextView*) {}
