#ifndef OMBREL_EKEYTREE_H
#define OMBREL_EKEYTREE_H

#include <windows.h>

// Deletes root\path with everything below it, leaves first. Returns the
// system error code, 0 on success. Errors below the key are passed over; the
// final deletion of the key itself then reports them. A null or empty path
// is refused (it would name the root itself). A registry link (a key made
// with REG_OPTION_CREATE_LINK), at the top or anywhere below, is deleted
// itself; what it points to is never opened.
LONG DeleteKeyTree(HKEY root, const char* path);

// True when root\path can be read and holds at least one subkey.
bool HasSubKey(HKEY root, const char* path);

// Removes the program's registry data: the product key with everything
// below it, then the maker key when nothing else is left in it (no subkey,
// no value but the program's own "Force english"). Nothing at all is touched
// unless the product path is at least two levels deep and, when a maker
// path is given, the product key is a direct child of it. Returns the result
// of deleting the product key (ERROR_INVALID_PARAMETER for refused paths).
LONG UninstallKeys(HKEY root, const char* makerKeyPath, const char* productKeyPath);

#endif
