#include "EFlags.h"

int EJapanese = 0;
int EDoubleByte = 0;
int ESmallScreen = 0;
