#include "EStartup.h"

#include "EApplication.h"
#include "EFlags.h"
#include "ELanguage.h"

void EStartProgram()
{
    EDoubleByte = EIsDoubleByteCodePage() ? 1 : 0;

    LANGID language = GetSystemDefaultLangID();
    DWORD forceEnglish = 0;
    LONG status = ERROR_FILE_NOT_FOUND;
    if (PRIMARYLANGID(language) == LANG_JAPANESE)
        status = ERegReadNumber(HKEY_CURRENT_USER, "Software\\KorvaneSoft", "Force english", &forceEnglish);
    EJapanese = EChooseJapanese(language, status, forceEnglish) ? 1 : 0;
    if (!EJapanese && !EApplication::codeConversion)
        EApplication::codeConversion = ELoadCodeConversion();
}
