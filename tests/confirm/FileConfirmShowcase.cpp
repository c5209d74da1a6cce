// Asks one file question about sample files for screenshots:
//   file_confirm_showcase replace|delete <marker file>
// Once the dialog is drawn it writes its window rectangle ("x y w h") to the
// marker file; it closes when the marker file is deleted.
#include <windows.h>

#include <string>

#include "EApplication.h"
#include "EProgram.h"
#include "FileConfirmations.h"
#include "ShowcaseMarker.h"

namespace {

const char* marker = nullptr;
HWND dialog = nullptr;
bool told = false;

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && !dialog)
        dialog = reinterpret_cast<HWND>(wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Runs inside the dialog's own loop.
void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (!dialog || !IsWindowVisible(dialog))
        return;
    if (!told)
        told = WriteWindowMarker(dialog, marker);
    else if (MarkerTaken(marker))
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

void WriteSample(const std::string& path, std::size_t bytes, WORD day, WORD hour)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
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

void app::main(int argc, char* argv[])
{
    if (argc < 3)
        return;
    EApplication application("FileConfirmShowcase", argc, argv);
    marker = argv[2];
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "ombrel-showcase";
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\src").c_str(), nullptr);
    CreateDirectoryA((folder + "\\dst").c_str(), nullptr);
    std::string existing = folder + "\\dst\\report.txt";
    std::string fresh = folder + "\\src\\report.txt";
    std::string program = folder + "\\dst\\LOADER.EXE";
    WriteSample(existing, 12288, 1, 10);
    WriteSample(fresh, 1048576, 6, 23);
    WriteSample(program, 1536, 2, 9);

    HHOOK hook = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    UINT_PTR timer = SetTimer(nullptr, 0, 100, OnTimer);
    if (std::string(argv[1]) == "replace")
        ConfirmFileReplace(nullptr, fresh.c_str(), existing.c_str());
    else
        ConfirmFileDelete(nullptr, program.c_str());
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    DeleteFileA(existing.c_str());
    DeleteFileA(fresh.c_str());
    DeleteFileA(program.c_str());
    RemoveDirectoryA((folder + "\\src").c_str());
    RemoveDirectoryA((folder + "\\dst").c_str());
    RemoveDirectoryA(folder.c_str());
}
