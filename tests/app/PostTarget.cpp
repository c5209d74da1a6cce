#include "PostTarget.h"

#include <utility>

namespace {

const char ClassName[] = "OmbrelAppTestTarget";
const UINT RunPending = WM_APP + 1;

}

PostTarget::PostTarget()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = ClassName;
    RegisterClassA(&windowClass);
    window = CreateWindowExA(0, ClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

PostTarget::~PostTarget()
{
    DestroyWindow(window);
}

void PostTarget::Post(std::function<void()> function)
{
    pending = std::move(function);
    PostMessageA(window, RunPending, 0, 0);
}

LRESULT CALLBACK PostTarget::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != RunPending)
        return DefWindowProcA(window, message, wParam, lParam);
    PostTarget* target = reinterpret_cast<PostTarget*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (target && target->pending) {
        target->dispatched++;
        std::function<void()> function = std::move(target->pending);
        target->pending = nullptr;
        function();
    }
    return 0;
}
