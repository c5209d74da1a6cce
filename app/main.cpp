#include <windows.h>

#include "EApplication.h"
#include "EAttributeList.h"
#include "EProgram.h"
#include "MainWindow.h"

namespace {

const char ProgramName[] = "Ombrel";

}

void app::main(int argc, char* argv[])
{
    if (EApplication::FindRunningInstance(ProgramName))
        return;
    EApplication application(ProgramName, argc, argv);

    EAttributeList list;
    MainWindow::Attributes(list, ProgramName);
    MainWindow window(&application, ProgramName, list);
    // A window that could not be made was reported; no loop without it.
    if (!window.Handle())
        return;
    window.Show();
    EApplication::RunMessageLoop();
}
