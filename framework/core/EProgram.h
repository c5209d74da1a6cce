#ifndef OMBREL_EPROGRAM_H
#define OMBREL_EPROGRAM_H

// The program's own entry, defined by the program and called once by the
// framework's process entry after start-up. argv[0] is the module path.
// Returns the process's exit code.
namespace app {
int main(int argc, char* argv[]);
}

#endif
