#include <windows.h>

#include "CommandRun.h"
#include "EApplication.h"
#include "EAttributeList.h"
#include "EProgram.h"
#include "MainWindow.h"

namespace {

const char ProgramName[] = "Ombrel";

}

int app::main(int argc, char* argv[])
{
    // A run from the command line has no window, so the one-window rule
    // does not apply to it, and an open window is left where it is.
    if (IsCommandRun(argc, argv))
        return CommandRun();
    if (EApplication::FindRunningInstance(ProgramName))
        return 1;
    EApplication application(ProgramName, argc, argv);

    EAttributeList list;
    MainWindow::Attributes(list, ProgramName);
    MainWindow window(&application, ProgramName, list);
    // A window that could not be made was reported; no loop without it.
    if (!window.Handle())
        return 1;
    window.Show();
    EApplication::RunMessageLoop();
    return 1;
}
