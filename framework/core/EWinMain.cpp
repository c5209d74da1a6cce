#include <windows.h>

#include "EProgram.h"
#include "EStartup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand)
{
    int argc = 0;
    char** argv = nullptr;
    EStartup(instance, previous, commandLine, showCommand, &argc, &argv);
    return app::main(argc, argv);
}
