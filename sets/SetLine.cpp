#include "SetLine.h"

#include <cstring>
#include <string>

#include "CurrentSet.h"
#include "EFlags.h"

namespace {

const std::size_t FieldLimit = CurrentSet::TextSize - 1;

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// key is upper case; only the very start of the line counts.
bool StartsWithKey(const char* line, const char* key)
{
    for (; *key; ++line, ++key) {
        if (Upper(*line) != *key)
            return false;
    }
    return true;
}

bool IsLead(char c)
{
    return EDoubleByte && EIsLeadByte(static_cast<unsigned char>(c));
}

// The longest prefix of at most FieldLimit bytes that ends between two
// characters, never inside a double-byte pair.
std::size_t CutLength(const char* text, std::size_t length)
{
    std::size_t cut = 0;
    while (cut < length) {
        std::size_t step = IsLead(text[cut]) && cut + 1 < length ? 2 : 1;
        if (cut + step > FieldLimit)
            break;
        cut += step;
    }
    return cut;
}

int StoreName(char* text, char (&field)[CurrentSet::TextSize])
{
    std::size_t length = CleanSetValue(text, SetValueKind::Name);
    std::size_t kept = length > FieldLimit ? CutLength(text, length) : length;
    std::memcpy(field, text, kept);
    field[kept] = '\0';
    return kept == length;
}

// A cut folder could name an existing ancestor, and a deleting run would
// empty it; an empty folder stops the run at its folder check instead.
int StoreFolder(char* text, char (&field)[CurrentSet::TextSize])
{
    std::size_t length = CleanSetValue(text, SetValueKind::Folder);
    if (length > FieldLimit) {
        field[0] = '\0';
        return 0;
    }
    std::memcpy(field, text, length + 1);
    return 1;
}

void StoreFlag(const char* value, int& flag)
{
    if (*value == 'Y' || *value == 'y')
        flag = 1;
}

}

std::size_t CleanSetValue(char* text, SetValueKind kind)
{
    const char* from = text;
    char* to = text;
    while (*from && *from != '\r' && *from != '\n') {
        if (IsLead(*from)) {
            *to++ = *from++;
            if (*from)   // a lead byte at the very end stands alone
                *to++ = *from++;
            continue;
        }
        char c = *from++;
        if (c == '"' || (kind == SetValueKind::Name && (c == '[' || c == ']')))
            continue;
        *to++ = c;
    }
    *to = '\0';
    return static_cast<std::size_t>(to - text);
}

int ParseSetLine(char* line, CurrentSet& current)
{
    if (line[0] == '[')
        return StoreName(line, current.name);
    if (StartsWithKey(line, "SRC="))
        return StoreFolder(line + 4, current.source);
    if (StartsWithKey(line, "DST="))
        return StoreFolder(line + 4, current.destination);
    if (StartsWithKey(line, "DELETE="))
        StoreFlag(line + 7, current.deleteFlag);
    else if (StartsWithKey(line, "DOSTIME="))
        StoreFlag(line + 8, current.dosTimeFlag);
    else if (StartsWithKey(line, "FORCE="))
        StoreFlag(line + 6, current.forceFlag);
    else if (StartsWithKey(line, "EXCLUDEOBJ="))
        StoreFlag(line + 11, current.excludeObjectFlag);
    return 1;
}

bool IsStorableName(const char* name)
{
    std::size_t length = std::strlen(name);
    if (length == 0 || length > FieldLimit)
        return false;
    // The name line exactly as the writer makes it.
    std::string line = std::string("[") + name + "]\r\n";
    CurrentSet read;
    return ParseSetLine(&line[0], read) && std::strcmp(read.name, name) == 0;
}
