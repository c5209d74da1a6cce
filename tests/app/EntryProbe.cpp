// Started by the process tests through the real process entry: writes what
// start-up detected to the file named by OMBREL_PROBE_OUT.
#include <windows.h>

#include <cstdio>

#include "EApplication.h"
#include "EFlags.h"
#include "EProgram.h"

int app::main(int, char*[])
{
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("OMBREL_PROBE_OUT", path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return 1;
    std::FILE* out = std::fopen(path, "wb");
    if (!out)
        return 1;
    std::fprintf(out, "japanese=%d\ndoublebyte=%d\nsmallscreen=%d\nmirsol=%d\n", EJapanese, EDoubleByte, ESmallScreen,
                 EApplication::codeConversion ? 1 : 0);
    std::fclose(out);
    return 1;
}
