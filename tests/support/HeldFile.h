#ifndef OMBREL_HELDFILE_H
#define OMBREL_HELDFILE_H

#include <windows.h>

#include <memory>
#include <string>

class TestProcess;

// A file or folder held open without sharing by another process (holdfile.exe
// beside the test executable) for the life of the object, as an editor or a
// scanner can hold it: opening, replacing or deleting it fails with a sharing
// violation.
class HeldFile {
public:
    explicit HeldFile(const std::string& path);
    // Releases the file and waits for the holder to end.
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool Held() const { return held; }

private:
    HANDLE release;
    std::unique_ptr<TestProcess> holder;
    bool held = false;
};

#endif
