#include "MessageBoxes.h"

#include "BilingualText.h"
#include "BoundedFormat.h"

#include <cstdarg>
#include <vector>

namespace {

class SystemBoxReporter : public EBoxReporter {
public:
    int Report(HWND owner, const char* text, const char* caption, UINT style) override
    {
        return MessageBoxA(owner, text, caption, style);
    }
};

SystemBoxReporter systemReporter;
EBoxReporter* currentReporter = &systemReporter;

int ShowBox(HWND owner, const char* caption, UINT style, const char* format, va_list arguments)
{
    char text[EMessageTextSize];
    FormatBounded(text, sizeof text, format, arguments);
    return currentReporter->Report(owner, text, caption, style);
}

}

EBoxReporter* SetBoxReporter(EBoxReporter* reporter)
{
    EBoxReporter* previous = currentReporter;
    currentReporter = reporter ? reporter : &systemReporter;
    return previous == &systemReporter ? nullptr : previous;
}

#define OMBREL_BOX(name, english, japanese, style)                                   \
    int name(HWND owner, const char* format, ...)                                    \
    {                                                                                \
        va_list arguments;                                                           \
        va_start(arguments, format);                                                 \
        int result = ShowBox(owner, Bilingual(english, japanese), style, format, arguments); \
        va_end(arguments);                                                           \
        return result;                                                               \
    }

OMBREL_BOX(ErrorBox, "Error", "ｴﾗｰ", MB_OK | MB_ICONHAND)
OMBREL_BOX(WarningBox, "Warning", "注意", MB_OK | MB_ICONHAND)
OMBREL_BOX(FatalBox, "Fatal", "致命的なｴﾗｰ", MB_OK | MB_ICONHAND)
OMBREL_BOX(ConfirmationBox, "Confirmation", "確認", MB_OKCANCEL | MB_ICONEXCLAMATION)
OMBREL_BOX(QuestionBox, "Confirmation", "確認", MB_YESNOCANCEL | MB_ICONQUESTION)

int TextBox(HWND owner, const std::wstring& text, const char* caption, UINT style)
{
    if (currentReporter != &systemReporter) {
        int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::vector<char> narrow(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
        if (length > 0)
            WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, narrow.data(), length, "?", nullptr);
        return currentReporter->Report(owner, narrow.data(), caption, style);
    }
    wchar_t wideCaption[32];
    if (!MultiByteToWideChar(CP_ACP, 0, caption, -1, wideCaption, 32))
        wideCaption[0] = 0;
    return MessageBoxW(owner, text.c_str(), wideCaption, style);
}

int ErrorBoxText(HWND owner, const std::wstring& text)
{
    return TextBox(owner, text, Bilingual("Error", "ｴﾗｰ"), MB_OK | MB_ICONHAND);
}
