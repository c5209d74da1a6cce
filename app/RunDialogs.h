#ifndef OMBREL_RUNDIALOGS_H
#define OMBREL_RUNDIALOGS_H

class EWindow;

// The run's own dialogs over the confirm templates of the interface
// language. Each returns the id of the button that closed it (-1 when the
// template is missing).

// "Source folder '%s' is not exist." with one OK button.
int ShowSourceMissing(EWindow* owner, const char* source);
// Asks whether to create the missing destination: 6 Yes, 7 No.
int AskCreateDestination(EWindow* owner, const char* destination);
// The report of a run that ended without stopping.
int ShowRunSucceeded(EWindow* owner);

#endif
