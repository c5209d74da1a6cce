#ifndef OMBREL_BILINGUALTEXT_H
#define OMBREL_BILINGUALTEXT_H

#include "EFlags.h"

// Picks the text of the interface language at the moment of use.
inline const char* Bilingual(const char* english, const char* japanese)
{
    return EJapanese ? japanese : english;
}

#endif
