#ifndef OMBREL_SETFILE_H
#define OMBREL_SETFILE_H

class SetList;

// Reads the set file at path into the list (emptied first). 1 when the file
// was opened, 0 when not (the list stays empty). *complete, when given,
// tells whether the whole file was read and rewriting it would give the same
// bytes.
int ReadSetFile(SetList& list, const char* path, int* complete = nullptr);

// Commits the fields (unless the list is empty), then writes the list
// to path. The old file is replaced only once the new one is fully written;
// a file that would not read back in full is first kept as "<path>.bak";
// unchanged bytes leave the file untouched. 1 on success, 0 with the old file
// untouched.
int WriteSetFile(SetList& list, const char* path);

#endif
