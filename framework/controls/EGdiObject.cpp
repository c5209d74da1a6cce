#include "EGdiObject.h"

#include <cstring>

char* ECopyText(const char* text)
{
    if (!text)
        return nullptr;
    std::size_t size = std::strlen(text) + 1;
    char* copy = new char[size];
    std::memcpy(copy, text, size);
    return copy;
}

EGdiObject::EGdiObject(const char* name, HANDLE handle) : name(ECopyText(name)), handle(handle)
{
}

EGdiObject::~EGdiObject()
{
    delete[] name;
}
