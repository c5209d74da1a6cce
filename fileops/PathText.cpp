#include "PathText.h"

#include "EFlags.h"

#include <cstring>

namespace {

char Fold(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// The last separator of text, found character by character; nullptr if none.
const char* LastSeparator(const char* text, bool slashToo)
{
    const char* last = nullptr;
    for (const char* p = text; *p; p = NextChar(p)) {
        if (*p == '\\' || (slashToo && *p == '/'))
            last = p;
    }
    return last;
}

void CopyBounded(char* out, const char* text)
{
    std::size_t length = std::strlen(text);
    if (length >= EPathSize)
        length = EPathSize - 1;
    std::memcpy(out, text, length);
    out[length] = '\0';
}

}

const char* NextChar(const char* text)
{
    if (EDoubleByte && EIsLeadByte(static_cast<unsigned char>(*text)) && text[1])
        return text + 2;
    return text + 1;
}

int HasSuffix(const char* path, const char* suffix)
{
    std::size_t pathLength = std::strlen(path);
    std::size_t suffixLength = std::strlen(suffix);
    if (pathLength <= suffixLength)
        return 0;
    const char* tail = path + pathLength - suffixLength;
    for (std::size_t i = 0; i < suffixLength; ++i) {
        if (Fold(tail[i]) != Fold(suffix[i]))
            return 0;
    }
    return 1;
}

int IsSkippedName(const char* name)
{
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
        return 1;
    static const char* const recycled[] = {"recycler", "recycled"};
    for (const char* skipped : recycled) {
        std::size_t i = 0;
        while (skipped[i] && Fold(name[i]) == skipped[i])
            ++i;
        if (!skipped[i] && !name[i])
            return 1;
    }
    return 0;
}

int IsProgramFile(const char* path)
{
    return std::strlen(path) >= 5 && (HasSuffix(path, ".exe") || HasSuffix(path, ".com"));
}

const char* BaseName(const char* path)
{
    const char* last = LastSeparator(path, true);
    return last ? last + 1 : path;
}

int JoinPath(char* out, const char* folder, const char* name)
{
    std::size_t folderLength = std::strlen(folder);
    const char* last = LastSeparator(folder, false);
    bool separator = folderLength > 0 && !(last && last[1] == '\0');
    std::size_t total = folderLength + (separator ? 1 : 0) + std::strlen(name);
    if (total >= EPathSize) {
        out[0] = '\0';
        return 0;
    }
    std::memcpy(out, folder, folderLength);
    char* p = out + folderLength;
    if (separator)
        *p++ = '\\';
    std::strcpy(p, name);
    return 1;
}

int SplitPath(char* folder, char* name, const char* path)
{
    CopyBounded(folder, path);
    std::size_t length = std::strlen(folder);
    if (length >= 2 && folder[0] == '"' && folder[length - 1] == '"') {
        std::memmove(folder, folder + 1, length - 2);
        folder[length - 2] = '\0';
    }
    char* last = const_cast<char*>(LastSeparator(folder, true));
    if (!last) {
        std::strcpy(name, folder);
        folder[0] = '\0';
        return 0;
    }
    std::strcpy(name, last + 1);
    // A separator in the first position stays: \x splits into \ and x.
    if (last == folder)
        last[1] = '\0';
    else
        *last = '\0';
    return 1;
}

int IsFullPath(const char* path)
{
    char c = Fold(path[0]);
    if (c >= 'a' && c <= 'z' && path[1] == ':' && IsSeparator(path[2]))
        return 1;
    return path[0] == '\\' && path[1] == '\\' && path[2] && !IsSeparator(path[2]);
}

int HasUnrepresentableChar(const char* name)
{
    for (const char* p = name; *p; p = NextChar(p)) {
        if (*p == '?' || *p == '*')
            return 1;
    }
    return 0;
}

int CutLastComponent(char* path)
{
    std::size_t length = std::strlen(path);
    // Drop a trailing separator first (D:\a\ is D:\a).
    const char* last = LastSeparator(path, true);
    if (last && last[1] == '\0' && length > 3) {
        path[length - 1] = '\0';
        last = LastSeparator(path, true);
    }
    if (!last)
        return 0;
    std::size_t at = static_cast<std::size_t>(last - path);
    if (path[0] == '\\' && path[1] == '\\') {
        // \\server\share is the top of a network path.
        int separators = 0;
        for (const char* p = path + 2; *p; p = NextChar(p))
            separators += IsSeparator(*p) ? 1 : 0;
        if (separators < 2)
            return 0;
        path[at] = '\0';
        return 1;
    }
    if (at <= 2) {
        // D:\a becomes D:\ ; D:\ itself has nothing left to cut.
        if (last[1] == '\0')
            return 0;
        path[at + 1] = '\0';
        return 1;
    }
    path[at] = '\0';
    return 1;
}
