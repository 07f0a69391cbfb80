// Reading and writing the book's files.
#include "lessons/book_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string ContainerPath(const std::string& folder, size_t index) {
    return (fs::path(folder) / (std::to_string(kFirstContainerId + index) + ".bin")).string();
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string* content) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    content->assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

bool ReadBookSources(const std::string& folder, Book* book, std::vector<std::string>* problems) {
    const size_t before = problems->size();
    std::error_code ec;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().extension() == ".txt") files.push_back(it->path());
    if (ec) {
        problems->push_back(folder + ": cannot read the folder: " + ec.message());
        return false;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& path : files) {
        std::string content;
        if (!ReadWholeFile(path.string(), &content)) {
            problems->push_back(path.string() + ": cannot be read");
            continue;
        }
        ParseBookSource(path.string(), content, book, problems);
    }
    CheckBookComplete(*book, problems);
    return problems->size() == before;
}

bool ReadContainerSet(const std::string& folder, ContainerSet* containers, std::vector<std::string>* problems) {
    bool ok = true;
    for (size_t i = 0; i < containers->size(); ++i) {
        std::string content;
        const std::string path = ContainerPath(folder, i);
        if (!ReadWholeFile(path, &content)) {
            problems->push_back(path + ": missing or unreadable");
            ok = false;
        }
        (*containers)[i].assign(content.begin(), content.end());
    }
    return ok;
}

bool LoadContainersFrom(const std::string& folder, ContainerSet* containers, std::vector<std::string>* problems) {
    std::error_code ec;
    if (fs::exists(ContainerPath(folder, 0), ec)) return ReadContainerSet(folder, containers, problems);
    Book book;
    return ReadBookSources(folder, &book, problems) && CompileBook(book, containers, problems);
}

bool WriteContainerSet(const std::string& folder, const ContainerSet& containers, std::string* error) {
    error->clear();
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        *error = folder + ": cannot create the folder: " + ec.message();
        return false;
    }
    std::vector<std::string> written;
    for (size_t i = 0; i < containers.size() && error->empty(); ++i) {
        const std::string temporary = ContainerPath(folder, i) + ".new";
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        written.push_back(temporary);
        file.write(reinterpret_cast<const char*>(containers[i].data()), std::streamsize(containers[i].size()));
        file.close();
        if (!file) *error = temporary + ": cannot be written";
    }
    for (size_t i = 0; i < written.size() && error->empty(); ++i) {
        fs::rename(written[i], ContainerPath(folder, i), ec);
        if (ec) *error = ContainerPath(folder, i) + ": cannot be written: " + ec.message();
    }
    for (const std::string& path : written) fs::remove(path, ec);
    return error->empty();
}
