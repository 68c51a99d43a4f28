#include "platform/Wildcard.h"

#include <gtest/gtest.h>

namespace {

struct WildcardCase {
    const char* wildcard;
    const char* name;
    bool matches;
};

TEST(Wildcard, MatchesAsTheOriginalFileSystemDoes)
{
    const WildcardCase cases[] = {
        {"*.*", "Tools", true},  // no dot needed
        {"*.*", "a.b.c", true},
        {"*.*", ".git", true},
        {"*.txt", "a.txt", true},
        {"*.txt", "B.TXT", true},
        {"*.txt", "a.TxT", true},
        {"*.txt", ".txt", true},
        {"*.txt", "a.txt.txt", true},
        {"*.txt", "c.log", false},
        {"*.txt", "a.txt.bak", false},
        {"*.txt", "a.txtx", false},
        {"*.txt", "txt", false},
        {"*.txt", "\xe4\xbd\xa0\xe5\xa5\xbd.txt", true},
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"*a*b*", "xxaxxbxx", true},
        {"*a*b*", "xxbxxaxx", false},
    };
    for (const WildcardCase& test : cases)
        EXPECT_EQ(platform::wildcardMatches(test.wildcard, test.name), test.matches)
            << test.wildcard << " against " << test.name;
}

TEST(Wildcard, EqualsIgnoringOnlyAsciiCase)
{
    EXPECT_TRUE(platform::equalsIgnoringAsciiCase("B.TXT", "b.txt"));
    EXPECT_FALSE(platform::equalsIgnoringAsciiCase("B.TXT", "b.txt "));
    // Bytes of a multi-byte character are compared exactly.
    EXPECT_FALSE(platform::equalsIgnoringAsciiCase("\xc3\x84", "\xc3\xa4"));
}

}  // namespace
