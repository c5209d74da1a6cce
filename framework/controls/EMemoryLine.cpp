#include "EMemoryLine.h"

#include <windows.h>

#include "EFlags.h"

namespace {

unsigned long Kilobytes(unsigned long long bytes)
{
    unsigned long long kilobytes = bytes >> 10;
    return kilobytes > 0xFFFFFFFFull ? 0xFFFFFFFFul : static_cast<unsigned long>(kilobytes);
}

}

void EFormatMemoryLine(char* buffer, unsigned long long totalBytes, unsigned long long availableBytes)
{
    unsigned long total = Kilobytes(totalBytes);
    unsigned long available = Kilobytes(availableBytes);
    if (total == 0) {
        wsprintfA(buffer, EJapanese ? "ﾌﾟﾛｸﾞﾗﾑ: 不明" : "Program: unknown");
        return;
    }
    // 64-bit, so large memories do not overflow; never above 100.
    unsigned long long percent = static_cast<unsigned long long>(available) * 100 / total;
    if (percent > 100)
        percent = 100;
    wsprintfA(buffer, EJapanese ? "ﾌﾟﾛｸﾞﾗﾑ: %luKB/%luKB (%lu%%)" : "Program: %luKB/%luKB (%lu%%)", available, total,
              static_cast<unsigned long>(percent));
}

void EReadMemoryLine(char* buffer)
{
    MEMORYSTATUSEX status;
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        status.ullTotalPhys = status.ullAvailPhys = 0;
    EFormatMemoryLine(buffer, status.ullTotalPhys, status.ullAvailPhys);
}
