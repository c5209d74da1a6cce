#ifndef OMBREL_RESOURCE_H
#define OMBREL_RESOURCE_H

// The program's icon; also the main window's small icon.
#define IDI_OMBREL 100

#endif
