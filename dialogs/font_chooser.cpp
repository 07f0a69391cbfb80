// The font chooser's portable parts.
#include "dialogs/font_chooser.h"

#include <cstdlib>

namespace {

const int32_t kStandardFontSizes[kStandardFontSizeCount] = {10, 11, 12, 14, 16, 18, 20,
                                                            22, 24, 26, 28, 32, 52, 72};

// Upper-case Latin letters, plain and accented, as their lower-case forms;
// face names are compared this way.
char16_t FoldCase(char16_t unit) {
    const bool upper = (unit >= u'A' && unit <= u'Z') || (unit >= 0xC0 && unit <= 0xDE && unit != 0xD7);
    return upper ? static_cast<char16_t>(unit + 0x20) : unit;
}

bool SameText(const char16_t* a, const char16_t* b) {
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

bool Listed(const FaceList* list, const char16_t* face) {
    for (const FaceNode* node = list->first; node != nullptr; node = node->next) {
        if (SameText(node->name, face)) return true;
    }
    return false;
}

// The next unused node of the last block, or the first of a new block; null
// when no block can be had.
FaceNode* NextNode(FaceList* list) {
    if (list->unusedNodes > 0) {
        --list->unusedNodes;
        return list->last + 1;
    }
    void* (*allocate)(size_t, size_t) = list->allocate != nullptr ? list->allocate : calloc;
    auto* node = static_cast<FaceNode*>(allocate(kFaceNodesPerBlock, sizeof(FaceNode)));
    if (node == nullptr) return nullptr;
    node->startsBlock = true;
    list->unusedNodes = kFaceNodesPerBlock - 1;
    return node;
}

}  // namespace

bool AppendFace(FaceList* list, const char16_t* name) {
    char16_t face[kFontNameUnits];
    int length = 0;
    for (; length < kFontNameUnits - 1 && name[length] != 0; ++length) face[length] = name[length];
    face[length] = 0;
    if (Listed(list, face)) return true;
    FaceNode* node = NextNode(list);
    if (node == nullptr) return false;
    for (int i = 0; i <= length; ++i) node->name[i] = face[i];
    if (list->last != nullptr) {
        list->last->next = node;
    } else {
        list->first = node;
    }
    list->last = node;
    return true;
}

void FreeFaceList(FaceList* list) {
    FaceNode* node = list->first;
    while (node != nullptr) {
        FaceNode* block = node;
        do {
            node = node->next;
        } while (node != nullptr && !node->startsBlock);
        free(block);
    }
    *list = FaceList{nullptr, nullptr, 0, list->allocate};
}

bool FaceBeginsWith(const char16_t* face, const char16_t* stored) {
    if (stored[0] == 0) return false;
    for (; *stored != 0; ++face, ++stored) {
        if (*face == 0 || FoldCase(*face) != FoldCase(*stored)) return false;
    }
    return true;
}

FontSizeChoices ListFontSizes(int32_t storedSize) {
    FontSizeChoices choices{};
    choices.selected = -1;
    const int32_t largest = kStandardFontSizes[kStandardFontSizeCount - 1];
    bool placed = storedSize <= 0 || storedSize >= largest;
    for (int32_t size : kStandardFontSizes) {
        if (!placed && storedSize < size) {
            choices.sizes[choices.count++] = storedSize;
            placed = true;
        }
        if (size == storedSize) placed = true;
        choices.sizes[choices.count++] = size;
    }
    for (int i = 0; i < choices.count && storedSize != 0; ++i) {
        if (choices.sizes[i] == storedSize) choices.selected = i;
    }
    return choices;
}

int32_t ZoomedFontSize(int32_t size, int step, int32_t defaultPoints) {
    const int32_t from = size != 0 ? size : defaultPoints;
    if (step > 0) {
        for (int32_t listed : kStandardFontSizes) {
            if (listed > from) return listed;
        }
    } else if (step < 0) {
        for (int i = kStandardFontSizeCount - 1; i >= 0; --i) {
            if (kStandardFontSizes[i] < from) return kStandardFontSizes[i];
        }
    }
    return size;
}

void FormatFontSize(int32_t size, char16_t text[kFontSizeTextUnits]) {
    char16_t digits[kFontSizeTextUnits];
    int count = 0;
    uint32_t rest = static_cast<uint32_t>(size);
    do {
        digits[count++] = static_cast<char16_t>(u'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    int at = 0;
    while (count > 0) text[at++] = digits[--count];
    text[at] = 0;
}

int32_t ParseFontSize(const char16_t* text) {
    uint32_t value = 0;
    for (; *text >= u'0' && *text <= u'9'; ++text) value = value * 10 + (*text - u'0');
    return static_cast<int32_t>(value);
}

void FillFontSample(FontSettings* settings, char16_t sample[kFontSampleUnits + 1]) {
    if (settings->FontAsciiBase == 0) settings->FontAsciiBase = kDefaultFontAsciiBase;
    for (int i = 0; i < kFontSampleUnits; ++i) {
        sample[i] = static_cast<char16_t>(settings->FontAsciiBase + i);
    }
    sample[kFontSampleUnits] = 0;
}

void CommitFontChoice(FontSettings* settings, const char16_t* face, int32_t size) {
    if (size != 0) settings->FontSize = size;
    if (face[0] == 0) return;
    int i = 0;
    for (; i < kFontNameUnits - 1 && face[i] != 0; ++i) settings->FontName[i] = face[i];
    settings->FontName[i] = 0;
}
