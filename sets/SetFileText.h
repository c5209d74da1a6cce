#ifndef OMBREL_SETFILETEXT_H
#define OMBREL_SETFILETEXT_H

#include <cstddef>
#include <string>

class SetList;

// The UTF-8 byte-order mark that many editors put at the start of a file.
extern const char ByteOrderMark[];

// True when bytes start with the byte-order mark.
bool StartsWithByteOrderMark(const std::string& bytes);

// The set file's bytes for the list: eight CR LF lines per set, the last
// entry first, so reading it back puts entry 0 on top again. With
// byteOrderMark, the mark comes first, as the file being replaced had it.
std::string FormatSetFile(const SetList& list, bool byteOrderMark = false);

// Fills the emptied list from a set file's bytes, taken in reads of at most
// 1023 bytes as a line reader would, then loads and shows entry 0 (or the
// new-set defaults). A byte-order mark at the start is skipped.
void ParseSetFile(const char* bytes, std::size_t size, SetList& list);

// True when the bytes hold a set file that reads back in full: formatting
// what they give (with their byte-order mark, if any) yields the same
// bytes, so nothing would be lost by rewriting them.
bool IsCompleteSetFile(const std::string& bytes);

#endif
