#ifndef OMBREL_FLAGSCOPE_H
#define OMBREL_FLAGSCOPE_H

// Sets a process-wide flag (EJapanese, EDoubleByte, ...) for the life of the
// object and puts the old value back.
class FlagScope {
public:
    FlagScope(int& flag, int value) : flag(flag), saved(flag) { flag = value; }
    ~FlagScope() { flag = saved; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    int& flag;
    int saved;
};

#endif
