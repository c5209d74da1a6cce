// holdfile PATH EVENT
// Opens PATH without sharing, sets the event EVENT-held, and keeps PATH open
// until EVENT is set (at most a minute), as another program can hold a file.
// Exit code 0 when released, 1 when PATH could not be opened, 3 when never
// released.

#include <windows.h>

#include <string>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    HANDLE file = CreateFileA(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    HANDLE held = OpenEventA(EVENT_MODIFY_STATE, FALSE, (std::string(argv[2]) + "-held").c_str());
    if (held) {
        SetEvent(held);
        CloseHandle(held);
    }
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[2]);
    DWORD waited = release ? WaitForSingleObject(release, 60000) : WAIT_FAILED;
    if (release)
        CloseHandle(release);
    CloseHandle(file);
    return waited == WAIT_OBJECT_0 ? 0 : 3;
}
