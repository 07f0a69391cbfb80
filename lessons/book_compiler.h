// The book compiler: from a book's lesson texts to the fourteen containers
// (container 1014 joined from Adar I and Adar II), and back again.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "lessons/book_source.h"

using ContainerSet = std::array<std::vector<uint8_t>, 14>;  // index id - 1001
using BookTexts = std::array<std::vector<std::vector<uint8_t>>, 14>;  // [month - 1][day - 1]

// Compiles a complete book. Returns false, with "FILE:LINE: message"
// problems appended, when any text or container body does not fit.
bool CompileBook(const Book& book, ContainerSet* containers, std::vector<std::string>* problems);

// The joined texts of the common-year Adar from the entries of Adar I and II.
std::vector<std::vector<uint8_t>> CommonAdarTexts(const std::vector<std::vector<uint8_t>>& adar1,
                                                  const std::vector<std::vector<uint8_t>>& adar2);

// Decodes every record of every container. Returns false, with one problem
// per record or container that cannot be read, when any fails.
bool DecodeContainerSet(const ContainerSet& containers, BookTexts* texts,
                        std::vector<std::string>* problems);

// Checks every rule of the container format and of the book's layout: sizes,
// header fields, record counts, end markers and padding, records that
// decompress to exactly U bytes from exactly C bytes, texts that begin with a
// rule or a paragraph with text and end in an end marker and two zero bytes,
// and the joins of container 1014. Problems are appended; true when there
// are none.
bool VerifyContainerSet(const ContainerSet& containers, std::vector<std::string>* problems);
