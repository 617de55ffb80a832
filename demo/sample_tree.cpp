#include "sample_tree.h"

#include <windows.h>

namespace {

void WriteSample(const std::string& path, size_t bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    std::string line = "Sample content for the grid demo.\r\n";
    for (size_t written = 0; written < bytes; written += line.size()) {
        DWORD done = 0;
        WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &done, nullptr);
    }
    CloseHandle(file);
}

}  // namespace

void CreateSampleTree(std::string& left, std::string& right) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string root = std::string(temp) + "vorlane-demo";
    left = root + "\\left";
    right = root + "\\right";
    for (const std::string& folder :
         {root, left, right, left + "\\Documents", left + "\\Pictures", left + "\\Projects",
          left + "\\Projects\\grid", right + "\\Archive", right + "\\Music"}) {
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    struct SampleFile {
        const char* name;
        size_t bytes;
    };
    const SampleFile leftFiles[] = {{"readme.txt", 1200},    {"budget.csv", 48000},
                                    {"notes.txt", 350},      {"setup.ini", 900},
                                    {"report.html", 23000},  {"photo_index.txt", 7000},
                                    {"changelog.md", 15500}, {"data.bin", 262144},
                                    {"todo.txt", 120},       {"empty.log", 0}};
    for (const SampleFile& file : leftFiles) {
        WriteSample(left + "\\" + file.name, file.bytes);
    }
    const SampleFile rightFiles[] = {{"archive_list.txt", 5300},
                                     {"playlist.m3u", 800},
                                     {"letter.txt", 2100},
                                     {"inventory.csv", 98000}};
    for (const SampleFile& file : rightFiles) {
        WriteSample(right + "\\" + file.name, file.bytes);
    }
    WriteSample(left + "\\Projects\\grid\\main.cpp", 4096);
    WriteSample(left + "\\Documents\\minutes.txt", 3300);
    WriteSample(right + "\\Music\\track01.txt", 700);
}
