// Shows the pieces this library draws (menu bar, button faces, the log list
// and the About template with its lines) and saves the screen area to a BMP
// file, for looking at: controls_showcase [ja] <file.bmp>.

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "EAboutDialog.h"
#include "EApplication.h"
#include "EButtonFaces.h"
#include "EFlags.h"
#include "EFont.h"
#include "EListRows.h"
#include "EMenu.h"
#include "EPaintDC.h"
#include "MenuIds.h"

namespace {

struct Face {
    const EButtonFaces* faces;
    EButtonFace face;
};

LRESULT CALLBACK FaceProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        EPaintDC dc(handle);
        const Face* face = reinterpret_cast<const Face*>(GetWindowLongPtrA(handle, GWLP_USERDATA));
        if (face)
            face->faces->Paint(dc.Handle(), face->face);
        return 0;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

LRESULT CALLBACK MainProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM) {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        EListDrawRow(item->hwndItem, *item);
        return TRUE;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

INT_PTR CALLBACK AboutProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

void Register(const char* name, WNDPROC procedure)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = procedure;
    wc.hInstance = EApplication::instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

void SaveScreen(const char* path, int width, int height)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    DWORD rowBytes = (width * 3 + 3) & ~3u;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + rowBytes * height;
    HANDLE out = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
    WriteFile(out, bits, rowBytes * height, &written, nullptr);
    CloseHandle(out);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}

int main(int argc, char** argv)
{
    EApplication::instance = GetModuleHandleA(nullptr);
    int next = 1;
    if (argc > next && std::strcmp(argv[next], "ja") == 0) {
        EJapanese = 1;
        next++;
    }
    const char* output = argc > next ? argv[next] : "showcase.bmp";
    InitCommonControls();
    Register("OmbrelShowcase", MainProc);
    Register("OmbrelFace", FaceProc);

    HWND main = CreateWindowExA(0, "OmbrelShowcase", "Ombrel", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 560, 330,
                                nullptr, nullptr, EApplication::instance, nullptr);
    EMenu menu(main, MAKEINTRESOURCEA(EJapanese ? IDR_MENU_JAPANESE : IDR_MENU_ENGLISH));

    // Each picture's three faces, up, pressed and disabled, left to right.
    const char* pictures[] = {"RESB_UP", "RESB_DOWN", "RESB_DIRECTORY"};
    const int widths[] = {65, 120, 22};
    EButtonFaces* faces[3];
    Face shown[9];
    for (int p = 0; p < 3; p++) {
        faces[p] = new EButtonFaces(main, widths[p], 21, pictures[p], 2);
        for (int f = 0; f < 3; f++) {
            Face& face = shown[p * 3 + f];
            face = {faces[p], static_cast<EButtonFace>(f)};
            HWND child = CreateWindowExA(0, "OmbrelFace", "", WS_CHILD | WS_VISIBLE, 10 + f * 140, 10 + p * 28,
                                         widths[p], 21, main, nullptr, EApplication::instance, nullptr);
            SetWindowLongPtrA(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&face));
        }
    }

    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDRAWFIXED, 0, 100, 544,
                                170, main, nullptr, EApplication::instance, nullptr);
    const EListColumn english[] = {{"Operation", 80, 0}, {"Source", 300, 0}, {"Destination", 200, 0}};
    const EListColumn japanese[] = {{"操作", 40, 0}, {"ｱｯﾌﾟﾃﾞｰﾄ元", 300, 0}, {"ｱｯﾌﾟﾃﾞｰﾄ先", 200, 0}};
    EListInsertColumns(list, 3, EJapanese ? japanese : english);
    for (int i = 0; i < 12; i++) {
        std::string source = "C:\\Work\\Reports\\2026\\quarter" + std::to_string(i) + "\\summary of the year.txt";
        std::string target = "D:\\Backup\\Reports\\2026\\quarter" + std::to_string(i) + "\\summary of the year.txt";
        const char* row[] = {i % 4 == 3 ? "del" : "copy", source.c_str(), i % 4 == 3 ? "" : target.c_str()};
        EListInsertRow(list, i, row, 3);
    }
    LVITEMA selected = {};
    selected.stateMask = selected.state = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, 11, reinterpret_cast<LPARAM>(&selected));
    SendMessageA(list, LVM_ENSUREVISIBLE, 11, FALSE);

    EFont* bold = MakeBoldUIFont(-12);
    HWND about = CreateDialogParamA(EApplication::instance, EJapanese ? "EAboutDialog_J" : "EAboutDialog_E", main,
                                    AboutProc, 0);
    EFillAboutLines(about, bold);
    SetWindowPos(about, nullptr, 570, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(about, SW_SHOW);
    for (int i = 0; i < 20; i++) {
        Pump();
        UpdateWindow(main);
        UpdateWindow(about);
    }
    SaveScreen(output, 1280, 340);

    DestroyWindow(about);
    DestroyWindow(main);
    delete bold;
    for (EButtonFaces* f : faces)
        delete f;
    return 0;
}
