#include "ELanguage.h"

// Apart from the rest of the language code, so that a program without
// windows can ask it without linking the window code.
bool EIsDoubleByteCodePage()
{
    CPINFO info;
    return GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 2;
}
