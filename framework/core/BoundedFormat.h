#ifndef OMBREL_BOUNDEDFORMAT_H
#define OMBREL_BOUNDEDFORMAT_H

#include <cstdarg>
#include <cstddef>

// Formats printf-style into out (size bytes, size > 0). A longer result is
// cut, never overrun; with the double-byte flag on, a lead byte left alone at
// the cut is dropped too. Returns 1 when the whole text fitted.
int FormatBounded(char* out, std::size_t size, const char* format, std::va_list arguments);
int FormatText(char* out, std::size_t size, const char* format, ...) __attribute__((format(gnu_printf, 3, 4)));

#endif
