// The book compiler: from a book's lesson texts to the fourteen containers
// (container 1014 joined from Adar I and Adar II), and back again.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "lessons/book_source.h"
#include "lessons/lesson_key.h"

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

// The container of `texts` (one lesson text per day), each compressed with
// CompressLesson. Returns 0, or a ContainerError below; `*failedIndex` gets
// the record at fault for the per-record errors.
constexpr int kContainerTextTooLong = 1;        // a text over 65,535 bytes
constexpr int kContainerTextEmpty = 2;          // a text of no bytes
constexpr int kContainerRecordTooLong = 3;      // compressed over 65,535 bytes
constexpr int kContainerBodyTooLong = 4;        // body over 65,535 bytes
int BuildLessonContainer(const std::vector<std::vector<uint8_t>>& texts,
                         std::vector<uint8_t>* container, size_t* failedIndex);

// Joins stored lesson texts, each ending in four zero bytes, into the text of
// one record: of every text but the last the final three bytes become a
// full-width centred rule with a blank line after it (0xC7 0xD2 0x00).
std::vector<uint8_t> JoinLessonTexts(const std::vector<const std::vector<uint8_t>*>& texts);

// The entries of lesson months 12 (Adar I) and 13 (Adar II) that record
// `day` (1..29) of month 14 joins, as (lesson month, day) pairs in order.
std::vector<LessonKey> CommonAdarParts(int day);
