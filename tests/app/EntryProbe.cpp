// Started by the process tests through the real process entry: writes what
// start-up detected and the arguments it split to the file named by
// OMBREL_PROBE_OUT.
#include <windows.h>

#include <cstdio>

#include "EApplication.h"
#include "EFlags.h"
#include "EProgram.h"

int app::main(int argc, char* argv[])
{
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("OMBREL_PROBE_OUT", path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return 1;
    std::FILE* out = std::fopen(path, "wb");
    if (!out)
        return 1;
    std::fprintf(out, "japanese=%d\ndoublebyte=%d\nsmallscreen=%d\nmirsol=%d\nargc=%d\n", EJapanese, EDoubleByte,
                 ESmallScreen, EApplication::codeConversion ? 1 : 0, argc);
    for (int i = 0; i < argc; i++)
        std::fprintf(out, "arg%d=%s\n", i, argv[i]);
    std::fprintf(out, "end=%s\n", argv[argc] ? "more" : "null");
    std::fclose(out);
    return 1;
}
