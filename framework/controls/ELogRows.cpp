#include "ELogRows.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

#include "EListRows.h"

namespace {

// The text as a cell keeps it: at most EListCellLimit units, a surrogate
// pair never split.
std::wstring_view Bounded(const wchar_t* text)
{
    if (!text)
        return {};
    std::size_t length = std::wcslen(text);
    if (length <= EListCellLimit)
        return {text, length};
    std::size_t cut = EListCellLimit;
    if (IS_HIGH_SURROGATE(text[cut - 1]))
        cut--;
    return {text, cut};
}

}

ELogRows::ELogRows()
{
    Clear();
}

void ELogRows::Clear()
{
    slots.clear();
    names.clear();
    parts.clear();
    partIndex.clear();
    count = 0;
    cells = 0;
    // Place 0 of the pool is the empty name.
    names.emplace_back(new wchar_t[ChunkSize]);
    names[0][0] = L'\0';
    namesUsed = 1;
}

std::uint32_t& ELogRows::Slot(std::size_t index) const
{
    return slots[index >> ChunkBits][index & (ChunkSize - 1)];
}

std::uint32_t ELogRows::Share(std::wstring_view part)
{
    auto found = partIndex.find(part);
    if (found != partIndex.end())
        return found->second;
    parts.emplace_back(part);
    std::uint32_t number = static_cast<std::uint32_t>(parts.size() - 1);
    partIndex.emplace(parts.back(), number);
    return number;
}

// A name never straddles two chunks; the place is the chunk's number and
// the offset in it, so 65,536 chunks of 65,536 units at most.
bool ELogRows::Keep(std::wstring_view name, std::uint32_t* place)
{
    if (name.empty()) {
        *place = 0;
        return true;
    }
    std::uint32_t offset = static_cast<std::uint32_t>(namesUsed & (ChunkSize - 1));
    if (offset + name.size() + 1 > ChunkSize || (namesUsed >> ChunkBits) == names.size()) {
        if (names.size() == ChunkSize)
            return false;
        names.emplace_back(new wchar_t[ChunkSize]);
        namesUsed = static_cast<std::uint64_t>(names.size() - 1) << ChunkBits;
        offset = 0;
    }
    wchar_t* to = &names[namesUsed >> ChunkBits][offset];
    std::wmemcpy(to, name.data(), name.size());
    to[name.size()] = L'\0';
    *place = static_cast<std::uint32_t>(namesUsed);
    namesUsed += static_cast<std::uint32_t>(name.size() + 1);
    return true;
}

int ELogRows::Append(const wchar_t* const* texts, int given)
{
    if (count == 0)
        cells = given < 1 ? 1 : given > 16 ? 16 : given;
    if (count == 0x7FFFFFFF)
        return -1;
    std::uint32_t row[2 * 16];
    std::wstring_view lastName;
    std::uint32_t lastPlace = 0;
    for (int c = 0; c < cells; c++) {
        std::wstring_view text = c < given ? Bounded(texts[c]) : std::wstring_view();
        std::size_t cut = text.rfind(L'\\');
        cut = cut == std::wstring_view::npos ? text.size() : cut + 1;
        std::wstring_view name = text.substr(cut);
        row[2 * c] = Share(text.substr(0, cut));
        if (!name.empty() && name == lastName)
            row[2 * c + 1] = lastPlace;
        else if (!Keep(name, &row[2 * c + 1]))
            return -1;
        lastName = name;
        lastPlace = row[2 * c + 1];
    }
    std::size_t first = static_cast<std::size_t>(count) * 2 * cells;
    for (int i = 0; i < 2 * cells; i++) {
        std::size_t index = first + i;
        if ((index >> ChunkBits) == slots.size())
            slots.emplace_back(new std::uint32_t[ChunkSize]);
        Slot(index) = row[i];
    }
    return count++;
}

const wchar_t* ELogRows::Cell(int row, int column, wchar_t* buffer) const
{
    buffer[0] = L'\0';
    if (row < 0 || row >= count || column < 0 || column >= cells)
        return buffer;
    std::size_t index = (static_cast<std::size_t>(row) * cells + column) * 2;
    const std::wstring& part = parts[Slot(index)];
    std::uint32_t place = Slot(index + 1);
    const wchar_t* name = &names[place >> ChunkBits][place & (ChunkSize - 1)];
    // Both together were one bounded text.
    std::wmemcpy(buffer, part.data(), part.size());
    std::wcscpy(buffer + part.size(), name);
    return buffer;
}
