// How the release notes become the rows of the wizard's first page.

#include "update/updateinfo.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Rows(const std::string& info)
{
    std::vector<std::string> rows;
    for (const CString& row : SplitUpdateInfo(CString(info)))
        rows.push_back(row.Str());
    return rows;
}

} // namespace

TEST(UpdateInfo, PiecesBecomeRowsInTextOrder)
{
    typedef std::vector<std::string> Rows_;
    EXPECT_EQ((Rows_{"a", "b", "c"}), Rows("a|b|c"));
    EXPECT_EQ((Rows_{"a", "b", ""}), Rows("a|b|"));
    EXPECT_EQ((Rows_{"", "x"}), Rows("|x"));
    EXPECT_EQ((Rows_{""}), Rows(""));
    EXPECT_EQ((Rows_{"no separator"}), Rows("no separator"));
}

// At most 21 pieces are split off from the end; the first row keeps the rest whole.
TEST(UpdateInfo, TwentyFivePiecesGiveTwentyTwoRows)
{
    std::string info;
    for (int i = 1; i <= 25; ++i)
        info += (i > 1 ? "|p" : "p") + std::to_string(i);
    std::vector<std::string> rows = Rows(info);
    ASSERT_EQ(22u, rows.size());
    EXPECT_EQ("p1|p2|p3|p4", rows[0]);
    EXPECT_EQ("p5", rows[1]);
    EXPECT_EQ("p25", rows[21]);
}

// In code page 936 the second byte of a character can be the byte of "|": such a
// character is not a separator.
TEST(UpdateInfo, TrailByteThatLooksLikeASeparatorIsNotOne)
{
    const std::string wide = "\x81\x7C"; // one double-byte character
    EXPECT_EQ((std::vector<std::string>{"a", wide + "b"}), Rows("a|" + wide + "b"));
    EXPECT_EQ(-1, CString(wide).ReverseFind('|'));
    EXPECT_EQ(2, CString("x|" + wide).ReverseFind('|') + 1);
}
