#include <windows.h>

#include "EApplication.h"
#include "EApplicationView.h"
#include "EAttributeList.h"
#include "EFlags.h"
#include "EProgram.h"
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
    EApplicationView window(&application, ProgramName, list);
    // A window that could not be made was reported; no loop without it.
    if (!window.Handle())
        return;
    window.Show();
    EApplication::RunMessageLoop();
}
