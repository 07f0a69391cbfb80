// Test helpers around the shipped book.
#include "tests/unit/book_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "lessons/book_files.h"

const Book& ShippedBook() {
    static const Book book = [] {
        Book b;
        std::vector<std::string> problems;
        const bool ok = ReadBookSources(std::string(VARIDEL_SOURCE_DIR) + "/resources/book", &b, &problems);
        if (!ok || !problems.empty()) {
            for (const std::string& p : problems) ADD_FAILURE() << p;
        }
        return b;
    }();
    return book;
}

const ContainerSet& ShippedContainers() {
    static const ContainerSet containers = [] {
        ContainerSet c;
        std::vector<std::string> problems;
        EXPECT_TRUE(CompileBook(ShippedBook(), &c, &problems));
        return c;
    }();
    return containers;
}

const std::string& ShippedContainerFolder() {
    static const std::string folder = [] {
        const std::string f = MakeScratchFolder();
        std::string error;
        EXPECT_TRUE(WriteContainerSet(f, ShippedContainers(), &error)) << error;
        return f;
    }();
    return folder;
}

std::string MakeScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "varidel-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a scratch folder";
    return pattern;
}
