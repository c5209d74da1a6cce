#ifndef OMBREL_COMMANDRUN_H
#define OMBREL_COMMANDRUN_H

// A run of a stored set started from the command line, for scheduled and
// scripted runs:
//   Ombrel.exe /run NAME [/up] [/preview] [/yes] [/ini FILE] [/log FILE]
//   Ombrel.exe /?
// No window is made and no box is shown: questions are answered by rule,
// and everything goes to the log and the exit code (see UnattendedHost.h).
// The set file and the registry are only read.

// Whether the command line asks for this (its first argument is a switch).
bool IsCommandRun(int argc, char* argv[]);
// Runs it from the process's own command line; returns the exit code.
int CommandRun();

#endif
