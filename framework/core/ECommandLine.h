#ifndef OMBREL_ECOMMANDLINE_H
#define OMBREL_ECOMMANDLINE_H

// A private, writable copy of the command line. The splitter cuts it into
// arguments in place, so the argument texts point into this copy and live
// as long as it does.
class ECommandLine {
public:
    explicit ECommandLine(const char* text);
    ~ECommandLine();
    ECommandLine(const ECommandLine&) = delete;
    ECommandLine& operator=(const ECommandLine&) = delete;

    // Splits the copy into at most maxArgs arguments, stored in args[0..];
    // returns how many. Call once: it writes terminators into the copy.
    int Split(char** args, int maxArgs);

    // The splitting rule on any writable text: blanks separate arguments, a
    // double quote opens an argument that runs to the next double quote,
    // there is no escape character. Only ever writes inside the text.
    static int Split(char* text, char** args, int maxArgs);

private:
    char* copy;
};

#endif
