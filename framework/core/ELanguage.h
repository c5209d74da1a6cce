#ifndef OMBREL_ELANGUAGE_H
#define OMBREL_ELANGUAGE_H

#include <windows.h>

// Reads a 32-bit number from the registry. Returns the platform status, 0 on
// success; *value is 0 unless the read succeeded.
LONG ERegReadNumber(HKEY root, const char* subkey, const char* valueName, DWORD* value);

// The Japanese interface is chosen for a Japanese system language unless the
// user's "Force english" number is non-zero. forceStatus is the status of
// reading that number (non-zero: not read).
bool EChooseJapanese(LANGID systemLanguage, LONG forceStatus, DWORD forceEnglish);

// True when the ANSI code page has double-byte characters (Shift-JIS on a
// Japanese system). Text scanners depend on this, not on the interface
// language: a Japanese system in English still has Japanese file names.
bool EIsDoubleByteCodePage();

// Loads the optional code-conversion library from the program's folder or
// the system folder only, never from the current folder or PATH, and looks
// up its entry points.
HMODULE ELoadCodeConversion();

#endif
