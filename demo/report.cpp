#include "report.h"

void ReportError(HWND owner, const std::wstring& text, bool scripted) {
    if (!scripted) {
        MessageBoxW(owner, text.c_str(), L"Vorlane demo", MB_ICONERROR);
        return;
    }
    const std::wstring line = L"vorlane_demo: " + text + L"\n";
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) {
        return;
    }
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, &utf8[0], bytes, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), utf8.data(), static_cast<DWORD>(bytes - 1), &written,
              nullptr);
}

std::wstring MissingFolderText(const std::wstring& folder) {
    return L"The folder \"" + folder + L"\" does not exist or cannot be read.";
}
