// The font chooser's portable parts: the faces the system offers, collected
// in blocks of nodes; the face a stored name selects; the sizes offered, with
// a stored size that is not among them; the sample text; and what OK keeps.
#pragma once

#include <cstddef>
#include <cstdint>

#include "view/font_settings.h"

// The faces, in the order the system gave them: a singly linked list whose
// nodes come kFaceNodesPerBlock at a time in one zeroed block. The first node
// of each block is marked, so that freeing releases every block once.
constexpr int kFaceNodesPerBlock = 25;

struct FaceNode {
    FaceNode* next;
    char16_t name[kFontNameUnits];
    bool startsBlock;
};

struct FaceList {
    FaceNode* first;
    FaceNode* last;
    int unusedNodes;  // nodes of the last block after `last`
    // Takes a zeroed block as calloc does; null means calloc (tests give
    // one that runs out).
    void* (*allocate)(size_t count, size_t size);
};

// Appends a face (cut to kFontNameUnits - 1 units) unless the list holds it
// already: the system may offer a face once for each of its character sets.
// False when its node needed a new block that could not be had; the list is
// then unchanged.
bool AppendFace(FaceList* list, const char16_t* name);

// Releases every block and empties the list; `allocate` is kept.
void FreeFaceList(FaceList* list);

// Whether the face `face` begins with the stored face name `stored`, letters
// compared without regard to case; never for an empty name (no face was
// chosen yet). The first face of the sorted list that does is selected.
bool FaceBeginsWith(const char16_t* face, const char16_t* stored);

// The sizes offered: the standard ones, and a stored size below the largest
// that is not one of them in its ascending place; `selected` is the index of
// the stored size, -1 when it is 0 or not listed.
constexpr int kStandardFontSizeCount = 14;
struct FontSizeChoices {
    int32_t sizes[kStandardFontSizeCount + 1];
    int count;
    int selected;
};
FontSizeChoices ListFontSizes(int32_t storedSize);

// The size one zoom step (+1 larger, -1 smaller) takes the reading size to:
// the next standard size in that direction; from 0, the default, which reads
// at about `defaultPoints`, the standard size nearest that in the step's
// direction. `size` itself where the list ends (at 72 and at 10).
int32_t ZoomedFontSize(int32_t size, int step, int32_t defaultPoints);

// A size (above 0) as the size list shows it, in decimal; and back, digits
// up to the first other unit (0 for none).
constexpr int kFontSizeTextUnits = 12;
void FormatFontSize(int32_t size, char16_t text[kFontSizeTextUnits]);
int32_t ParseFontSize(const char16_t* text);

// The sample: kFontSampleUnits consecutive characters from FontAsciiBase and
// a zero unit. A base of 0 becomes the default (the letters a to z) in the
// settings too.
constexpr int kFontSampleUnits = 26;
void FillFontSample(FontSettings* settings, char16_t sample[kFontSampleUnits + 1]);

// OK: a size that is not 0 and a face that is not empty replace the stored
// ones; what was never chosen stays as it was.
void CommitFontChoice(FontSettings* settings, const char16_t* face, int32_t size);
