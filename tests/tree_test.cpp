// The category tree in the left pane of a real frame: rows built from node results,
// the page each rebuild opens, hover and click on the screen, the splitter around it,
// and the frame's node results never leaving rows on freed nodes.

#include "skin_colours.h"
#include "msg/messages.h"
#include "tests/support/framedesk.h"
#include "tests/support/gdiplussession.h"
#include "tests/support/standin.h"
#include "util/codepage.h"
#include "util/treeops.h"
#include "velora/leftcontainer.h"
#include "velora/velorabrowser.h"
#include "velora/veloraapp.h"

#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace FrameDesk;

namespace {

const char kTreePath[] = "/client/tree/getchildnoebyrootnode.aspx";
const char kListPath[] = "/client/Tree/getchildnode.aspx";
const COLORREF kTreeBackground = RGB(238, 238, 238);

std::string Url(int nNodeId)
{
    return "http://pages/" + std::to_string(nNodeId);
}

TreeNode* Node(int nNodeId, const char* pszName, bool bLeaf, std::vector<TreeNode*> children = {})
{
    TreeNode* pNode = new TreeNode;
    pNode->SetNodeId(nNodeId);
    pNode->SetNodeName(pszName);
    pNode->SetNodeUrl(Url(nNodeId));
    pNode->SetIsLeaf(bLeaf ? 1 : 0);
    for (TreeNode* pChild : children)
        pNode->AddChild(pChild);
    return pNode;
}

// A reply body: the text is written in the code page of the program and sent as UTF-8.
std::string Reply(const std::string& strTable)
{
    CString strBody(("{\"errorcode\":0,\"data\":{\"table\":" + strTable + "}}").c_str());
    AnsiToUtf8(strBody);
    return strBody.Str();
}

std::string JsonNode(int nNodeId, const char* pszName, bool bLeaf, const std::string& strChildren = "",
                     const std::string& strIcon = "")
{
    std::string strJson = "{\"nodeid\":\"" + std::to_string(nNodeId) + "\",\"nodename\":\"" + pszName +
                          "\",\"nodeurl\":\"" + Url(nNodeId) + "\",\"isleaf\":\"" + (bLeaf ? "1" : "0") + "\"";
    if (!strIcon.empty())
        strJson += ",\"nodeicon\":\"" + strIcon + "\"";
    if (!strChildren.empty())
        strJson += ",\"children\":[" + strChildren + "]";
    return strJson + "}";
}

// The subtree of category 10 as the service sends it.
std::string SampleSubtree()
{
    return JsonNode(10, "路书广场", false,
                    JsonNode(11, "华北", false,
                             JsonNode(111, "北京三日游", true) + "," + JsonNode(112, "长城徒步", true),
                             TestPngBase64()) +
                        "," + JsonNode(12, "江南水乡", true));
}

CCustomTreeCtrl& Tree()
{
    return Left()->GetTree();
}

CString BrowserUrl()
{
    return dynamic_cast<CVeloraBrowser*>(Frame()->m_wndSplitter.GetPane(0, 1))->GetLastUrl();
}

// Every item, depth-first.
std::vector<HTREEITEM> Items(HTREEITEM hItem = NULL)
{
    std::vector<HTREEITEM> items;
    for (HTREEITEM h = hItem ? Tree().GetChildItem(hItem) : Tree().GetRootItem(); h; h = Tree().GetNextSiblingItem(h)) {
        items.push_back(h);
        for (HTREEITEM hBelow : Items(h))
            items.push_back(hBelow);
    }
    return items;
}

HTREEITEM ItemNamed(const char* pszName)
{
    for (HTREEITEM h : Items()) {
        if (Tree().GetItemText(h) == pszName)
            return h;
    }
    return NULL;
}

// A point of the item's row on the screen, x from the row's left edge.
POINT RowPoint(HTREEITEM hItem, int x)
{
    RECT rc = {};
    Tree().GetItemRect(hItem, &rc, FALSE);
    POINT pt = {x, (rc.top + rc.bottom) / 2};
    ClientToScreen(Tree().m_hWnd, &pt);
    return pt;
}

COLORREF RowPixel(const char* pszName)
{
    return ScreenPixel(RowPoint(ItemNamed(pszName), 5));
}

void CollectNodes(TreeNode* pNode, std::set<const TreeNode*>& nodes)
{
    nodes.insert(pNode);
    for (TreeNode* pChild : pNode->GetChildren())
        CollectNodes(pChild, nodes);
}

// Every row's node is one the frame's tree holds now (the blank root row has none).
bool RowsShowLiveNodes()
{
    std::set<const TreeNode*> live;
    CollectNodes(&Frame()->m_rootNode, live);
    for (HTREEITEM h : Items()) {
        auto pNode = reinterpret_cast<const TreeNode*>(Tree().GetItemData(h));
        if (pNode && !live.count(pNode))
            return false;
    }
    return true;
}

std::vector<std::string> Bodies(const char* pszPath)
{
    std::vector<std::string> bodies;
    for (const CReceivedRequest& request : StandIn::Requests(pszPath))
        bodies.push_back(request.body);
    return bodies;
}

// Asks for category 10's subtree as the frame does and handles the reply.
void LoadCategory(const std::string& strSubtree)
{
    ASSERT_TRUE(StandIn::QueueReply(kTreePath, 200, Reply(strSubtree)));
    Frame()->RequestNodeInfoWithAllChild(4, 10);
    ASSERT_TRUE(RunTasks());
}

class LeftTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, Frame());
        ASSERT_TRUE(StandIn::Reset());
        Left()->ClearTree();
        ReplaceChildren(&Frame()->m_rootNode, {Node(10, "路书广场", false), Node(20, "旅程攻略", false)});
        MoveMouse(FromWindow(600, 400)); // over the browser pane
    }
};

} // namespace

