#include "EFatalBox.h"

#include <cstdarg>
#include <cstdio>

#include "EFlags.h"

int EFatalBox(HWND owner, const char* format, ...)
{
    // Bounded: a template name or path can be as long as anyone likes.
    char text[520];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return MessageBoxA(owner, text, EJapanese ? "致命的なｴﾗｰ" : "Fatal", MB_OK | MB_ICONHAND);
}
