#ifndef OMBREL_ESTARTUP_H
#define OMBREL_ESTARTUP_H

#include <windows.h>

// The module path and at most this many arguments.
enum { EMaxArguments = 128 };

// The platform start-up of the process entry: records the entry's values,
// detects platform and language, initialises the common controls and the
// rich edit library, and splits the command line. On return *argv holds the
// module path followed by the arguments (null after the last); both live
// until the process ends.
void EStartup(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand,
              int* argc, char*** argv);

#endif
