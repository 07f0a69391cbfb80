// Compiling the book into containers, decoding containers, verifying them.
#include "lessons/book_compiler.h"

#include <cstdlib>

#include "lessons/lesson_codec.h"
#include "lessons/lesson_container.h"
#include "lessons/lesson_encoder.h"
#include "lessons/lesson_key.h"
#include "lessons/lesson_text.h"

namespace {

std::string ContainerName(size_t index) { return std::to_string(kFirstContainerId + index) + ".bin"; }

std::vector<std::vector<uint8_t>> MonthTexts(const BookMonth& month) {
    std::vector<std::vector<uint8_t>> texts;
    for (const BookEntry& e : month.days) texts.push_back(e.text);
    return texts;
}

// Builds one container, turning the builder's error into a problem that
// names the source line of the entry (or month) at fault.
bool BuildOne(const std::vector<std::vector<uint8_t>>& texts, const BookMonth& source, int lessonMonth,
              std::vector<uint8_t>* container, std::vector<std::string>* problems) {
    size_t failed = 0;
    const int error = BuildLessonContainer(texts, container, &failed);
    if (error == 0) return true;
    const int line = error == kContainerBodyTooLong ? source.line : source.days[failed].line;
    std::string what = std::string(LessonMonthName(lessonMonth)) + " day " + std::to_string(failed + 1);
    if (lessonMonth == 14) what += " (joined from Adar I and Adar II)";
    switch (error) {
    case kContainerTextTooLong:
        what += " is " + std::to_string(texts[failed].size()) + " bytes long, over 65,535";
        break;
    case kContainerRecordTooLong:
        what += " compresses to more than 65,535 bytes";
        break;
    case kContainerBodyTooLong:
        what = "the container of " + std::string(LessonMonthName(lessonMonth)) + " is over 65,535 bytes (at day " +
               std::to_string(failed + 1) + ")";
        break;
    default:
        what += " is empty";
        break;
    }
    problems->push_back(SourcePlace(source.file, line) + what);
    return false;
}

// What keeps a stored text from being shown and dumped, or "" when nothing
// does: it must end in its end marker and two zero bytes, and begin with a
// rule or a paragraph with text.
std::string TextProblem(const std::vector<uint8_t>& text) {
    std::vector<LessonParagraph> paragraphs;
    const size_t end = SplitLessonText(text.data(), text.size(), &paragraphs);
    if (end == 0 || end + 2 != text.size() || text[end] != 0 || text[end + 1] != 0)
        return "text does not end in its end marker and two zero bytes";
    if (paragraphs.empty()) return "text has no paragraph";
    if (paragraphs.front().length == 0 && !IsRule(paragraphs.front().style))
        return "text begins with an empty paragraph";
    return "";
}

void VerifyContainer(const std::vector<uint8_t>& c, size_t index, std::vector<std::vector<uint8_t>>* texts,
                     std::vector<std::string>* problems) {
    const std::string name = ContainerName(index) + ": ";
    const int lessonMonth = int(index) + 1;
    const size_t expected = size_t(RecordsInLessonMonth(lessonMonth));
    if (c.size() < kContainerHeaderSize + kRecordHeadSize) {
        problems->push_back(name + "only " + std::to_string(c.size()) + " bytes");
        return;
    }
    const size_t body = ReadBigEndian16(c.data());
    const size_t end = kContainerHeaderSize + body;
    if (c.size() != end + (end % 2)) {
        problems->push_back(name + "size " + std::to_string(c.size()) + " does not match body length " +
                            std::to_string(body) + " (expected " + std::to_string(end + end % 2) + ")");
    } else if (end % 2 != 0 && c.back() != 0) {
        problems->push_back(name + "the padding byte is not zero");
    }
    if (ReadBigEndian16(c.data() + 2) != kContainerFormatMark)
        problems->push_back(name + "format mark is " + std::to_string(ReadBigEndian16(c.data() + 2)) + ", not 1");
    if (ReadBigEndian16(c.data() + 4) != expected)
        problems->push_back(name + "record count is " + std::to_string(ReadBigEndian16(c.data() + 4)) + ", not " +
                            std::to_string(expected));
    if (end > c.size()) return;
    size_t at = kContainerHeaderSize;
    size_t records = 0;
    while (at + kRecordHeadSize <= end) {
        const size_t compressed = ReadBigEndian16(c.data() + at);
        const size_t length = ReadBigEndian16(c.data() + at + 2);
        if (compressed == 0) break;
        const std::string record = name + "record " + std::to_string(records + 1) + ": ";
        if (length == 0) problems->push_back(record + "text length 0");
        if (at + kRecordHeadSize + compressed > end - kRecordHeadSize) {
            problems->push_back(record + "runs past the end marker");
            return;
        }
        std::vector<uint8_t> text(length);
        size_t consumed = 0;
        if (!DecodeLessonBytes(c.data() + at + kRecordHeadSize, compressed, text.data(), length, &consumed)) {
            problems->push_back(record + "does not decompress to its " + std::to_string(length) + " bytes");
        } else if (consumed != compressed) {
            problems->push_back(record + "leaves " + std::to_string(compressed - consumed) +
                                " compressed bytes unused");
        } else if (const std::string problem = TextProblem(text); !problem.empty()) {
            problems->push_back(record + problem);
        }
        texts->push_back(std::move(text));
        ++records;
        at += kRecordHeadSize + compressed;
    }
    if (at + kRecordHeadSize != end || ReadBigEndian16(c.data() + at) != 0 || ReadBigEndian16(c.data() + at + 2) != 0)
        problems->push_back(name + "no end marker of four zero bytes at the end of the body");
    if (records != expected)
        problems->push_back(name + std::to_string(records) + " records, not " + std::to_string(expected));
}

}  // namespace

