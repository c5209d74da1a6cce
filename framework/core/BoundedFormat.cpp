#include "BoundedFormat.h"

#include "EFlags.h"

#include <cstdio>
#include <cstring>

int FormatBounded(char* out, std::size_t size, const char* format, std::va_list arguments)
{
    int needed = std::vsnprintf(out, size, format, arguments);
    out[size - 1] = '\0';
    if (needed >= 0 && static_cast<std::size_t>(needed) < size)
        return 1;
    if (EDoubleByte) {
        // Walk whole characters so a trail byte is never taken for a lead.
        std::size_t length = std::strlen(out);
        std::size_t i = 0;
        while (i < length) {
            if (EIsLeadByte(static_cast<unsigned char>(out[i]))) {
                if (i + 1 >= length) {
                    out[i] = '\0';
                    break;
                }
                i += 2;
            } else {
                i += 1;
            }
        }
    }
    return 0;
}

int FormatText(char* out, std::size_t size, const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    int fitted = FormatBounded(out, size, format, arguments);
    va_end(arguments);
    return fitted;
}
