#ifndef OMBREL_RUNDIALOGS_H
#define OMBREL_RUNDIALOGS_H

#include <windows.h>

#include <string>

class EWindow;
struct OperationCounts;

// The run's own dialogs over the confirm templates of the interface
// language. Each returns the id of the button that closed it (-1 when the
// template is missing).

// "Source folder '%s' is not exist." with one OK button.
int ShowSourceMissing(EWindow* owner, const char* source);
// Asks whether to create the missing destination: 6 Yes, 7 No.
int AskCreateDestination(EWindow* owner, const char* destination);
// The report of a run that ended without stopping, with what it did.
int ShowRunSucceeded(EWindow* owner, const OperationCounts& counts);

// The deletion guard: the run would delete deleting of files files in
// folder. Yes or No, No the default.
int AskMassDelete(HWND owner, int deleting, int files, const std::wstring& folder);
// Whether to delete for good what the Recycle Bin refuses, path first; asked
// once in a run. Yes or No, No the default.
int AskPermanentDelete(HWND owner, const std::wstring& path);
// The end of a preview: what the run would do, and whether the guard would
// ask first. PreviewLine is the same in one line, for the status bar.
int ShowPreviewSummary(HWND owner, const OperationCounts& counts, bool guarded);
std::wstring PreviewLine(const OperationCounts& counts);

#endif