std::vector<std::vector<uint8_t>> CommonAdarTexts(const std::vector<std::vector<uint8_t>>& adar1,
                                                  const std::vector<std::vector<uint8_t>>& adar2) {
    std::vector<std::vector<uint8_t>> joined;
    for (int day = 1; day <= RecordsInLessonMonth(14); ++day) {
        std::vector<const std::vector<uint8_t>*> parts;
        for (LessonKey key : CommonAdarParts(day)) {
            const auto& month = LessonMonth(key) == 12 ? adar1 : adar2;
            const size_t d = size_t(LessonDay(key) - 1);
            if (d < month.size()) parts.push_back(&month[d]);
        }
        joined.push_back(JoinLessonTexts(parts));
    }
    return joined;
}

bool CompileBook(const Book& book, ContainerSet* containers, std::vector<std::string>* problems) {
    bool ok = true;
    for (int month = 1; month <= kLessonMonths; ++month) {
        const BookMonth& m = book.months[size_t(month - 1)];
        ok = BuildOne(MonthTexts(m), m, month, &(*containers)[size_t(month - 1)], problems) && ok;
    }
    const BookMonth& adar1 = book.months[11];
    BookMonth joinedSource = adar1;  // joined entries are named by their Adar I lines
    ok = BuildOne(CommonAdarTexts(MonthTexts(adar1), MonthTexts(book.months[12])), joinedSource, 14,
                  &(*containers)[13], problems) && ok;
    return ok;
}

bool DecodeContainerSet(const ContainerSet& containers, BookTexts* texts, std::vector<std::string>* problems) {
    bool ok = true;
    for (size_t i = 0; i < containers.size(); ++i) {
        const std::vector<uint8_t>& c = containers[i];
        (*texts)[i].clear();
        for (int index = 0;; ++index) {
            LessonRecord record;
            if (FindLessonRecord(c.data(), c.size(), index, &record) != 0) break;
            char* text = nullptr;
            if (DecodeLessonRecord(record, &text) != 0) {
                problems->push_back(ContainerName(i) + ": record " + std::to_string(index + 1) + " cannot be decoded");
                ok = false;
                break;
            }
            (*texts)[i].emplace_back(text, text + record.textLength);
            std::free(text);
        }
        if ((*texts)[i].empty()) {
            problems->push_back(ContainerName(i) + ": no records");
            ok = false;
        }
    }
    return ok;
}

bool VerifyContainerSet(const ContainerSet& containers, std::vector<std::string>* problems) {
    const size_t before = problems->size();
    BookTexts texts;
    for (size_t i = 0; i < containers.size(); ++i) VerifyContainer(containers[i], i, &texts[i], problems);
    const auto joined = CommonAdarTexts(texts[11], texts[12]);
    for (size_t d = 0; d < joined.size() && d < texts[13].size(); ++d) {
        if (joined[d] != texts[13][d])
            problems->push_back(ContainerName(13) + ": record " + std::to_string(d + 1) +
                                " is not the join of its Adar I and Adar II entries");
    }
    return problems->size() == before;
}

namespace {

void PutBigEndian16(std::vector<uint8_t>* out, size_t value) {
    out->push_back(uint8_t(value >> 8));
    out->push_back(uint8_t(value & 0xFF));
}

}  // namespace

int BuildLessonContainer(const std::vector<std::vector<uint8_t>>& texts,
                         std::vector<uint8_t>* container, size_t* failedIndex) {
    std::vector<uint8_t> body;
    for (size_t i = 0; i < texts.size(); ++i) {
        *failedIndex = i;
        const std::vector<uint8_t>& text = texts[i];
        if (text.empty()) return kContainerTextEmpty;
        if (text.size() > 0xFFFF) return kContainerTextTooLong;
        const std::vector<uint8_t> compressed = CompressLesson(text.data(), text.size());
        if (compressed.size() > 0xFFFF) return kContainerRecordTooLong;
        PutBigEndian16(&body, compressed.size());
        PutBigEndian16(&body, text.size());
        body.insert(body.end(), compressed.begin(), compressed.end());
        if (body.size() + kRecordHeadSize > 0xFFFF) return kContainerBodyTooLong;
    }
    body.insert(body.end(), kRecordHeadSize, 0);
    container->clear();
    PutBigEndian16(container, body.size());
    PutBigEndian16(container, kContainerFormatMark);
    PutBigEndian16(container, texts.size());
    container->insert(container->end(), body.begin(), body.end());
    if (container->size() % 2 != 0) container->push_back(0);
    return 0;
}

std::vector<uint8_t> JoinLessonTexts(const std::vector<const std::vector<uint8_t>*>& texts) {
    static const uint8_t kJoint[3] = {0xC7, 0xD2, 0x00};
    std::vector<uint8_t> joined;
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::vector<uint8_t>& text = *texts[i];
        if (i + 1 == texts.size()) {
            joined.insert(joined.end(), text.begin(), text.end());
        } else {
            joined.insert(joined.end(), text.begin(), text.end() - std::min<size_t>(3, text.size()));
            joined.insert(joined.end(), kJoint, kJoint + 3);
        }
    }
    return joined;
}

std::vector<LessonKey> CommonAdarParts(int day) {
    if (day == 29) return {MakeLessonKey(12, 29), MakeLessonKey(12, 30), MakeLessonKey(13, 29)};
    return {MakeLessonKey(12, day), MakeLessonKey(13, day)};
}
