#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "EFlags.h"
#include "EKeyTree.h"
#include "ProgramSettings.h"

namespace {

void Make(const std::string& path, const char* valueName = nullptr)
{
    REQUIRE(MakeKey(path, valueName));
}

const char Maker[] = "Software\\OmbrelTestMaker";
const char Product[] = "Software\\OmbrelTestMaker\\Product";
const char Sibling[] = "Software\\OmbrelTestMaker\\Sibling";

// The product with settings and a tree three levels deep.
void MakeProduct()
{
    Make(std::string(Product) + "\\Settings", "Left");
    Make(std::string(Product) + "\\a\\b\\c", "Deep");
    for (int i = 0; i < 12; i++)
        Make(std::string(Product) + "\\many\\" + std::to_string(i));
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
        Make(Maker, c.makerValue);
        CHECK(UninstallKeys(HKEY_CURRENT_USER, c.makerPath, Product) == c.result);
        CHECK_FALSE(KeyExists(Product));
        CHECK(KeyExists(Maker) == c.makerKept);
    }
}

TEST_CASE("uninstall: nothing is touched when a key path is not what it should be")
{
    CleanKeyTree clean(Maker);
    MakeProduct();
    Make(Sibling);
    const char* products[] = {nullptr,
                              "",
                              "Software",
                              "\\Software\\OmbrelTestMaker\\Product",
                              "Software\\OmbrelTestMaker\\Product\\",
                              "Software\\\\OmbrelTestMaker\\Product",
                              "Software\\OmbrelTestMaker",
                              "Software\\OmbrelTestMakerProduct",
                              "Software\\OmbrelTestMaker\\Product\\a"};
    for (const char* product : products) {
        CAPTURE(product ? product : "(null)");
        CHECK(UninstallKeys(HKEY_CURRENT_USER, Maker, product) == ERROR_INVALID_PARAMETER);
    }
    // A maker path that is not the product's parent.
    CHECK(UninstallKeys(HKEY_CURRENT_USER, "Software\\OmbrelTestMake", Product) == ERROR_INVALID_PARAMETER);
    CHECK(UninstallKeys(HKEY_CURRENT_USER, "", Product) == ERROR_INVALID_PARAMETER);
    CHECK(UninstallKeys(HKEY_CURRENT_USER, "Software\\OmbrelTestMaker\\", Product) == ERROR_INVALID_PARAMETER);
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
        Make(target + "\\Inner", "Keep");
        Make(Maker);
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

TEST_CASE("key trees: deleted from the leaves up; the root itself is refused")
{
    CleanKeyTree clean(Maker);
    MakeProduct();
    CHECK(DeleteKeyTree(HKEY_CURRENT_USER, "") == ERROR_INVALID_PARAMETER);
    CHECK(DeleteKeyTree(HKEY_CURRENT_USER, nullptr) == ERROR_INVALID_PARAMETER);
    CHECK(KeyExists("Software"));
    CHECK(DeleteKeyTree(HKEY_CURRENT_USER, "Software\\OmbrelTestMaker\\Missing") == ERROR_FILE_NOT_FOUND);

    CHECK(DeleteKeyTree(HKEY_CURRENT_USER, Product) == ERROR_SUCCESS);
    CHECK_FALSE(KeyExists(Product));
    CHECK(KeyExists(Maker));
}

TEST_CASE("Japanese mode: keys with double-byte names are removed")
{
    REQUIRE(GetACP() == 932);
    CleanKeyTree clean(Maker);
    int saved = EDoubleByte;
    EDoubleByte = 1;
    // "ソ表" (83 5C 95 5C): both trail bytes look like backslashes.
    const std::string product = std::string(Maker) + "\\\x83\x5c\x95\x5c";
    Make(product + "\\\x90\xdd\x92\xe8\x83\x5c\x95\x5c\x90\xdd\x92\xe8\\x", "v");
    Make(Sibling);
    CHECK(UninstallKeys(HKEY_CURRENT_USER, Maker, product.c_str()) == ERROR_SUCCESS);
    CHECK_FALSE(KeyExists(product));
    CHECK(KeyExists(Sibling));
    EDoubleByte = saved;
}
