// The loader's platform services in the native build: containers are files
// NNNN.bin in a folder, and messages are kept for the caller to look at.
#pragma once

#include <string>

// Makes the loader read containers from `folder` (forgetting those read
// before).
void SetLessonContainerFolder(const std::string& folder);

// Messages the loader has shown since the last call, one per line; clears them.
std::string TakeLessonDataMessages();
