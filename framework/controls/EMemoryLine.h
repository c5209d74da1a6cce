#ifndef OMBREL_EMEMORYLINE_H
#define OMBREL_EMEMORYLINE_H

// The About dialog's memory line in the interface language: available and
// total physical memory in whole kilobytes and the available share in
// percent. A total below 1 KB (unknown) gives a line without figures.
// buffer holds at least 64 bytes.
void EFormatMemoryLine(char* buffer, unsigned long long totalBytes, unsigned long long availableBytes);

// The same for this machine, now.
void EReadMemoryLine(char* buffer);

#endif
