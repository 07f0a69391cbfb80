// varidel-book build / verify / dump / stats: the book compiler and the
// checks and views of a container set.
#include "tools/book_commands.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "lessons/book_files.h"
#include "lessons/lesson_codec.h"
#include "lessons/lesson_container.h"
#include "lessons/lesson_encoder.h"
#include "lessons/lesson_key.h"
#include "tools/book_tool.h"
#include "tools/lesson_keys_argument.h"

namespace {

void PrintProblems(const char* command, const std::vector<std::string>& problems) {
    for (const std::string& problem : problems) std::fprintf(stderr, "%s\n", problem.c_str());
    std::fprintf(stderr, "varidel-book %s: %zu problem%s\n", command, problems.size(),
                 problems.size() == 1 ? "" : "s");
}

bool ExpectArguments(const char* command, int argc, int least, int most, const char* usage) {
    if (argc >= least && argc <= most) return true;
    std::fprintf(stderr, "varidel-book %s: expected %s\n", command, usage);
    return false;
}

// Loads containers (or compiles sources) from `folder` and decodes them all.
bool LoadTexts(const char* command, const std::string& folder, ContainerSet* containers, BookTexts* texts) {
    std::vector<std::string> problems;
    if (LoadContainersFrom(folder, containers, &problems) && DecodeContainerSet(*containers, texts, &problems))
        return true;
    PrintProblems(command, problems);
    return false;
}

}  // namespace

int RunBuild(int argc, char** argv) {
    if (!ExpectArguments("build", argc, 2, 2, "SRC_DIR OUT_DIR")) return kExitUsage;
    Book book;
    ContainerSet containers;
    std::vector<std::string> problems;
    if (!ReadBookSources(argv[0], &book, &problems) || !CompileBook(book, &containers, &problems)) {
        PrintProblems("build", problems);
        std::fprintf(stderr, "varidel-book build: no container written\n");
        return kExitFailed;
    }
    std::string error;
    if (!WriteContainerSet(argv[1], containers, &error)) {
        std::fprintf(stderr, "varidel-book build: %s\n", error.c_str());
        return kExitFailed;
    }
    return kExitOk;
}

int RunVerify(int argc, char** argv) {
    if (!ExpectArguments("verify", argc, 1, 1, "DIR (holding 1001.bin .. 1014.bin)")) return kExitUsage;
    ContainerSet containers;
    std::vector<std::string> problems;
    ReadContainerSet(argv[0], &containers, &problems);
    if (problems.empty()) VerifyContainerSet(containers, &problems);
    if (!problems.empty()) {
        PrintProblems("verify", problems);
        return kExitFailed;
    }
    size_t records = 0;
    for (int month = 1; month <= kContainerCount; ++month) records += size_t(RecordsInLessonMonth(month));
    std::printf("%s: %d containers, %zu records: no problems\n", argv[0], kContainerCount, records);
    return kExitOk;
}

int RunDump(int argc, char** argv) {
    if (!ExpectArguments("dump", argc, 1, 2, "DIR [KEY]")) return kExitUsage;
    LessonKey key = 0;
    if (argc == 2 && !ParseLessonKeyArgument("dump", argv[1], &key)) return kExitUsage;
    ContainerSet containers;
    BookTexts texts;
    if (!LoadTexts("dump", argv[0], &containers, &texts)) return kExitFailed;
    std::string source = "# The book's source, dumped from " + std::string(argv[0]) + " by varidel-book.\n";
    std::string error;
    bool ok = true;
    if (argc == 2) {
        const size_t month = size_t(LessonMonth(key)), day = size_t(LessonDay(key));
        if (month < 1 || month > texts.size() || day < 1 || day > texts[month - 1].size()) {
            std::fprintf(stderr, "varidel-book dump: no record for key 0x%04X\n", unsigned(key));
            return kExitFailed;
        }
        source += "@month " + std::to_string(month) + " " + LessonMonthName(int(month)) + "\n";
        ok = WriteBookEntry(int(month), int(day), texts[month - 1][day - 1], &source, &error);
    } else {
        for (int month = 1; month <= kLessonMonths && ok; ++month) {
            source += "\n";
            ok = WriteBookSource(month, texts[size_t(month - 1)], &source, &error);
        }
    }
    if (!ok) {
        std::fprintf(stderr, "varidel-book dump: %s\n", error.c_str());
        return kExitFailed;
    }
    std::fwrite(source.data(), 1, source.size(), stdout);
    return kExitOk;
}

int RunStats(int argc, char** argv) {
    if (!ExpectArguments("stats", argc, 1, 1, "DIR")) return kExitUsage;
    ContainerSet containers;
    BookTexts texts;
    if (!LoadTexts("stats", argv[0], &containers, &texts)) return kExitFailed;
    size_t totalText = 0, totalCompressed = 0, totalGreedy = 0, totalSize = 0, totalRecords = 0;
    std::printf("container  records  text bytes  compressed  greedy parse  container bytes  ratio\n");
    for (size_t i = 0; i < containers.size(); ++i) {
        size_t text = 0, compressed = 0, greedy = 0;
        for (const std::vector<uint8_t>& t : texts[i]) {
            text += t.size();
            compressed += CompressLesson(t.data(), t.size()).size();
            greedy += CompressLessonGreedy(t.data(), t.size()).size();
        }
        std::printf("%9zu  %7zu  %10zu  %10zu  %12zu  %15zu  %5.3f\n", kFirstContainerId + i, texts[i].size(),
                    text, compressed, greedy, containers[i].size(), double(compressed) / double(text));
        totalText += text;
        totalCompressed += compressed;
        totalGreedy += greedy;
        totalSize += containers[i].size();
        totalRecords += texts[i].size();
    }
    std::printf("%9s  %7zu  %10zu  %10zu  %12zu  %15zu  %5.3f\n", "total", totalRecords, totalText,
                totalCompressed, totalGreedy, totalSize, double(totalCompressed) / double(totalText));
    std::printf("compressed / greedy parse: %.4f (%lld bytes saved)\n",
                double(totalCompressed) / double(totalGreedy), (long long)totalGreedy - (long long)totalCompressed);
    return kExitOk;
}
