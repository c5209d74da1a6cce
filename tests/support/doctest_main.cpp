#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include <windows.h>

int main(int argc, char** argv)
{
    // Open the display before any test starts a Linux program through Wine:
    // a first display connection made after that has been seen to hang.
    if (HDC screen = GetDC(nullptr))
        ReleaseDC(nullptr, screen);
    return doctest::Context(argc, argv).run();
}
