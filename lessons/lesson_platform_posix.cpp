// The lesson loader's containers in the native build.
#include "lessons/lesson_platform_posix.h"

#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "lessons/lesson_loader.h"

namespace {

std::string g_folder;
// Containers are read once and kept, as resources are in the program.
std::map<int, std::vector<uint8_t>> g_containers;

}  // namespace

void SetLessonContainerFolder(const std::string& folder) {
    g_folder = folder;
    g_containers.clear();
}

int LessonContainerBytes(int id, const uint8_t** bytes, size_t* size) {
    auto found = g_containers.find(id);
    if (found == g_containers.end()) {
        if (g_folder.empty()) return kLessonNoContainer;
        std::ifstream file(g_folder + "/" + std::to_string(id) + ".bin", std::ios::binary);
        if (!file) return kLessonNoContainer;
        std::vector<uint8_t> data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        found = g_containers.emplace(id, std::move(data)).first;
    }
    if (found->second.empty()) return kLessonUnloadable;
    *bytes = found->second.data();
    *size = found->second.size();
    return 0;
}
