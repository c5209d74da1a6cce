#ifndef OMBREL_TEXTLISTMAKER_H
#define OMBREL_TEXTLISTMAKER_H

#include <doctest/doctest.h>

#include <string>
#include <vector>

// Lists of texts print as lists when a check fails.
namespace doctest {
template <> struct StringMaker<std::vector<std::string>> {
    static String convert(const std::vector<std::string>& texts)
    {
        std::string joined = "{";
        for (const std::string& text : texts)
            joined += (joined.size() > 1 ? ", \"" : "\"") + text + "\"";
        return (joined + "}").c_str();
    }
};
}

#endif