TEST_F(LeftTree, SampleReplyShowsTheWholeSubtreeExpandedWithItsFirstLeafChosen)
{
    LoadCategory(SampleSubtree());

    std::vector<CString> names;
    for (HTREEITEM h : Items()) {
        names.push_back(Tree().GetItemText(h));
        if (!Items(h).empty()) {
            EXPECT_EQ(static_cast<UINT>(TVIS_EXPANDED), Tree().GetItemState(h, TVIS_EXPANDED)) << names.back();
        }
    }
    EXPECT_EQ((std::vector<CString>{" ", "华北", "北京三日游", "长城徒步", "江南水乡"}), names);
    EXPECT_EQ(ItemNamed("北京三日游"), Tree().GetSelectedItem());
    EXPECT_EQ(CString(Url(111).c_str()), BrowserUrl());

    EXPECT_EQ(kSkinFlat_item_focus, RowPixel("北京三日游"));
    EXPECT_EQ(kTreeBackground, RowPixel("长城徒步"));
    EXPECT_EQ(kTreeBackground, RowPixel("华北"));
    // the category's icon at the row's left edge, at its own size (3 x 2, red first)
    POINT ptIcon = RowPoint(ItemNamed("华北"), 0);
    RECT rcRow;
    Tree().GetItemRect(ItemNamed("华北"), &rcRow, FALSE);
    ptIcon.y -= (rcRow.bottom - rcRow.top) / 2;
    EXPECT_TRUE(Near(RGB(255, 0, 0), ScreenPixel(ptIcon), 8));
    EXPECT_TRUE(Near(kTreeBackground, ScreenPixel(POINT{ptIcon.x + 4, ptIcon.y + 3}), 8));
}

