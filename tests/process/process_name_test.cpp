#include <gtest/gtest.h>

#include "process/process_list.h"
#include "process/process_termination.h"

namespace lexo {
namespace {

TEST(ProcessNameMatches, BareNameInAnyMixOfLatinCase) {
    EXPECT_TRUE(ProcessNameMatches("zarnik.exe", "zarnik.exe"));
    EXPECT_TRUE(ProcessNameMatches("ZARNIK.EXE", "zarnik.exe"));
    EXPECT_TRUE(ProcessNameMatches("ZaRnIk.ExE", "zArNiK.eXe"));
    EXPECT_FALSE(ProcessNameMatches("zarnik", "zarnik.exe"));
    EXPECT_FALSE(ProcessNameMatches("zarnik.exe", ""));
}

TEST(ProcessNameMatches, OnlyLatinLettersAreFolded) {
    // "игра" and "ИГРА" in code page 1251.
    const std::string lower = "\xE8\xE3\xF0\xE0";
    const std::string upper = "\xC8\xC3\xD0\xC0";
    EXPECT_TRUE(ProcessNameMatches(lower, lower));
    EXPECT_FALSE(ProcessNameMatches(lower, upper));
    EXPECT_FALSE(ProcessNameMatches(upper, lower));
    EXPECT_TRUE(ProcessNameMatches("Zarnik" + lower, "ZARNIK" + lower));
    // '@' and '`' sit next to the capitals and small letters; '{' follows 'z'.
    EXPECT_FALSE(ProcessNameMatches("@", "`"));
    EXPECT_FALSE(ProcessNameMatches("[", "{"));
}

TEST(ProcessNameMatches, LastComponentOfAPathAfterSlashBackslashOrColon) {
    EXPECT_TRUE(ProcessNameMatches("/opt/game/zarnik", "ZARNIK"));
    EXPECT_TRUE(ProcessNameMatches("C:\\Games\\Zarnik.exe", "zarnik.exe"));
    EXPECT_TRUE(ProcessNameMatches("C:zarnik.exe", "zarnik.exe"));
    EXPECT_TRUE(ProcessNameMatches("a\\b/c:zarnik", "zarnik"));
    EXPECT_FALSE(ProcessNameMatches("/opt/zarnik/game", "zarnik"));
    EXPECT_FALSE(ProcessNameMatches("zarnik/", "zarnik"));
}

TEST(ProcessNameMatches, ContainingTheTargetIsNotEnough) {
    EXPECT_FALSE(ProcessNameMatches("zarnik.exe.bak", "zarnik.exe"));
    EXPECT_FALSE(ProcessNameMatches("old-zarnik.exe", "zarnik.exe"));
    EXPECT_FALSE(ProcessNameMatches("zarnik.exe ", "zarnik.exe"));
}

TEST(ProcessNameMatches, WholeNameCountsWhenTheTargetHoldsASeparator) {
    EXPECT_TRUE(ProcessNameMatches("/bin/zarnik", "/BIN/ZARNIK"));
    EXPECT_FALSE(ProcessNameMatches("/usr/bin/zarnik", "/bin/zarnik"));
}

TEST(ExecutableNameFromLink, FileNameOfTheTargetEvenOnceDeleted) {
    EXPECT_EQ(ExecutableNameFromLink("/opt/game/zarnik"), "zarnik");
    EXPECT_EQ(ExecutableNameFromLink("/opt/game/zarnik (deleted)"), "zarnik");
    EXPECT_EQ(ExecutableNameFromLink("/opt/my game/zarnik v2"), "zarnik v2");
    EXPECT_EQ(ExecutableNameFromLink("zarnik"), "zarnik");
}

}  // namespace
}  // namespace lexo
