#include "EMenuItem.h"

#include <cstring>

EMenuItem::EMenuItem(unsigned command, const char* source) : command(command), text(nullptr)
{
    if (!source)
        return;
    std::size_t size = std::strlen(source) + 1;
    text = new char[size];
    std::memcpy(text, source, size);
}

EMenuItem::~EMenuItem()
{
    delete[] text;
}

bool EMenuItem::IsSeparator() const
{
    return std::strcmp(Text(), "SEPARATOR") == 0;
}
