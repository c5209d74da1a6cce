// A stand-in for the optional code-conversion library: tests only need a
// library of that name that loads and has the three entry points.
extern "C" __declspec(dllexport) int unicode2sjis(void)
{
    return 0;
}

extern "C" __declspec(dllexport) int sjis2unicode(void)
{
    return 0;
}

extern "C" __declspec(dllexport) int jis2unicode(void)
{
    return 0;
}
