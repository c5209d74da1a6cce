#include "LogList.h"

#include <commctrl.h>

namespace {

EAttributeList& Placed(EAttributeList& list, int width, int height)
{
    return list.Set(EKey::Width, width).Set(EKey::Height, height).Set(EKey::ExStyle, WS_EX_CLIENTEDGE)
        .Set(EKey::Style, LVS_REPORT | LVS_SINGLESEL);
}

}

LogList::LogList(int width, int height, bool columns)
    : log(&view, "", Placed(logList, width, height)), parent(view.Handle()), list(log.Handle())
{
    SendMessageA(list, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(list, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
    const EListColumn logColumns[] = {{"Operation", 80, 0}, {"Source", 300, 0}, {"Destination", 200, 0}};
    if (columns)
        log.InsertColumns(3, logColumns);
    RedrawWindow(parent, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}
