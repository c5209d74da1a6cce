#ifndef OMBREL_SETFILEQUESTIONS_H
#define OMBREL_SETFILEQUESTIONS_H

#include <string>

#include "SetFileWindow.h"

class EWindow;

// Asks a question about the set file over the template of the interface
// language (SetFileChanged_E, SetFileFailed_J, ...), as
// SetFileWindow::AskAboutSetFile describes.
SetFileWindow::Answer AskSetFileQuestion(EWindow* owner, SetFileWindow::Question question, const std::string& text,
                                         bool stoppable);

#endif
