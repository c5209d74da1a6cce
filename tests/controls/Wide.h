#ifndef OMBREL_WIDE_H
#define OMBREL_WIDE_H

#include <string>

// UTF-16 of a UTF-8 text (u8 literals keep UTF-8 whatever the build's
// execution character set).
std::wstring Wide(const char* utf8);

#endif
