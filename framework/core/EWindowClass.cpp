#include "EWindowClass.h"

#include "EApplication.h"
#include "EAttributeList.h"
#include "EFlags.h"
#include "EWindowProc.h"

ATOM ERegisterWindowClass(const EAttributeList& list)
{
    const char* className = reinterpret_cast<const char*>(list.Get(EKey::ClassName));
    WNDCLASSA wc;
    if (GetClassInfoA(EApplication::instance, className, &wc))
        return 1;
    if (EApplication::previousInstance)
        return 0;

    EValue value;
    wc.style = list.Find(EKey::ClassStyle, &value) ? static_cast<UINT>(value) : CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = list.Find(EKey::WndProc, &value) ? reinterpret_cast<WNDPROC>(value) : EWindowProc;
    wc.cbClsExtra = static_cast<int>(list.Get(EKey::ClsExtra));
    wc.cbWndExtra = static_cast<int>(list.Get(EKey::WndExtra));
    wc.hInstance = EApplication::instance;
    wc.hIcon = reinterpret_cast<HICON>(list.Get(EKey::Icon));
    wc.hCursor = list.Find(EKey::Cursor, &value) ? reinterpret_cast<HCURSOR>(value) : LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(list.Find(EKey::Background, &value) ? value : COLOR_WINDOW + 1);
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = className;
    return RegisterClassA(&wc);
}

void EAddUIFontAttributes(EAttributeList& list)
{
    if (EJapanese) {
        list.Set(EKey::CharSet, SHIFTJIS_CHARSET);
        list.Set(EKey::FaceName, "ＭＳ Ｐゴシック");
    } else {
        list.Set(EKey::FaceName, "Arial");
    }
}
