#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#ifdef _WIN32
#include <windows.h>

#include "EStartup.h"
#endif

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Tests call the path code in-process: it must cut paths as the
    // programs do.
    EStartProgram();
    // Open the display before any test starts a Linux program through Wine:
    // a first display connection made after that has been seen to hang.
    if (HDC screen = GetDC(nullptr))
        ReleaseDC(nullptr, screen);
#endif
    return doctest::Context(argc, argv).run();
}
