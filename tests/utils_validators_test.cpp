#include "util/validators.h"

#include <gtest/gtest.h>

TEST(UserNameValidator, LengthBoundsInBytes)
{
    EXPECT_FALSE(IsUserNameValid("ab"));
    EXPECT_TRUE(IsUserNameValid("abc"));
    EXPECT_TRUE(IsUserNameValid(std::string(15, 'x')));
    EXPECT_FALSE(IsUserNameValid(std::string(16, 'x')));
    EXPECT_FALSE(IsUserNameValid(""));
}

TEST(UserNameValidator, ChineseCharactersCountTwoBytes)
{
    EXPECT_TRUE(IsUserNameValid("\xD6\xD0\xCE\xC4")); // two characters, 4 bytes
    EXPECT_FALSE(IsUserNameValid("\xD6\xD0"));        // one character, 2 bytes
    // Eight characters are 16 bytes: over the limit although only 8 characters long.
    std::string strEight;
    for (int i = 0; i < 8; ++i)
        strEight += "\xD6\xD0";
    EXPECT_FALSE(IsUserNameValid(strEight));
}

TEST(PasswordValidator, LengthBounds)
{
    EXPECT_FALSE(IsPasswordValid(std::string(5, 'p')));
    EXPECT_TRUE(IsPasswordValid(std::string(6, 'p')));
    EXPECT_TRUE(IsPasswordValid(std::string(20, 'p')));
    EXPECT_FALSE(IsPasswordValid(std::string(21, 'p')));
}

TEST(EmailValidator, AcceptedForms)
{
    EXPECT_TRUE(IsEmailValid("user@host.com"));
    EXPECT_TRUE(IsEmailValid("first-last@mail.host.cn"));
    EXPECT_TRUE(IsEmailValid("first_last@host.com"));
    EXPECT_TRUE(IsEmailValid("first.last@host.com"));
    EXPECT_TRUE(IsEmailValid("u1@h2.c3"));
}

TEST(EmailValidator, RejectedForms)
{
    EXPECT_FALSE(IsEmailValid("user@host"));
    EXPECT_FALSE(IsEmailValid("a-b-c@host.com"));
    EXPECT_FALSE(IsEmailValid("a..b@host.com"));
    EXPECT_FALSE(IsEmailValid("a+b@host.com"));
    EXPECT_FALSE(IsEmailValid("a b@host.com"));
    EXPECT_FALSE(IsEmailValid("ab@ho st.com"));
    EXPECT_FALSE(IsEmailValid("user@host.com "));
    EXPECT_FALSE(IsEmailValid(" user@host.com"));
    EXPECT_FALSE(IsEmailValid("@host.com"));
    EXPECT_FALSE(IsEmailValid(""));
    // A full match, not a search: a valid address inside other text is no address.
    EXPECT_FALSE(IsEmailValid("mail: user@host.com"));
}

TEST(EmailValidator, LengthLimit)
{
    const std::string strDomain = "@example.com"; // 12 bytes
    EXPECT_TRUE(IsEmailValid(std::string(254 - strDomain.size(), 'a') + strDomain));
    EXPECT_FALSE(IsEmailValid(std::string(255 - strDomain.size(), 'a') + strDomain));
}

// The regular expression engine recurses per character and overflows the stack near
// 10,000 characters: the text must be refused before it gets there.
TEST(EmailValidator, VeryLongTextIsRefusedWithoutCrash)
{
    EXPECT_FALSE(IsEmailValid(std::string(50000, 'a') + "@host.com"));
    EXPECT_FALSE(IsEmailValid(std::string(50000, 'a')));
}
