#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#ifdef _WIN32
#include <windows.h>

#include "EFlags.h"
#include "EStartup.h"
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>

// Run only by ctest, in the 32-bit programs, which must see it fail: a
// 32-bit program that Wine cannot start ends with 0 as if it had passed.
TEST_CASE("a case that fails on purpose" * doctest::skip())
{
    FAIL("failed on purpose in a " << sizeof(void*) * 8 << "-bit program");
}

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
    // A run meant for Japanese mode that did not get it would pass its
    // cases against the English texts.
    const char* locale = std::getenv("LC_ALL");
    if (locale && std::strncmp(locale, "ja_JP", 5) == 0 && (!EJapanese || GetACP() != 932)) {
        std::fprintf(stderr, "LC_ALL is %s, but this process is not in Japanese mode\n", locale);
        return 1;
    }
#endif
    doctest::Context context(argc, argv);
    // Cases that mount small disks run only in the entries that ctest
    // reports as skipped without root, never as passed.
    if (!std::getenv("OMBREL_ROOT_CASES"))
        context.addFilter("test-case-exclude", "*(needs root)*");
    return context.run();
}
