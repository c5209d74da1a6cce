#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "EFlags.h"
#include "EKeyTree.h"
#include "FlagScope.h"
#include "ProgramSettings.h"

namespace {

const char Maker[] = "Software\\OmbrelTestMaker";
const char Product[] = "Software\\OmbrelTestMaker\\Product";
const char Sibling[] = "Software\\OmbrelTestMaker\\Sibling";

// The product with settings and a tree three levels deep.
void MakeProduct()
{
    REQUIRE(MakeKey(std::string(Product) + "\\Settings", "Left"));
    REQUIRE(MakeKey(std::string(Product) + "\\a\\b\\c", "Deep"));
    for (int i = 0; i < 12; i++)
        REQUIRE(MakeKey(std::string(Product) + "\\many\\" + std::to_string(i)));
}

}

TEST_CASE("uninstall: the maker key goes only when nothing else is left in it")
{
    struct Case {
        const char* label;
        bool product;
        const char* makerValue;
        const char* makerPath;
        LONG result;
        bool makerKept;
    } cases[] = {
        {"only the product and the program's own value", true, "Force english", Maker, ERROR_SUCCESS, false},
        {"a value the program does not own", true, "Other", Maker, ERROR_SUCCESS, true},
        {"no maker path", true, nullptr, nullptr, ERROR_SUCCESS, true},
        {"a missing product key stops the uninstall", false, nullptr, Maker, ERROR_FILE_NOT_FOUND, true},
    };
    for (const Case& c : cases) {
        INFO(c.label);
        CleanKeyTree clean(Maker);
        if (c.product)
            MakeProduct();
        REQUIRE(MakeKey(Maker, c.makerValue));
        CHECK(UninstallKeys(HKEY_CURRENT_USER, c.makerPath, Product) == c.result);
        CHECK_FALSE(KeyExists(Product));
        CHECK(KeyExists(Maker) == c.makerKept);
    }
}

// Only the product key may go, and the root never: anything else is refused
// before a key is touched.
TEST_CASE("uninstall: nothing is touched when a key path is not what it should be; the root is refused")
{
    CleanKeyTree clean(Maker);
    MakeProduct();
    REQUIRE(MakeKey(Sibling));
    const struct {
        const char* maker;
        const char* product;
    } cases[] = {
        {Maker, nullptr}, {Maker, ""}, {Maker, "Software"},
        {Maker, "\\Software\\OmbrelTestMaker\\Product"},
        {Maker, "Software\\OmbrelTestMaker\\Product\\"},
        {Maker, "Software\\\\OmbrelTestMaker\\Product"},
        {Maker, "Software\\OmbrelTestMaker"}, {Maker, "Software\\OmbrelTestMakerProduct"},
        {Maker, "Software\\OmbrelTestMaker\\Product\\a"},
        // A maker path that is not the product's parent.
        {"Software\\OmbrelTestMake", Product}, {"", Product}, {"Software\\OmbrelTestMaker\\", Product},
    };
    for (const auto& c : cases) {
        CAPTURE(c.maker);
        CAPTURE(c.product ? c.product : "(null)");
        CHECK(UninstallKeys(HKEY_CURRENT_USER, c.maker, c.product) == ERROR_INVALID_PARAMETER);
    }
    CHECK(DeleteKeyTree(HKEY_CURRENT_USER, "") == ERROR_INVALID_PARAMETER);
    CHECK(DeleteKeyTree(HKEY_CURRENT_USER, nullptr) == ERROR_INVALID_PARAMETER);
    CHECK(KeyExists("Software"));
    CHECK(KeyExists(std::string(Product) + "\\a\\b\\c"));
    CHECK(KeyExists(std::string(Product) + "\\many\\11"));
    CHECK(KeyExists(Sibling));
}

TEST_CASE("uninstall: a registry link goes itself, never the key it points to")
{
    const char Other[] = "Software\\OmbrelTestOther";
    const std::string target = std::string(Other) + "\\Target";
    struct Case {
        const char* label;
        std::string link;
    } cases[] = {
        {"a link below the product key", std::string(Product) + "\\a\\Link"},
        {"the product key itself a link", Product},
    };
    for (const Case& c : cases) {
        INFO(c.label);
        CleanKeyTree clean(Maker);
        CleanKeyTree cleanOther(Other);
        REQUIRE(MakeKey(target + "\\Inner", "Keep"));
        REQUIRE(MakeKey(Maker));
        if (c.link != Product)
            MakeProduct();
        REQUIRE(MakeLink(c.link, target));
        REQUIRE(KeyExists(c.link + "\\Inner"));
        CHECK(UninstallKeys(HKEY_CURRENT_USER, Maker, Product) == ERROR_SUCCESS);
        CHECK_FALSE(KeyExists(Product));
        CHECK(KeyExists(target + "\\Inner"));
        CHECK_FALSE(KeyExists(Maker));
    }
}

TEST_CASE("Japanese mode: keys with double-byte names are removed")
{
    REQUIRE(GetACP() == 932);
    CleanKeyTree clean(Maker);
    FlagScope doubleByte(EDoubleByte, 1);
    // "ソ表" (83 5C 95 5C): both trail bytes look like backslashes.
    const std::string product = std::string(Maker) + "\\\x83\x5c\x95\x5c";
    REQUIRE(MakeKey(product + "\\\x90\xdd\x92\xe8\x83\x5c\x95\x5c\x90\xdd\x92\xe8\\x", "v"));
    REQUIRE(MakeKey(Sibling));
    CHECK(UninstallKeys(HKEY_CURRENT_USER, Maker, product.c_str()) == ERROR_SUCCESS);
    CHECK_FALSE(KeyExists(product));
    CHECK(KeyExists(Sibling));
}
