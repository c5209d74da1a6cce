#ifndef OMBREL_ELOGROWS_H
#define OMBREL_ELOGROWS_H

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The rows of a virtual list that only grows at its end (the operation
// log), kept compactly: a million rows must fit a 32-bit process beside
// the run. Each text is split after its last backslash; the part before it
// (a file's folder, or an operation word) is kept once however many rows
// name it, the rest in a shared pool, once per row when both paths of a
// row end in the same name. A row of n cells costs 8n bytes plus its names.
class ELogRows {
public:
    ELogRows();
    ELogRows(const ELogRows&) = delete;
    ELogRows& operator=(const ELogRows&) = delete;

    // Appends a row of count texts (16 at most), null ones empty, each cut to
    // EListCellLimit units between surrogate pairs. The first row fixes the
    // number of cells of every row until Clear. Returns the row's index, or
    // -1 when the pool is full and the row was not kept.
    int Append(const wchar_t* const* texts, int count);
    void Clear();
    int Count() const { return count; }
    int Cells() const { return cells; }

    // The text of a cell, cut as it was kept, into buffer of at least
    // EListCellLimit + 1 units; empty outside the rows and cells.
    const wchar_t* Cell(int row, int column, wchar_t* buffer) const;

private:
    enum { ChunkBits = 16, ChunkSize = 1 << ChunkBits };
    // Where each part of a cell is: the shared part's number, the name's
    // place in the pool.
    std::uint32_t Share(std::wstring_view part);
    bool Keep(std::wstring_view name, std::uint32_t* place);
    std::uint32_t& Slot(std::size_t index) const;

    // Chunks of a fixed size, so that growing never copies nor holds twice
    // the memory for a moment, as a doubling vector would.
    std::vector<std::unique_ptr<std::uint32_t[]>> slots;
    std::vector<std::unique_ptr<wchar_t[]>> names;
    // Wider than a place, so that a full pool cannot wrap to its start.
    std::uint64_t namesUsed = 0;
    // The shared parts; a deque never moves them, so the index can point
    // into them.
    std::deque<std::wstring> parts;
    std::unordered_map<std::wstring_view, std::uint32_t> partIndex;
    int count = 0;
    int cells = 0;
};

#endif
