// The book's source: UTF-8 text a person edits, compiled to lesson texts.
//
//   # a comment (a '#' in the first column)
//   @month 7 Tishrei       starts lesson month 7 (the name is for the reader)
//   @day 1                 starts the entry of day 1
//   date 1 Tishrei         a paragraph: its kind, one space, its body
//   7F/AC                  any other style/indent pair, in hex
//
// Bodies are taken verbatim after the single space (so a body may begin with
// spaces); "\\" stands for a backslash and "\xHH" for byte HH. Every
// character must be Latin-1; it becomes the byte of the same value. Blank
// lines are ignored. resources/book/README.md is the full description.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kLessonMonths = 13;  // lesson months with their own source

struct BookEntry {
    int line = 0;               // line of its @day; 0 = not given
    std::vector<uint8_t> text;  // paragraphs, end marker and two zero bytes
};

struct BookMonth {
    std::string file;  // where its @month stands
    int line = 0;      // 0 = not given
    std::vector<BookEntry> days;  // index day - 1
};

struct Book {
    std::array<BookMonth, kLessonMonths> months;  // index lesson month - 1
};

// "FILE:LINE: ", the start of a problem found in a source.
std::string SourcePlace(const std::string& file, int line);

// Adds the months of one source file to `book`. Problems are appended as
// "FILE:LINE: message".
void ParseBookSource(const std::string& file, const std::string& content, Book* book,
                     std::vector<std::string>* problems);

// Problems of a book that has every file read: months or days missing.
void CheckBookComplete(const Book& book, std::vector<std::string>* problems);

// Appends the source of lesson month `lessonMonth` with the entries `texts`
// (index day - 1). Returns false, with a reason in `*error`, for a text the
// source cannot express (one that does not end in its end marker and two
// zero bytes).
bool WriteBookSource(int lessonMonth, const std::vector<std::vector<uint8_t>>& texts,
                     std::string* source, std::string* error);

// Appends the source of one entry: its @day line and its paragraphs.
bool WriteBookEntry(int lessonMonth, int day, const std::vector<uint8_t>& text, std::string* source,
                    std::string* error);