TEST_F(LeftTree, EachRebuildOpensTheFirstLeafInDepthFirstOrder)
{
    const struct {
        const char* pszCase;
        std::function<TreeNode*()> make;
        int nPage; // 0: the empty address, and no row chosen
    } cases[] = {
        {"leaves at two depths",
         [] {
             return Node(1, "", false, {Node(2, "C2", false, {Node(3, "L3", true)}), Node(4, "L4", true)});
         },
         3},
        {"no leaf", [] { return Node(1, "", false, {Node(2, "C2", false, {Node(3, "C3", false)})}); }, 0},
        {"leaf under a leaf",
         [] {
             return Node(1, "", false, {Node(2, "L2", true, {Node(3, "L3", true)}), Node(4, "L4", true)});
         },
         3},
        {"empty category first",
         [] {
             return Node(1, "", false, {Node(2, "C2", false), Node(3, "L3", true)});
         },
         3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        std::unique_ptr<TreeNode> root(c.make());
        Left()->LoadTree(root.get());
        EXPECT_EQ(CString(c.nPage ? Url(c.nPage).c_str() : ""), BrowserUrl());
        HTREEITEM hChosen = Tree().GetSelectedItem();
        EXPECT_EQ(c.nPage, hChosen ? reinterpret_cast<TreeNode*>(Tree().GetItemData(hChosen))->GetNodeId() : 0);
        for (HTREEITEM h : Items()) {
            if (!Items(h).empty()) {
                EXPECT_EQ(static_cast<UINT>(TVIS_EXPANDED), Tree().GetItemState(h, TVIS_EXPANDED));
            }
        }
        Left()->ClearTree();
    }
}

TEST_F(LeftTree, HoverMarksLeavesOnlyAndLeavingClearsIt)
{
    LoadCategory(SampleSubtree());
    const struct {
        const char* pszRow;
        COLORREF hovered, otherwise;
    } rows[] = {
        {"长城徒步", kSkinFlat_item_hover, kTreeBackground},
        {"华北", kTreeBackground, kTreeBackground},                 // a category is not marked
        {"北京三日游", kSkinFlat_item_focus, kSkinFlat_item_focus}, // the chosen leaf keeps its own mark
        {"江南水乡", kSkinFlat_item_hover, kTreeBackground},
    };
    for (const auto& over : rows) {
        MoveMouse(RowPoint(ItemNamed(over.pszRow), 100));
        for (const auto& row : rows)
            EXPECT_EQ(&row == &over ? row.hovered : row.otherwise, RowPixel(row.pszRow))
                << row.pszRow << ", pointer over " << over.pszRow;
    }

    // Within one row nothing is repainted: a dot drawn on it stays.
    POINT ptDot = RowPoint(ItemNamed("江南水乡"), 150);
    HDC hScreen = GetDC(NULL);
    SetPixel(hScreen, ptDot.x, ptDot.y, RGB(255, 0, 255));
    ReleaseDC(NULL, hScreen);
    MoveMouse(RowPoint(ItemNamed("江南水乡"), 120));
    EXPECT_EQ(RGB(255, 0, 255), ScreenPixel(ptDot));
    MoveMouse(RowPoint(ItemNamed("长城徒步"), 120));
    EXPECT_NE(RGB(255, 0, 255), ScreenPixel(ptDot));

    MoveMouse(FromWindow(600, 400));
    Pump(300);
    EXPECT_EQ(kTreeBackground, RowPixel("长城徒步"));
    EXPECT_EQ(NULL, Tree().GetHoverItem());
}

TEST_F(LeftTree, ACategoryClickChangesNothingAndALeafClickOpensItsPage)
{
    LoadCategory(SampleSubtree());
    UINT nRows = Tree().GetCount();
    Click(RowPoint(ItemNamed("华北"), 60));
    EXPECT_EQ(CString(Url(111).c_str()), BrowserUrl());
    EXPECT_EQ(ItemNamed("北京三日游"), Tree().GetSelectedItem());
    EXPECT_EQ(nRows, Tree().GetCount());
    EXPECT_EQ(static_cast<UINT>(TVIS_EXPANDED), Tree().GetItemState(ItemNamed("华北"), TVIS_EXPANDED));

    Click(RowPoint(ItemNamed("长城徒步"), 60));
    EXPECT_EQ(CString(Url(112).c_str()), BrowserUrl());
    EXPECT_EQ(ItemNamed("长城徒步"), Tree().GetSelectedItem());
    MoveMouse(FromWindow(600, 400));
    EXPECT_EQ(kSkinFlat_item_focus, RowPixel("长城徒步"));
    EXPECT_EQ(kTreeBackground, RowPixel("北京三日游"));
}

// A rebuild deletes every row: the chosen and hovered rows are forgotten with them.
TEST_F(LeftTree, ARebuildForgetsTheChosenAndHoveredRows)
{
    LoadCategory(SampleSubtree());
    MoveMouse(RowPoint(ItemNamed("长城徒步"), 100));
    ASSERT_NE(nullptr, Tree().GetHoverItem());
    std::unique_ptr<TreeNode> root(Node(1, "", false, {Node(2, "C2", false), Node(3, "C3", false)}));
    Left()->LoadTree(root.get());
    EXPECT_EQ(nullptr, Tree().GetSelectedItem());
    EXPECT_EQ(nullptr, Tree().GetHoverItem());
    Left()->ClearTree();
}

TEST_F(LeftTree, NodeResultsNeverLeaveRowsOnFreedNodes)
{
    // The same category twice: the second result frees the first one's nodes.
    LoadCategory(SampleSubtree());
    LoadCategory(JsonNode(10, "路书广场", false, JsonNode(13, "西湖", true)));
    EXPECT_EQ((std::vector<CString>{" ", "西湖"}), [] {
        std::vector<CString> names;
        for (HTREEITEM h : Items())
            names.push_back(Tree().GetItemText(h));
        return names;
    }());
    EXPECT_TRUE(RowsShowLiveNodes());

    // A top-level list replaces every category, shown ones too; what it asks for next
    // depends on its first one. An empty list changes no category: at start there is none.
    const struct {
        const char* pszCase;
        std::string strList;
        bool bShowingCategory;
        std::vector<std::string> subtreeRequests;
    } cases[] = {
        {"first a leaf", "[" + JsonNode(30, "游记", true) + "," + JsonNode(40, "我的路书", false) + "]", true, {}},
        {"empty, at start", "[]", false, {}},
        {"first a category", "[" + JsonNode(10, "路书广场", false) + "]", true, {"nodeid=10&"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        Left()->ClearTree();
        ReplaceChildren(&Frame()->m_rootNode, {});
        if (c.bShowingCategory) {
            ReplaceChildren(&Frame()->m_rootNode, {Node(10, "路书广场", false)});
            LoadCategory(SampleSubtree());
            ASSERT_EQ(5u, Tree().GetCount());
        }
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::QueueReply(kListPath, 200, Reply(c.strList)));
        ASSERT_TRUE(StandIn::QueueReply(kTreePath, 200, Reply(SampleSubtree())));
        Frame()->RequestNodeList(3, 0);
        ASSERT_TRUE(RunTasks());
        EXPECT_EQ(c.subtreeRequests, Bodies(kTreePath));
        EXPECT_TRUE(RowsShowLiveNodes());
        // painting and pointing at the rows read only live nodes
        RedrawWindow(Tree().m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        MoveMouse(FromWindow(100, 200));
        Click(FromWindow(100, 200));
        MoveMouse(FromWindow(600, 400));
    }
}

// The splitter: a blue bar and borders, no dragging, no cursor of its own.
TEST(Splitter, IsBlueAndCannotBeMoved)
{
    CVeloraSplitterWnd& splitter = Frame()->m_wndSplitter;
    RECT rcLeft;
    GetWindowRect(Left()->m_hWnd, &rcLeft);
    // the splitter's left border, the borders either side of the gap and the gap itself
    int y = rcLeft.top + 200;
    for (int x :
         {rcLeft.left - 1, rcLeft.right, rcLeft.right + 1, rcLeft.right + 2, rcLeft.right + 3, rcLeft.right + 4})
        EXPECT_EQ(RGB(84, 153, 238), ScreenPixel(POINT{x, y})) << x - rcLeft.right;
    POINT ptGap = {rcLeft.right + 2, y};

    MoveMouse(ptGap);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs)
        input.type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE;
    inputs[1].mi.dx = 80;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
    Pump(300);
    RECT rcAfter;
    GetWindowRect(Left()->m_hWnd, &rcAfter);
    EXPECT_TRUE(EqualRect(&rcLeft, &rcAfter));
    EXPECT_EQ(nullptr, GetCapture());

    HCURSOR hWait = LoadCursor(NULL, IDC_WAIT);
    SetCursor(hWait);
    splitter.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(splitter.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(hWait, GetCursor());
}
