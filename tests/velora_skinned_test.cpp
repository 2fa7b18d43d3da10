// Velora as a user starts it, with the flat test skins installed as its "Skins": after
// start the caption is painted from the skin images, and the left pane shows the first
// category's subtree with its first leaf chosen.

#include "skin_colours.h"
#include "tests/support/appdriver.h"
#include "tests/support/screenarea.h"
#include "tests/support/standin.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const char kListPath[] = "/client/Tree/getchildnode.aspx";
const char kTreePath[] = "/client/tree/getchildnoebyrootnode.aspx";

std::string Node(int nNodeId, bool bLeaf, const std::string& strChildren = "")
{
    std::string strJson = "{\"nodeid\":\"" + std::to_string(nNodeId) + "\",\"nodename\":\"N" + std::to_string(nNodeId) +
                          "\",\"isleaf\":\"" + (bLeaf ? "1" : "0") + "\"";
    return strJson + (strChildren.empty() ? "" : ",\"children\":[" + strChildren + "]") + "}";
}

std::string Reply(const std::string& strTable)
{
    return "{\"errorcode\":0,\"data\":{\"table\":" + strTable + "}}";
}

// The control that shows the tree: the frame's only tree-view.
BOOL CALLBACK FindTree(HWND hWnd, LPARAM lResult)
{
    char szClass[32] = "";
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (strcmp(szClass, "SysTreeView32") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(lResult) = hWnd;
    return FALSE;
}

// Waits until the screen shows colour at (x, y).
bool WaitForPixel(int x, int y, COLORREF colour)
{
    return WaitUntil([=] { return ScreenPixel(x, y) == colour; }, 15000, 100);
}

} // namespace

TEST(VeloraSkinned, StartShowsTheSkinnedCaptionAndTheFirstCategorysTree)
{
    ASSERT_TRUE(StandIn::Reset());
    ASSERT_TRUE(StandIn::QueueReply(kListPath, 200, Reply("[" + Node(10, false) + "," + Node(20, false) + "]")));
    ASSERT_TRUE(StandIn::QueueReply(
        kTreePath, 200,
        Reply(Node(10, false, Node(11, false, Node(111, true) + "," + Node(112, true)) + "," + Node(12, true)))));
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.Install(WinePath(kSkinFlatDir), "Skins"));
    ASSERT_TRUE(app.WriteFile("data\\config.vr", std::string("\0\0", 2)));
    ASSERT_TRUE(app.Start());
    HWND hFrame = app.WaitForWindow("Velora", nullptr, 30000);
    ASSERT_NE(nullptr, hFrame);
    RECT rcFrame;
    GetWindowRect(hFrame, &rcFrame);

    // the band's background, the chosen first entry, the close button's glyph
    EXPECT_TRUE(WaitForPixel(rcFrame.left + 600, rcFrame.top + 40, kSkinFlat_bg_title_bar));
    EXPECT_EQ(kSkinFlat_book_menu_focus, ScreenPixel(rcFrame.left + 116, rcFrame.top + 5));
    EXPECT_EQ(kSkinFlat_icon_close, ScreenPixel(rcFrame.left + 898, rcFrame.top + 14));

    // rows of 30 pixels: the blank root, category 11, its first leaf 111 (chosen), leaf 112
    HWND hTree = NULL;
    EnumChildWindows(hFrame, FindTree, reinterpret_cast<LPARAM>(&hTree));
    ASSERT_NE(nullptr, hTree);
    RECT rcTree;
    GetWindowRect(hTree, &rcTree);
    EXPECT_TRUE(WaitForPixel(rcTree.left + 5, rcTree.top + 2 * 30 + 15, kSkinFlat_item_focus));
    EXPECT_EQ(RGB(238, 238, 238), ScreenPixel(rcTree.left + 5, rcTree.top + 3 * 30 + 15));
    ASSERT_EQ(1u, StandIn::Requests(kTreePath).size());
    EXPECT_EQ("nodeid=10&", StandIn::Requests(kTreePath)[0].body);
    CAppDriver::Screenshot(hFrame, WinePath(VELORA_SCREENSHOTS) + "\\velora-skinned.png");

    PostMessage(hFrame, WM_CLOSE, 0, 0);
    DWORD dwExitCode = 99;
    EXPECT_TRUE(app.WaitForExit(15000, dwExitCode));
    EXPECT_EQ(0u, dwExitCode);
}
