#ifndef OMBREL_EXACTNAMES_H
#define OMBREL_EXACTNAMES_H

#include <string>

// 1 when a path call given this name reaches exactly the entry that bears it.
// Path calls strip trailing dots and spaces, split at separators, take
// wildcards and device names (CON, LPT1.txt, ...) for something else, so a
// listed name such as "data." would reach the folder "data" instead.
int PathCallsKeepName(const std::wstring& name);

#endif
