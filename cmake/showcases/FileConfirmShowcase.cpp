// Asks one file question about sample files for screenshots:
//   file_confirm_showcase replace|delete|names|skip <marker file>
// ("names": the replace question about a file named in Japanese, with an
// accented letter and an emoji.)
// Once the dialog is drawn it writes its window rectangle ("x y w h") to the
// marker file; it closes when the marker file is deleted.
#include <windows.h>

#include <string>

#include "DialogScript.h"
#include "EApplication.h"
#include "EFlags.h"
#include "EProgram.h"
#include "FileConfirmations.h"
#include "ShowcaseMarker.h"

namespace {

void WriteSample(const std::wstring& path, std::size_t bytes, WORD day, WORD hour)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::string content(bytes, 'x');
    DWORD written;
    WriteFile(file, content.data(), static_cast<DWORD>(bytes), &written, nullptr);
    SYSTEMTIME calendar = {2026, 12, 0, day, hour, 15, 0, 0};
    FILETIME time;
    SystemTimeToFileTime(&calendar, &time);
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
}

}

int app::main(int argc, char* argv[])
{
    if (argc < 3)
        return 1;
    EApplication application("FileConfirmShowcase", argc, argv);
    const char* marker = argv[2];
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"ombrel-showcase";
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"\\src").c_str(), nullptr);
    CreateDirectoryW((folder + L"\\dst").c_str(), nullptr);
    std::string mode = argv[1];
    // 写真 café 📷.jpg
    std::wstring name = mode == "names" ? L"\\\u5199\u771F caf\u00E9 \U0001F4F7.jpg" : L"\\report.txt";
    std::wstring existing = folder + L"\\dst" + name;
    std::wstring fresh = folder + L"\\src" + name;
    std::wstring program = folder + L"\\dst\\LOADER.EXE";
    WriteSample(existing, 12288, 1, 10);
    WriteSample(fresh, 1048576, 6, 23);
    WriteSample(program, 1536, 2, 9);

    // Tells where the question is once it is drawn, and cancels it once the
    // picture is taken.
    bool told = false;
    DialogScript script({[marker, &told](HWND dialog) {
        if (!told)
            told = WriteWindowMarker(dialog, marker);
        if (!told || !MarkerTaken(marker))
            return false;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return true;
    }});
    script.patience = 30 * 50;
    if (mode == "delete")
        ConfirmFileDelete(nullptr, program);
    else if (mode == "skip")
        ConfirmFileSkip(nullptr, fresh + (EJapanese ? L" \u306F\u4F7F\u7528\u4E2D\u3067\u3059" : L" is in use"));
    else
        ConfirmFileReplace(nullptr, fresh, existing);
    DeleteFileW(existing.c_str());
    DeleteFileW(fresh.c_str());
    DeleteFileW(program.c_str());
    RemoveDirectoryW((folder + L"\\src").c_str());
    RemoveDirectoryW((folder + L"\\dst").c_str());
    RemoveDirectoryW(folder.c_str());
    return 1;
}
