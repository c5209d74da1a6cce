#ifndef OMBREL_RUNLOG_H
#define OMBREL_RUNLOG_H

#include "EHandle.h"

#include <windows.h>

#include <string>

// The log of a run without a window: one UTF-8 line per entry, whatever the
// code page, so that every name comes out as it is. Lines go to a file,
// appended, and to the standard output or the console the program was
// started from. Stamped lines begin with the local time.
class RunLog {
public:
    explicit RunLog(bool stamped) : stamped(stamped) {}
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;

    // Appends to the file at path, made when missing. false when it cannot
    // be opened; the error is in GetLastError.
    bool OpenFile(const std::wstring& path);
    // Writes also to the standard output: the one given at the start, else
    // the console of the process that started this one, if any.
    void UseConsole();

    // One line; fields are separated by tabs.
    void Line(const std::wstring& text);
    void Row(const char* operation, const std::wstring& first, const std::wstring& second);

private:
    void Write(const std::string& bytes);

    bool stamped;
    EFileHandle file;
    // The parent's console, opened here; out is then this handle.
    EFileHandle console;
    HANDLE out = nullptr;
    // out is a console, which takes the text wide.
    bool wide = false;
};

// Text for the console and files, in UTF-8.
std::string Utf8(const std::wstring& text);

#endif
