// varidel-book: the host tool for the book of lessons and its calendar.
#include <cstdio>
#include <cstring>

#include "tools/book_commands.h"
#include "tools/book_tool.h"

namespace {

constexpr BookCommand kCommands[] = {
    {"dates", "FROM TO",
     "one line per civil day FROM..TO (YYYY-MM-DD): date, day number, Hebrew date, lesson key, caption",
     RunDates},
    {"build", "SRC_DIR OUT_DIR", "compile the book sources into OUT_DIR/1001.bin .. 1014.bin", RunBuild},
    {"verify", "DIR", "check every rule of the fourteen containers in DIR; exit 1 with the problems", RunVerify},
    {"dump", "DIR [KEY]", "the book (or one lesson) in DIR back as source text", RunDump},
    {"text", "KEY DIR", "one lesson as plain text (CR LF, UTF-8), as the clipboard gets it", RunText},
    {"show", "[YYYY-MM-DD] [DIR]", "the caption and lesson of a civil date (default today) for a terminal",
     RunShow},
    {"stats", "DIR", "sizes per container and the compression against a greedy parse", RunStats},
};

void PrintHelp() {
    std::printf("usage: varidel-book COMMAND [ARGS...]\n\ncommands:\n");
    for (const BookCommand& command : kCommands) {
        std::printf("  %s %s\n      %s\n", command.name, command.usage, command.summary);
    }
    std::printf("\n  --help      this text\n  --version   the program version\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "varidel-book: missing command (try --help)\n");
        return kExitUsage;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintHelp();
        return kExitOk;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("varidel-book " VARIDEL_VERSION_TEXT "\n");
        return kExitOk;
    }
    for (const BookCommand& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0) return command.run(argc - 2, argv + 2);
    }
    std::fprintf(stderr, "varidel-book: unknown command '%s' (try --help)\n", argv[1]);
    return kExitUsage;
}
