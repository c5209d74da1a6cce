#include "RunLog.h"

#include "WidePath.h"

#include <cstdio>

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    int length = static_cast<int>(text.size());
    int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, &bytes[0], needed, nullptr, nullptr);
    return bytes;
}

bool RunLog::OpenFile(const std::wstring& path)
{
    // Shared for reading, so that the log can be watched while it grows.
    file.Reset(CreateFileW(LongPath(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid();
}

void RunLog::UseConsole()
{
    out = GetStdHandle(STD_OUTPUT_HANDLE);
    // Attached also when the output goes elsewhere: Ctrl+C and Ctrl+Break
    // in that console reach this process only so.
    bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    if ((!out || out == INVALID_HANDLE_VALUE) && attached) {
        console.Reset(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
        out = console.Get();
    }
    if (out == INVALID_HANDLE_VALUE)
        out = nullptr;
    DWORD mode = 0;
    wide = out && GetConsoleMode(out, &mode);
}

void RunLog::Line(const std::wstring& text)
{
    // Line breaks in a name would forge a line of their own.
    std::wstring line = text;
    for (wchar_t& c : line)
        if (c < L' ' && c != L'\t')
            c = L'?';
    if (stamped) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        wchar_t stamp[32];
        std::swprintf(stamp, 32, L"%04u-%02u-%02u %02u:%02u:%02u\t", now.wYear, now.wMonth, now.wDay, now.wHour,
                      now.wMinute, now.wSecond);
        line = stamp + line;
    }
    line += L"\r\n";
    if (wide) {
        // The console takes the text wide and shows it in its own font.
        DWORD written = 0;
        WriteConsoleW(out, line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr);
    } else if (out) {
        Write(Utf8(line));
    }
    if (file.Valid()) {
        std::string bytes = Utf8(line);
        DWORD written = 0;
        WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
}

namespace {

// A name may hold tabs where the file system allows them: shown as '?',
// they cannot split a field.
std::wstring Field(std::wstring text)
{
    for (wchar_t& c : text)
        if (c == L'\t')
            c = L'?';
    return text;
}

}

void RunLog::Row(const char* operation, const std::wstring& first, const std::wstring& second)
{
    Line(Widen(operation) + L"\t" + Field(first) + L"\t" + Field(second));
}

void RunLog::Write(const std::string& bytes)
{
    DWORD written = 0;
    WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}
