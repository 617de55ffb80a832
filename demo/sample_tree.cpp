#include "sample_tree.h"

#include <windows.h>

namespace {

void WriteSample(const std::wstring& path, size_t bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
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

void CreateSampleTree(std::wstring& left, std::wstring& right) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring root = std::wstring(temp) + L"vorlane-demo";
    left = root + L"\\left";
    right = root + L"\\right";
    for (const std::wstring& folder :
         {root, left, right, left + L"\\Documents", left + L"\\Pictures", left + L"\\Projects",
          left + L"\\Projects\\grid", left + L"\\Überordner", right + L"\\Archive",
          right + L"\\Music"}) {
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    struct SampleFile {
        const wchar_t* name;
        size_t bytes;
    };
    const SampleFile leftFiles[] = {
        {L"readme.txt", 1200},    {L"budget.csv", 48000},       {L"notes.txt", 350},
        {L"setup.ini", 900},      {L"report.html", 23000},      {L"photo_index.txt", 7000},
        {L"changelog.md", 15500}, {L"data.bin", 262144},        {L"todo.txt", 120},
        {L"empty.log", 0},        {L"Résumé.txt", 2600},        {L"naïve café.md", 1800},
        {L"日本語.txt", 4200},    {L"\U0001F642 smile.txt", 64}};
    for (const SampleFile& file : leftFiles) {
        WriteSample(left + L"\\" + file.name, file.bytes);
    }
    const SampleFile rightFiles[] = {{L"archive_list.txt", 5300}, {L"playlist.m3u", 800},
                                     {L"letter.txt", 2100},       {L"inventory.csv", 98000},
                                     {L"Ελληνικά.doc", 31000},    {L"Кириллица.txt", 5100},
                                     {L"한국어.txt", 3900}};
    for (const SampleFile& file : rightFiles) {
        WriteSample(right + L"\\" + file.name, file.bytes);
    }
    WriteSample(left + L"\\Projects\\grid\\main.cpp", 4096);
    WriteSample(left + L"\\Documents\\minutes.txt", 3300);
    WriteSample(left + L"\\Überordner\\写真.txt", 1500);
    WriteSample(right + L"\\Music\\track01.txt", 700);
}
