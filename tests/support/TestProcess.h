#ifndef OMBREL_TESTPROCESS_H
#define OMBREL_TESTPROCESS_H

#include <windows.h>

#include <functional>
#include <string>

// The folder of the running test executable, without a trailing separator.
// Programs built with the tests sit beside it.
std::string TestBinaryFolder();

// A child process started with a given command line and, optionally, extra
// environment variables ("NAME=value" pairs joined by '\n').
class TestProcess {
public:
    TestProcess(const std::string& commandLine, const std::string& extraEnvironment = "",
                const std::string& currentFolder = "");
    ~TestProcess();
    TestProcess(const TestProcess&) = delete;
    TestProcess& operator=(const TestProcess&) = delete;

    bool Started() const { return process != nullptr; }
    DWORD Id() const { return id; }
    // Waits at most timeoutMs; returns true when the process ended.
    bool Wait(DWORD timeoutMs);
    // The exit code; STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    void Kill();

private:
    HANDLE process = nullptr;
    DWORD id = 0;
};

// Runs the command line to its end (at most timeoutMs) and returns the exit
// code, or 0xFFFFFFFF when it could not start or did not end in time.
DWORD RunToEnd(const std::string& commandLine, DWORD timeoutMs = 30000, const std::string& extraEnvironment = "",
               const std::string& currentFolder = "");

// Polls the condition (pumping this thread's messages) until it holds or the
// time is up; returns its last value.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// Reads a whole file; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);

#endif
