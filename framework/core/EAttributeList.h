#ifndef OMBREL_EATTRIBUTELIST_H
#define OMBREL_EATTRIBUTELIST_H

#include <cstdint>

#include "EKey.h"

// A value is one machine word: a number, style bits or a borrowed pointer.
typedef std::uintptr_t EValue;

// One row of a style-flag table: a flag key that, when non-zero, stands for
// these style bits.
struct EFlagRow {
    unsigned key;
    std::uint32_t bits;
};

// Up to 50 (key, value) pairs, kept in insertion order; a lookup finds the
// first entry. Style and ExStyle merge by OR. The list borrows every pointer
// it holds: texts and tables stay owned by the caller.
class EAttributeList {
public:
    enum { Capacity = 50 };

    EAttributeList();
    virtual ~EAttributeList();
    EAttributeList(const EAttributeList&) = delete;
    EAttributeList& operator=(const EAttributeList&) = delete;

    EAttributeList& Clear();
    EAttributeList& Set(unsigned key, EValue value);
    EAttributeList& Add(unsigned key, EValue value);
    EValue Get(unsigned key) const;
    bool Find(unsigned key, EValue* value) const;
    EAttributeList& SetFlags(const EFlagRow* table, int rows);
    EAttributeList& AddFlags(const EFlagRow* table, int rows);

    // Dialog units to pixels with the given base units; ToPixels() asks the
    // system for them.
    EAttributeList& ToPixels();
    EAttributeList& ToPixels(unsigned horizontalUnit, unsigned verticalUnit);

    int Count() const { return count; }
    unsigned KeyAt(int index) const { return entries[index].key; }
    EValue ValueAt(int index) const { return entries[index].value; }

    // Pointer-valued keys, for readability at the call sites.
    template <class T> EAttributeList& Set(unsigned key, T* pointer)
    {
        return Set(key, reinterpret_cast<EValue>(pointer));
    }
    template <class T> EAttributeList& Add(unsigned key, T* pointer)
    {
        return Add(key, reinterpret_cast<EValue>(pointer));
    }

private:
    struct Entry {
        unsigned key;
        EValue value;
    };

    int IndexOf(unsigned key) const;
    void Append(unsigned key, EValue value);

    int capacity;
    int count;
    Entry* entries;
};

// Style-flag tables: the flag keys each kind of window understands.
extern const EFlagRow EViewFlags[];
extern const int EViewFlagCount;
extern const EFlagRow EControlFlags[];
extern const int EControlFlagCount;
extern const EFlagRow EEditFlags[];
extern const int EEditFlagCount;
extern const EFlagRow EComboFlags[];
extern const int EComboFlagCount;
extern const EFlagRow EListFlags[];
extern const int EListFlagCount;

#endif
