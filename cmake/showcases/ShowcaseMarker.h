#ifndef OMBREL_SHOWCASEMARKER_H
#define OMBREL_SHOWCASEMARKER_H

#include <windows.h>

#include <cstdio>

// Tells cmake/screenshots.sh where a window to photograph is: writes its
// rectangle ("x y width height") to the marker file, once it is drawn. With
// a second window (a box that the system placed apart from its owner) the
// rectangle holds both.
inline bool WriteWindowMarker(HWND window, const char* marker, HWND other = nullptr)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r;
    GetWindowRect(window, &r);
    if (other) {
        RedrawWindow(other, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT second;
        GetWindowRect(other, &second);
        UnionRect(&r, &r, &second);
    }
    std::FILE* out = std::fopen(marker, "w");
    if (!out)
        return false;
    std::fprintf(out, "%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    std::fclose(out);
    return true;
}

// Whether the screenshot taker has deleted the marker: the picture is taken.
inline bool MarkerTaken(const char* marker)
{
    return GetFileAttributesA(marker) == INVALID_FILE_ATTRIBUTES;
}

#endif
