#ifndef OMBREL_EXACTNAMES_H
#define OMBREL_EXACTNAMES_H

#include <string>

// 1 when a path in the \\?\ form reaches exactly the entry that bears this
// name. Trailing dots and spaces and device names are kept there; a separator,
// a wildcard, a stream colon or a control character is not a name's own (under
// Wine a Linux name holding a backslash is listed as it is, and reaching for
// it would reach a subfolder instead).
int LongPathsReachName(const std::wstring& name);

#endif
