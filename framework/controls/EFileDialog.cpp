#include "EFileDialog.h"

#include <cstring>
#include <string>

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
    return Choose(GetOpenFileNameA, OFN_EXPLORER | OFN_PATHMUSTEXIST);
}

int EFileDialog::Save()
{
    return Choose(GetSaveFileNameA, OFN_EXPLORER | OFN_OVERWRITEPROMPT);
}

int EFileDialog::Choose(Chooser chooser, DWORD runFlags)
{
    // A failed run may write into the buffer (a too-small buffer gets the
    // size it needs): the last chosen path must survive it.
    std::string last(fileBuffer);
    request.hwndOwner = OwnerHandle();
    request.Flags = flags | runFlags;
    if (chooser(&request))
        return 1;
    std::memcpy(fileBuffer, last.c_str(), last.size() + 1);
    return 0;
}
