#include "ECommandLine.h"

#include <cstring>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

char* SkipBlanks(char* p)
{
    while (IsBlank(*p))
        p++;
    return p;
}

}

ECommandLine::ECommandLine(const char* text)
{
    if (!text)
        text = "";
    std::size_t size = std::strlen(text) + 1;
    copy = new char[size];
    std::memcpy(copy, text, size);
}

ECommandLine::~ECommandLine()
{
    delete[] copy;
}

int ECommandLine::Split(char** args, int maxArgs)
{
    return Split(copy, args, maxArgs);
}

int ECommandLine::Split(char* text, char** args, int maxArgs)
{
    int count = 0;
    char* p = text;
    if (!p || !*p)
        return 0;
    while (count < maxArgs) {
        p = SkipBlanks(p);
        bool quoted = *p == '"';
        if (quoted)
            p++;
        args[count++] = p;
        // Shift-JIS trail bytes are 0x40 and above, so a byte-wise scan for
        // blanks and quotes never splits a double-byte character.
        while (*p && (quoted ? *p != '"' : !IsBlank(*p)))
            p++;
        if (!*p)
            break;
        *p++ = '\0';
        p = SkipBlanks(p);
        if (!*p)
            break;
    }
    return count;
}
