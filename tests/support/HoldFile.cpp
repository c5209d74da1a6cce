// holdfile PATH EVENT
// Opens PATH without sharing and keeps it open until the named event is set
// (at most a minute), as another program can hold a file. Exit code 0 when
// released, 1 when PATH could not be opened, 3 when never released.

#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    HANDLE file = CreateFileA(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[2]);
    DWORD waited = release ? WaitForSingleObject(release, 60000) : WAIT_FAILED;
    if (release)
        CloseHandle(release);
    CloseHandle(file);
    return waited == WAIT_OBJECT_0 ? 0 : 3;
}
