#include "SetFileText.h"

#include "SetLine.h"
#include "SetList.h"
#include "SyncSet.h"

namespace {

// The reader's line buffer: longer lines come in pieces, each a line of its own.
const std::size_t LineBufferSize = 1024;

void AppendLine(std::string& out, const char* key, const char* value, const char* end)
{
    out += key;
    out += value;
    out += end;
}

void AppendFlag(std::string& out, const char* key, int flag)
{
    out += key;
    out += flag ? 'Y' : 'N';
    out += "\r\n";
}

// Copies the next piece into line, as fgets would; returns the bytes used.
std::size_t NextLine(const char* bytes, std::size_t size, char (&line)[LineBufferSize])
{
    std::size_t length = 0;
    while (length < LineBufferSize - 1 && length < size) {
        char c = bytes[length];
        line[length++] = c;
        if (c == '\n')
            break;
    }
    line[length] = '\0';
    return length;
}

}

const char ByteOrderMark[] = "\xEF\xBB\xBF";

bool StartsWithByteOrderMark(const std::string& bytes)
{
    return bytes.compare(0, 3, ByteOrderMark) == 0;
}

std::string FormatSetFile(const SetList& list, bool byteOrderMark)
{
    std::string out = byteOrderMark ? ByteOrderMark : "";
    for (int i = list.Count() - 1; i >= 0; --i) {
        const SyncSet& record = list.RecordAt(i);
        AppendLine(out, "[", list.NameAt(i), "]\r\n");
        AppendLine(out, "SRC=\"", record.Source(), "\"\r\n");
        AppendLine(out, "DST=\"", record.Destination(), "\"\r\n");
        AppendFlag(out, "DELETE=", record.DeleteFlag());
        AppendFlag(out, "DOSTIME=", record.DosTimeFlag());
        AppendFlag(out, "FORCE=", record.ForceFlag());
        AppendFlag(out, "EXCLUDEOBJ=", record.ExcludeObjectFlag());
        out += "\r\n";
    }
    return out;
}

void ParseSetFile(const char* bytes, std::size_t size, SetList& list)
{
    list.ClearCurrent();
    CurrentSet& current = list.Current();
    char line[LineBufferSize];
    std::size_t position = 0;
    if (size >= 3 && std::string(bytes, 3) == ByteOrderMark)
        position = 3;
    while (position < size) {
        position += NextLine(bytes + position, size - position, line);
        if (line[0] == '[') {
            // The previous section is complete; one without a name is dropped.
            if (current.name[0])
                list.AppendCurrentUnshown();
            list.ClearCurrent();
        }
        ParseSetLine(line, current);
    }
    if (current.name[0])
        list.AppendCurrentUnshown();
    list.FinishLoading();
    list.SelectTop();
    list.LoadSetAt(0);
    list.ShowCurrent();
}

bool IsCompleteSetFile(const std::string& bytes)
{
    SetList scratch;
    ParseSetFile(bytes.data(), bytes.size(), scratch);
    return FormatSetFile(scratch, StartsWithByteOrderMark(bytes)) == bytes;
}
