#include "EFileDialog.h"

#include <cstring>
#include <string>
#include <vector>

#include "EApplication.h"
#include "EFlags.h"
#include "EGdiObject.h"

namespace {

const char EnglishFilter[] = "All files (*.*)\0*.*\0";
const char JapaneseFilter[] = "すべてのﾌｧｲﾙ (*.*)\0*.*\0";

char* CopyFilter(const char* filter)
{
    std::size_t length = EFilterLength(filter);
    char* copy = new char[length];
    std::memcpy(copy, filter, length - 2);
    copy[length - 2] = copy[length - 1] = '\0';
    return copy;
}

const char* TextValue(const EAttributeList& list, unsigned key)
{
    return reinterpret_cast<const char*>(list.Get(key));
}

// The code page's bytes as UTF-16; length bytes, or up to the NUL.
std::wstring Widen(const char* text, int length = -1)
{
    if (!text)
        return std::wstring();
    int size = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    std::wstring wide(size > 0 ? size : 0, L'\0');
    if (size > 0)
        MultiByteToWideChar(CP_ACP, 0, text, length, &wide[0], size);
    if (length < 0 && !wide.empty())
        wide.pop_back();
    return wide;
}

// The path in the code page; false when no exact form exists. Best-fit
// look-alikes are off, and the bytes must give the path back.
bool Narrow(const wchar_t* path, std::string& narrow)
{
    BOOL usedDefault = FALSE;
    int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path, -1, nullptr, 0, nullptr, &usedDefault);
    narrow.assign(size > 0 ? size : 0, '\0');
    if (size <= 0 ||
        !WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path, -1, &narrow[0], size, nullptr, &usedDefault))
        return false;
    narrow.pop_back();
    return !usedDefault && Widen(narrow.c_str()) == path;
}

const wchar_t* OrNull(const std::wstring& text, const char* given)
{
    return given ? text.c_str() : nullptr;
}

}

std::size_t EFilterLength(const char* filter)
{
    std::size_t length = 0;
    while (filter[length] || filter[length + 1])
        length++;
    return length + 2;
}

EFileDialog::EFileDialog(EWindow* parent, const char*, EAttributeList& list)
    : ECommonDialog(parent), request(), fileBuffer(nullptr), fileBufferSize(MAX_PATH), filter(nullptr),
      initialDir(ECopyText(TextValue(list, EKey::InitialDir))), title(ECopyText(TextValue(list, EKey::Title))),
      defaultExt(ECopyText(TextValue(list, EKey::DefaultExtension))),
      flags(static_cast<DWORD>(list.Get(EKey::Flags)))
{
    EValue value;
    // A buffer too small for any path would make every run fail.
    if (list.Find(EKey::FileBufferSize, &value) && EIntValue(value) >= 2)
        fileBufferSize = static_cast<unsigned>(value);
    fileBuffer = new char[fileBufferSize]();
    const char* given = TextValue(list, EKey::Filter);
    filter = CopyFilter(given ? given : EJapanese ? JapaneseFilter : EnglishFilter);

    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = OwnerHandle();
    request.hInstance = EApplication::instance;
    request.lpstrFilter = filter;
    request.nFilterIndex = list.Find(EKey::FilterIndex, &value) ? static_cast<DWORD>(value) : 1;
    request.lpstrFile = fileBuffer;
    request.nMaxFile = fileBufferSize;
    request.lpstrInitialDir = initialDir;
    request.lpstrTitle = title;
    request.lpstrDefExt = defaultExt;
    if (list.Find(EKey::Hook, &value) && value) {
        flags |= OFN_ENABLEHOOK;
        request.lpfnHook = reinterpret_cast<LPOFNHOOKPROC>(value);
    }
    if (list.Find(EKey::Template, &value) && value) {
        flags |= OFN_ENABLETEMPLATE;
        request.lpTemplateName = reinterpret_cast<const char*>(value);
    }
}

EFileDialog::~EFileDialog()
{
    delete[] fileBuffer;
    delete[] filter;
    delete[] initialDir;
    delete[] title;
    delete[] defaultExt;
}

void EFileDialog::SetTitle(const char* text)
{
    delete[] title;
    title = ECopyText(text);
    request.lpstrTitle = title;
}

int EFileDialog::Open()
{
    return Choose(GetOpenFileNameW, OFN_EXPLORER | OFN_PATHMUSTEXIST);
}

int EFileDialog::Save()
{
    return Choose(GetSaveFileNameW, OFN_EXPLORER | OFN_OVERWRITEPROMPT);
}

int EFileDialog::Choose(Chooser chooser, DWORD runFlags)
{
    request.hwndOwner = OwnerHandle();
    request.Flags = flags | runFlags;
    std::wstring wideFilter = Widen(filter, static_cast<int>(EFilterLength(filter)));
    std::wstring wideTitle = Widen(title);
    std::wstring wideFolder = Widen(initialDir);
    std::wstring wideExtension = Widen(defaultExt);
    std::wstring wideTemplate;
    // The buffer proposes the last path; a failed run may write into it.
    std::vector<wchar_t> file(fileBufferSize, L'\0');
    std::wstring last = Widen(fileBuffer);
    last.copy(file.data(), fileBufferSize - 1);

    OPENFILENAMEW wide = {};
    wide.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    wide.hwndOwner = request.hwndOwner;
    wide.hInstance = request.hInstance;
    wide.lpstrFilter = wideFilter.c_str();
    wide.nFilterIndex = request.nFilterIndex;
    wide.lpstrFile = file.data();
    wide.nMaxFile = fileBufferSize;
    wide.lpstrInitialDir = OrNull(wideFolder, initialDir);
    wide.lpstrTitle = OrNull(wideTitle, title);
    wide.lpstrDefExt = OrNull(wideExtension, defaultExt);
    wide.Flags = request.Flags;
    wide.lpfnHook = request.lpfnHook;
    if (IS_INTRESOURCE(request.lpTemplateName)) {
        wide.lpTemplateName = reinterpret_cast<LPCWSTR>(request.lpTemplateName);
    } else {
        wideTemplate = Widen(request.lpTemplateName);
        wide.lpTemplateName = wideTemplate.c_str();
    }
    if (!chooser(&wide))
        return 0;
    request.nFilterIndex = wide.nFilterIndex;
    std::string chosen;
    if (!Narrow(file.data(), chosen) || chosen.size() >= fileBufferSize) {
        int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, file.data(), -1, nullptr, 0, "?", nullptr);
        refused.assign(size > 0 ? size : 1, '\0');
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, file.data(), -1, &refused[0], size, "?", nullptr);
        refused.resize(std::strlen(refused.c_str()));
        return NotInCodePage;
    }
    std::memcpy(fileBuffer, chosen.c_str(), chosen.size() + 1);
    return 1;
}
