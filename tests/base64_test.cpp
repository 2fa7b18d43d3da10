#include "util/base64.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string Encode(const std::string& bytes)
{
    return Base64Encode(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned int>(bytes.size()));
}

} // namespace

TEST(Base64, EncodesFullAndPartialGroups)
{
    EXPECT_EQ("YWJj", Encode("abc"));
    EXPECT_EQ("YWI=", Encode("ab"));
    EXPECT_EQ("YQ==", Encode("a"));
    EXPECT_EQ("", Encode(""));
    EXPECT_EQ("YWJjZA==", Encode("abcd"));
    EXPECT_EQ("+/8=", Encode(std::string("\xFB\xFF", 2)));
}

TEST(Base64, DecodesFullAndPartialGroups)
{
    EXPECT_EQ("abc", Base64Decode("YWJj"));
    EXPECT_EQ("ab", Base64Decode("YWI="));
    EXPECT_EQ("a", Base64Decode("YQ=="));
    EXPECT_EQ("a", Base64Decode("YQ"));
    EXPECT_EQ("abcd", Base64Decode("YWJjZA"));
    EXPECT_EQ("ab", Base64Decode("YWI"));
    // A single left-over character carries no whole byte.
    EXPECT_EQ("abc", Base64Decode("YWJjZ"));
    EXPECT_EQ("", Base64Decode(""));
    EXPECT_EQ(std::string("\xFB\xFF", 2), Base64Decode("+/8="));
}

TEST(Base64, FirstForeignCharacterEndsDecoding)
{
    EXPECT_EQ("abc", Base64Decode("YWJj\nZGVm"));
    EXPECT_EQ("abc", Base64Decode("YWJj ZGVm"));
    EXPECT_EQ("a", Base64Decode("YQ==YWJj"));
    EXPECT_EQ("abc", Base64Decode(std::string("YWJj\x80ZGVm")));
    EXPECT_EQ("", Base64Decode("-YWJj"));
}

TEST(Base64, AlphabetMembership)
{
    int nMembers = 0;
    for (int c = 0; c < 256; ++c) {
        bool bMember = IsBase64(static_cast<unsigned char>(c));
        EXPECT_EQ(bMember, g_strBase64Alphabet.find(static_cast<char>(c)) != std::string::npos) << c;
        if (c >= 0x80) {
            EXPECT_FALSE(bMember) << c;
        }
        nMembers += bMember ? 1 : 0;
    }
    EXPECT_EQ(64, nMembers);
    EXPECT_FALSE(IsBase64('='));
    EXPECT_EQ(64u, g_strBase64Alphabet.size());
}

TEST(Base64, EveryByteValueRoundTrips)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(255 - i);
    for (size_t nLength = 0; nLength <= bytes.size(); nLength += 37) {
        std::string part = bytes.substr(0, nLength);
        std::string text = Encode(part);
        EXPECT_EQ((nLength + 2) / 3 * 4, text.size());
        EXPECT_EQ(part, Base64Decode(text)) << nLength;
    }
}
