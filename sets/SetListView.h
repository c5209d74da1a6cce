#ifndef OMBREL_SETLISTVIEW_H
#define OMBREL_SETLISTVIEW_H

#include <vector>

struct CurrentSet;

// What the set list needs from the window that shows it: the name box (an
// editable drop-down list mirroring the list's names, entry 0 on top), the
// two folder fields and the four option check boxes. The main window
// implements it; tests implement it with plain fields.
class SetListView {
public:
    virtual ~SetListView() = default;

    // Fields -> current set: the name box's text, the two folders and the
    // four check boxes (0 or 1); each text at most 259 bytes. While a choice
    // in the name box's list is being confirmed, the name must be the text
    // the box showed before that choice.
    virtual void ReadFields(CurrentSet& current) = 0;
    // Current set -> the folder fields and the check boxes; the name box's
    // text follows from SelectTop.
    virtual void ShowFields(const CurrentSet& current) = 0;

    // The name box's list, kept equal to the set list's names.
    virtual void InsertNameAtTop(const char* name) = 0;
    // Adds the names after the last one, in this order.
    virtual void AppendNames(const std::vector<const char*>& names) = 0;
    virtual void DeleteNameAt(int index) = 0;
    virtual void ClearNames() = 0;
    virtual void SelectTop() = 0;
    // The selected entry, or a negative number when none is.
    virtual int Selection() = 0;
    // Tells the user that a set cannot be stored under this name (empty, or
    // holding characters the set file cannot hold); the name stays in the
    // box to be corrected.
    virtual void RefuseName(const char* name) = 0;
    // Asks before the set of this name is removed: true to remove it.
    virtual bool ConfirmDeleteSet(const char* name) = 0;
};

#endif
