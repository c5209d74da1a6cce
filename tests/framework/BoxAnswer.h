#ifndef OMBREL_BOXANSWER_H
#define OMBREL_BOXANSWER_H

#include <string>

// Answers every system dialog box with this caption that this thread opens,
// by posting the button id when it activates; counts them and keeps the last
// one's text.
void AnswerBoxes(const char* caption, int answer);
int AnsweredBoxes();
std::string LastBoxText();
void StopAnswering();

#endif
