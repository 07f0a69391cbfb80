// The shipped book, compiled once per test process, and scratch folders.
#pragma once

#include <string>

#include "lessons/book_compiler.h"

const Book& ShippedBook();
const ContainerSet& ShippedContainers();
// A folder holding the shipped containers (written once per process).
const std::string& ShippedContainerFolder();
// A new empty folder under the system's temporary folder.
std::string MakeScratchFolder();
