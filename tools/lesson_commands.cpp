// varidel-book text / show: one lesson as plain text.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "calendar/date_caption.h"
#include "calendar/iso_date.h"
#include "lessons/book_files.h"
#include "lessons/clipboard_text.h"
#include "lessons/core_message.h"
#include "lessons/lesson_container.h"
#include "lessons/lesson_text.h"
#include "lessons/lesson_utf8.h"
#include "tools/book_commands.h"
#include "tools/book_tool.h"
#include "tools/lesson_keys_argument.h"
#include "tools/terminal_text.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kTerminalColumns = 78;

// The text of `key` from `containers`, or a message on stderr.
bool LessonFromSet(const char* command, const ContainerSet& containers, LessonKey key, std::vector<uint8_t>* text) {
    const int k = int(key) - 1;
    const int container = ((k >> 8) & 0xFF) - 1;  // container id 1000 + lesson month
    LessonRecord record;
    char* decoded = nullptr;
    int code = kLessonNoRecord;
    if (k >= 0 && container >= 0 && size_t(container) < containers.size()) {
        const std::vector<uint8_t>& c = containers[size_t(container)];
        code = FindLessonRecord(c.data(), c.size(), k & 0xFF, &record);
        if (code == 0) code = DecodeLessonRecord(record, &decoded);
    }
    if (code != 0) {
        std::fprintf(stderr, "varidel-book %s: no lesson for key 0x%04X (%s)\n", command, unsigned(key),
                     code == kLessonDamaged ? "UnCompress() buffer error!" : "no such record");
        return false;
    }
    // The whole loaded buffer, as the reader's own copy command walks it.
    text->assign(decoded, decoded + record.textLength + kLessonTextZeros);
    std::free(decoded);
    return true;
}

bool LoadSet(const char* command, const std::string& folder, ContainerSet* containers) {
    std::vector<std::string> problems;
    if (LoadContainersFrom(folder, containers, &problems)) return true;
    for (const std::string& problem : problems) std::fprintf(stderr, "%s\n", problem.c_str());
    std::fprintf(stderr, "varidel-book %s: cannot load the book from %s\n", command, folder.c_str());
    return false;
}

// The text that Copy puts on the clipboard, as UTF-8; false when the lesson
// does not fit the buffer the reader sizes for it.
bool ClipboardTextAsUtf8(const std::vector<uint8_t>& text, std::string* out) {
    const char* lesson = reinterpret_cast<const char*>(text.data());
    std::vector<char16_t> units(ClipboardTextSize(lesson) / 2);
    if (LessonToClipboardText(lesson, units.data(), units.size() * 2) != 0) return false;
    for (size_t i = 0; units[i] != 0; ++i) {
        const uint8_t byte = static_cast<uint8_t>(units[i]);
        AppendLatin1AsUtf8(out, &byte, 1);
    }
    return true;
}

void WriteBinary(const std::string& bytes) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

// Where `show` finds the book without a DIR: $VARIDEL_BOOK, else the book
// sources beside the build folder the tool was built in, else ./resources/book.
std::string DefaultBookFolder() {
    if (const char* env = std::getenv("VARIDEL_BOOK")) return env;
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::canonical("/proc/self/exe", ec);
    if (!ec) {
        for (std::filesystem::path dir = exe.parent_path(); !dir.empty() && dir != dir.root_path();
             dir = dir.parent_path()) {
            const std::filesystem::path book = dir / "resources" / "book";
            if (std::filesystem::exists(book / "01-nisan.txt", ec)) return book.string();
        }
    }
    return "resources/book";
}

}  // namespace

int RunText(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "varidel-book text: expected KEY DIR\n");
        return kExitUsage;
    }
    LessonKey key = 0;
    if (!ParseLessonKeyArgument("text", argv[0], &key)) return kExitUsage;
    ContainerSet containers;
    std::vector<uint8_t> text;
    if (!LoadSet("text", argv[1], &containers) || !LessonFromSet("text", containers, key, &text))
        return kExitFailed;
    std::string out;
    if (!ClipboardTextAsUtf8(text, &out)) {
        std::fprintf(stderr, "varidel-book text: %s", TakeCoreMessages().c_str());
        return kExitFailed;
    }
    WriteBinary(out);
    return kExitOk;
}

int RunShow(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "varidel-book show: expected [YYYY-MM-DD] [DIR]\n");
        return kExitUsage;
    }
    GregorianDate date = TodayGregorian();
    if (argc >= 1 && !ParseIsoDate(argv[0], &date)) {
        std::fprintf(stderr, "varidel-book show: '%s' is not a date YYYY-MM-DD in years 0001..9999\n", argv[0]);
        return kExitUsage;
    }
    const HebrewDate hebrew = HebrewFromAbsolute(AbsoluteFromGregorian(date));
    char caption[kCaptionFieldSize] = "";
    FormatHebrewDateCaption(hebrew, caption);
    const LessonKey key = LessonKeyForDate(hebrew);
    ContainerSet containers;
    std::vector<uint8_t> text;
    if (!LoadSet("show", argc == 2 ? argv[1] : DefaultBookFolder(), &containers) ||
        !LessonFromSet("show", containers, key, &text))
        return kExitFailed;
    std::string out = FormatIsoDate(date) + "  " + caption + "  (lesson 0x";
    char hex[8];
    std::snprintf(hex, sizeof hex, "%04X", unsigned(key));
    out += std::string(hex) + ")\n" + std::string(kTerminalColumns, '=') + "\n";
    out += LessonTerminalText(text.data(), text.size(), kTerminalColumns);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}
