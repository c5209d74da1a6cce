#ifndef OMBREL_ESTARTUP_H
#define OMBREL_ESTARTUP_H

#include <windows.h>

// The module path and at most this many arguments.
enum { EMaxArguments = 128 };

// The start-up every program of the project makes first, windowed or not,
// before it touches a path or a text: sets the double-byte flag that every
// scan of a path depends on (a 0x5C trail byte is no separator), chooses
// the language, and loads the code-conversion library where the language
// asks for it. Needs no display.
void EStartProgram();

// The start-up of a windowed program's process entry: EStartProgram, then
// records the entry's values, sets the small-screen flag, initialises the
// common controls and the rich edit library, and splits the command line.
// On return *argv holds the module path followed by the arguments (null
// after the last); both live until the process ends.
void EStartup(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand,
              int* argc, char*** argv);

#endif
