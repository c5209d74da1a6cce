#ifndef OMBREL_RUNGUARDS_H
#define OMBREL_RUNGUARDS_H

#include <string>

class ErrorSink;

// 1 when a run between the two folders may start: both are full paths and
// neither is the other nor lies inside it, in any spelling. Then *from and
// *to hold them in the \\?\ form, resolved. Otherwise tells why and returns
// 0, before anything on disk is touched. The destination need not exist yet.
int CheckSafeFolders(ErrorSink& errors, const std::wstring& source, const std::wstring& destination,
                     std::wstring* from, std::wstring* to);

#endif
