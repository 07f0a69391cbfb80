// The book on disk: a folder of source files (*.txt), or a folder of the
// fourteen containers 1001.bin .. 1014.bin.
#pragma once

#include <string>
#include <vector>

#include "lessons/book_compiler.h"
#include "lessons/lesson_container.h"

// Reads and checks every *.txt file of `folder` (in name order). True when
// the book is complete and has no problems.
bool ReadBookSources(const std::string& folder, Book* book, std::vector<std::string>* problems);

// Reads the fourteen containers of `folder`; true when all were read.
bool ReadContainerSet(const std::string& folder, ContainerSet* containers, std::vector<std::string>* problems);

// The containers of `folder`: read when it holds 1001.bin, otherwise
// compiled from the sources in it.
bool LoadContainersFrom(const std::string& folder, ContainerSet* containers, std::vector<std::string>* problems);

// Writes all fourteen containers into `folder` (created when missing), each
// first under a temporary name; the set appears only when every file was
// written. False with a reason in `*error` otherwise.
bool WriteContainerSet(const std::string& folder, const ContainerSet& containers, std::string* error);

bool ReadWholeFile(const std::string& path, std::string* content);
