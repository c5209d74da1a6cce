#include <windows.h>

#include "EApplication.h"
#include "EAttributeList.h"
#include "EFlags.h"
#include "EProgram.h"
#include "EWindowClass.h"
#include "resource.h"

namespace {

const char ProgramName[] = "Ombrel";

}

void app::main(int argc, char* argv[])
{
    if (EApplication::FindRunningInstance(ProgramName))
        return;
    EApplication application(ProgramName, argc, argv);

    EAttributeList list;
    list.Set(EKey::ClassName, ProgramName)
        .Set(EKey::SmallIcon, IDI_OMBREL)
        .Set(EKey::Menu, EJapanese ? 2 : 1)
        .Set(EKey::Width, 488)
        .Set(EKey::Height, 480)
        .Set(EKey::Style, WS_THICKFRAME | WS_MAXIMIZEBOX)
        .Set(EKey::ExStyle, WS_EX_CONTROLPARENT)
        .Set(EKey::StatusBar, 1)
        .Set(EKey::Background, COLOR_BTNFACE + 1)
        .Set(EKey::Style, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    ERegisterWindowClass(list);

    HWND window = CreateWindowExA(static_cast<DWORD>(list.Get(EKey::ExStyle)), ProgramName, ProgramName,
                                  static_cast<DWORD>(list.Get(EKey::Style)), CW_USEDEFAULT, CW_USEDEFAULT,
                                  static_cast<int>(list.Get(EKey::Width)), static_cast<int>(list.Get(EKey::Height)),
                                  nullptr, nullptr, EApplication::instance, nullptr);
    if (!window) {
        MessageBoxA(nullptr, ProgramName, "Fatal:CreateWindow", MB_ICONHAND);
        return;
    }
    HICON icon = static_cast<HICON>(LoadImageA(EApplication::instance, MAKEINTRESOURCEA(IDI_OMBREL), IMAGE_ICON,
                                               16, 16, 0));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    ShowWindow(window, EApplication::showCommand);
    EApplication::RunMessageLoop();
    if (icon)
        DestroyIcon(icon);
}
