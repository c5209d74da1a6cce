#include "EStartup.h"

#include <commctrl.h>
#include <cstdlib>

#include "EApplication.h"
#include "ECommandLine.h"
#include "EFlags.h"

namespace {

char modulePath[MAX_PATH];
char* argumentVector[EMaxArguments + 1];
ECommandLine* commandLineCopy;

void ReleaseCommandLine()
{
    delete commandLineCopy;
    commandLineCopy = nullptr;
}

}

void EStartup(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand,
              int* argc, char*** argv)
{
    EApplication::instance = instance;
    EApplication::previousInstance = previous;
    EApplication::commandLine = commandLine ? commandLine : "";
    EApplication::showCommand = showCommand;
    EApplication::name = "";
    EApplication::windowMap = nullptr;
    EApplication::mainWindow = nullptr;

    EStartProgram();
    ESmallScreen = GetSystemMetrics(SM_CXSCREEN) <= 240 ? 1 : 0;
    InitCommonControls();
    EApplication::richEdit = LoadLibraryA("RICHED32.DLL");

    if (!commandLineCopy) {
        commandLineCopy = new ECommandLine(EApplication::commandLine);
        std::atexit(ReleaseCommandLine);
        DWORD length = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
        if (length >= sizeof modulePath)
            modulePath[sizeof modulePath - 1] = '\0';
        argumentVector[0] = modulePath;
        commandLineCopy->Split(argumentVector + 1, EMaxArguments);
    }
    int count = 1;
    while (count <= EMaxArguments && argumentVector[count])
        count++;
    *argc = count;
    *argv = argumentVector;
}
