#ifndef OMBREL_EFLAGS_H
#define OMBREL_EFLAGS_H

// Process-wide flags, fixed at start-up (0 or 1). Plain ints without window
// headers, so text scanners can read them anywhere.

// Japanese texts, "_J" templates, menu bar 2, the Japanese interface font.
extern int EJapanese;
// Scanners step over double-byte characters (Shift-JIS lead bytes).
extern int EDoubleByte;
// Screen at most 240 pixels wide: dialogs are centred differently.
extern int ESmallScreen;

// A Shift-JIS lead byte: 0x81 to 0x9F and 0xE0 to 0xFD.
inline bool EIsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFD);
}

#endif
