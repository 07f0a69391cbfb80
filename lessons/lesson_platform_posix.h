// The loader's containers in the native build: files NNNN.bin in a folder.
#pragma once

#include <string>

// Makes the loader read containers from `folder` (forgetting those read
// before).
void SetLessonContainerFolder(const std::string& folder);
