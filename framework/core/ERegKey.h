#ifndef OMBREL_EREGKEY_H
#define OMBREL_EREGKEY_H

#include <windows.h>

#include "EObject.h"

// One open registry key below a predefined root; closed on destruction.
// Every operation answers the platform status, ERROR_SUCCESS (0) on success.
class ERegKey : public EObject {
public:
    explicit ERegKey(HKEY root) : root(root) {}
    ~ERegKey() override;

    // Closes any open key first.
    LONG Open(const char* path);
    // Creates every missing key of the path, or opens it when it exists.
    LONG Create(const char* path);
    LONG Close();
    bool IsOpen() const { return key != nullptr; }

    // A string value into buffer (capacity *size). *size comes back as the
    // stored size. The buffer always ends terminated: a value that is not a
    // string, or that fills the buffer without its own terminator, answers
    // ERROR_MORE_DATA or ERROR_INVALID_DATATYPE and leaves the empty text.
    LONG QueryText(const char* name, char* buffer, DWORD* size);
    // A REG_DWORD value; *value is left as it was unless one of exactly 4
    // bytes was stored, so callers preload their default.
    LONG QueryNumber(const char* name, DWORD* value);
    // REG_SZ with its terminator.
    LONG SetText(const char* name, const char* text);
    LONG SetNumber(const char* name, DWORD value);

private:
    HKEY root;
    HKEY key = nullptr;
};

#endif
