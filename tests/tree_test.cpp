// The category tree in the left pane of a real frame, read from the screen: rows built
// from node results, the page each rebuild opens, hover and clicks, the splitter around
// it, and node results that never leave rows on freed nodes.

#include "model/treeops.h"
#include "skin_colours.h"
#include "tests/support/framedesk.h"
#include "tests/support/gdiplussession.h"
#include "tests/support/standin.h"
#include "tests/support/wait.h"
#include "util/codepage.h"
#include "velora/leftcontainer.h"
#include "velora/velorabrowser.h"

#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <memory>
#include <set>

using namespace FrameDesk;

namespace {

const char kTreePath[] = "/client/tree/getchildnoebyrootnode.aspx";
const char kListPath[] = "/client/Tree/getchildnode.aspx";
const COLORREF kTreeBackground = RGB(238, 238, 238);

std::string PagePath(int nNodeId)
{
    return "/pages/" + std::to_string(nNodeId);
}

CString Url(int nNodeId)
{
    return CString((StandIn::Root() + PagePath(nNodeId)).c_str());
}

TreeNode* Node(int nNodeId, const char* pszName, bool bLeaf, std::vector<TreeNode*> children = {})
{
    TreeNode* pNode = new TreeNode;
    pNode->SetNodeId(nNodeId);
    pNode->SetNodeName(pszName);
    pNode->SetNodeUrl(Url(nNodeId).Str());
    pNode->SetIsLeaf(bLeaf);
    for (TreeNode* pChild : children)
        pNode->AddChild(pChild);
    return pNode;
}

// A node as the service sends it; strExtra: more members, e.g. its children.
std::string Json(int nNodeId, const char* pszName, bool bLeaf, const std::string& strExtra = "")
{
    return "{\"nodeid\":\"" + std::to_string(nNodeId) + "\",\"nodename\":\"" + pszName + "\",\"nodeurl\":\"" +
           Url(nNodeId).Str() + "\",\"isleaf\":\"" + (bLeaf ? "1" : "0") + "\"" + strExtra + "}";
}

// Category 10's subtree; its category 11 has an icon (3 x 2, red first).
std::string SampleSubtree()
{
    return Json(10, "路书广场", false,
                ",\"children\":[" +
                    Json(11, "华北", false,
                         ",\"nodeicon\":\"" + std::string(TestPngBase64()) + "\",\"children\":[" +
                             Json(111, "北京三日游", true) + "," + Json(112, "长城徒步", true) + "]") +
                    "," + Json(12, "江南水乡", true) + "]");
}

// Texts are written in the program's code page and go over the wire as UTF-8.
bool QueueReply(const char* pszPath, const std::string& strTable)
{
    CString strBody(("{\"errorcode\":0,\"data\":{\"table\":" + strTable + "}}").c_str());
    AnsiToUtf8(strBody);
    return StandIn::QueueReply(pszPath, 200, strBody.Str());
}

// Asks for category 10's subtree as the frame does and handles the reply.
void LoadCategory(const std::string& strSubtree)
{
    ASSERT_TRUE(QueueReply(kTreePath, strSubtree));
    Frame()->RequestNodeInfoWithAllChild(4, 10);
    ASSERT_TRUE(RunTasks());
}

CCustomTreeCtrl& Tree()
{
    return Left()->GetTree();
}

// Page requests by node id already looked at; forgotten with the stand-in's records.
std::map<int, size_t> s_seen;

// Whether the browser pane asked the stand-in for node nNodeId's page since the last look,
// waiting at most dwWaitMs for it.
bool PageOpened(int nNodeId, DWORD dwWaitMs = 5000)
{
    size_t nSeen = s_seen[nNodeId], nNow = 0;
    PumpUntil([&] { return (nNow = StandIn::Requests(PagePath(nNodeId)).size()) > nSeen; }, dwWaitMs);
    s_seen[nNodeId] = nNow;
    return nNow > nSeen;
}

// Every item below hItem (all of them for NULL), depth-first.
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

std::vector<CString> Names()
{
    std::vector<CString> names;
    for (HTREEITEM h : Items())
        names.push_back(Tree().GetItemText(h));
    return names;
}

bool AllExpanded()
{
    for (HTREEITEM h : Items()) {
        if (!Items(h).empty() && !Tree().GetItemState(h, TVIS_EXPANDED))
            return false;
    }
    return true;
}

HTREEITEM ItemNamed(const char* pszName)
{
    for (HTREEITEM h : Items()) {
        if (Tree().GetItemText(h) == pszName)
            return h;
    }
    return NULL;
}

// A point of the row on the screen, from its top-left corner. (Rows are 30 pixels high:
// the control makes the height it is given even.)
POINT RowPoint(const char* pszName, int x, int y = 15)
{
    RECT rc = {};
    Tree().GetItemRect(ItemNamed(pszName), &rc, FALSE);
    POINT pt = {x, rc.top + y};
    ClientToScreen(Tree().m_hWnd, &pt);
    return pt;
}

COLORREF RowPixel(const char* pszName)
{
    return ScreenPixel(RowPoint(pszName, 5));
}

// Every row's node is one the frame's tree holds now (the blank root row has none).
bool RowsShowLiveNodes()
{
    std::set<const TreeNode*> live;
    std::function<void(TreeNode*)> collect = [&](TreeNode* pNode) {
        live.insert(pNode);
        for (TreeNode* pChild : pNode->GetChildren())
            collect(pChild);
    };
    collect(&Frame()->m_rootNode);
    for (HTREEITEM h : Items()) {
        auto pNode = reinterpret_cast<const TreeNode*>(Tree().GetItemData(h));
        if (pNode && !live.count(pNode))
            return false;
    }
    return true;
}

class LeftTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, Frame());
        ASSERT_TRUE(StandIn::Reset());
        s_seen.clear();
        Left()->ClearTree();
        ReplaceChildren(&Frame()->m_rootNode, {Node(10, "路书广场", false), Node(20, "旅程攻略", false)});
        MoveMouse(FromWindow(600, 400)); // over the browser pane
    }
};

} // namespace

TEST_F(LeftTree, SampleReplyShowsTheWholeSubtreeExpandedWithItsFirstLeafChosen)
{
    LoadCategory(SampleSubtree());
    EXPECT_EQ((std::vector<CString>{" ", "华北", "北京三日游", "长城徒步", "江南水乡"}), Names());
    EXPECT_TRUE(AllExpanded());
    EXPECT_EQ(ItemNamed("北京三日游"), Tree().GetSelectedItem());
    ASSERT_TRUE(PageOpened(111));
    EXPECT_EQ(0u, StandIn::Requests(PagePath(111)).back().Header("User-Agent").find("PC")); // the client's header
    EXPECT_EQ(kSkinFlat_item_focus, RowPixel("北京三日游"));
    EXPECT_EQ(kTreeBackground, RowPixel("长城徒步"));
    EXPECT_EQ(kTreeBackground, RowPixel("华北"));
    // the category's icon at the row's top-left corner, at its own size
    EXPECT_TRUE(Near(RGB(255, 0, 0), ScreenPixel(RowPoint("华北", 0, 0)), 8));
    EXPECT_TRUE(Near(kTreeBackground, ScreenPixel(RowPoint("华北", 4, 3)), 8));
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
             return Node(1, "", 0, {Node(2, "C2", 0, {Node(3, "L3", 1)}), Node(4, "L4", 1)});
         },
         3},
        {"no leaf, after a tree with leaves", [] { return Node(1, "", 0, {Node(2, "C2", 0, {Node(3, "C3", 0)})}); }, 0},
        {"leaf under a leaf",
         [] {
             return Node(1, "", 0, {Node(2, "L2", 1, {Node(3, "L3", 1)}), Node(4, "L4", 1)});
         },
         3},
        {"empty category first",
         [] {
             return Node(1, "", 0, {Node(2, "C2", 0), Node(3, "L3", 1)});
         },
         3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        std::unique_ptr<TreeNode> root(c.make());
        Left()->LoadTree(root.get());
        for (int nNodeId = 1; nNodeId <= 4; ++nNodeId)
            EXPECT_EQ(nNodeId == c.nPage, PageOpened(nNodeId, nNodeId == c.nPage ? 5000 : 300)) << nNodeId;
        HTREEITEM hChosen = Tree().GetSelectedItem();
        EXPECT_EQ(c.nPage, hChosen ? reinterpret_cast<TreeNode*>(Tree().GetItemData(hChosen))->GetNodeId() : 0);
        EXPECT_TRUE(AllExpanded());
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
        MoveMouse(RowPoint(over.pszRow, 100));
        for (const auto& row : rows)
            EXPECT_EQ(&row == &over ? row.hovered : row.otherwise, RowPixel(row.pszRow))
                << row.pszRow << ", pointer over " << over.pszRow;
    }

    // Within one row nothing is repainted: a dot drawn on it stays.
    POINT ptDot = RowPoint("江南水乡", 150);
    HDC hScreen = GetDC(NULL);
    SetPixel(hScreen, ptDot.x, ptDot.y, RGB(255, 0, 255));
    ReleaseDC(NULL, hScreen);
    MoveMouse(RowPoint("江南水乡", 120));
    EXPECT_EQ(RGB(255, 0, 255), ScreenPixel(ptDot));
    MoveMouse(RowPoint("长城徒步", 120));
    EXPECT_NE(RGB(255, 0, 255), ScreenPixel(ptDot));

    MoveMouse(FromWindow(600, 400));
    Pump(300);
    EXPECT_EQ(kTreeBackground, RowPixel("长城徒步"));
    EXPECT_EQ(nullptr, Tree().GetHoverItem());
}

TEST_F(LeftTree, ACategoryClickChangesNothingAndALeafClickOpensItsPage)
{
    LoadCategory(SampleSubtree());
    ASSERT_TRUE(PageOpened(111));
    Click(RowPoint("华北", 60));
    EXPECT_FALSE(PageOpened(11, 500));
    EXPECT_FALSE(PageOpened(111, 500));
    EXPECT_EQ(ItemNamed("北京三日游"), Tree().GetSelectedItem());
    EXPECT_EQ(5u, Tree().GetCount());
    EXPECT_TRUE(AllExpanded());

    Click(RowPoint("长城徒步", 60));
    EXPECT_TRUE(PageOpened(112));
    EXPECT_EQ(ItemNamed("长城徒步"), Tree().GetSelectedItem());
    MoveMouse(FromWindow(600, 400));
    EXPECT_EQ(kSkinFlat_item_focus, RowPixel("长城徒步"));
    EXPECT_EQ(kTreeBackground, RowPixel("北京三日游"));
}

TEST_F(LeftTree, NodeResultsNeverLeaveRowsOnFreedNodes)
{
    // The same category twice: the later result frees the earlier one's nodes.
    LoadCategory(SampleSubtree());
    LoadCategory(Json(10, "路书广场", false, ",\"children\":[" + Json(13, "西湖", true) + "]"));
    EXPECT_EQ((std::vector<CString>{" ", "西湖"}), Names());
    EXPECT_TRUE(RowsShowLiveNodes());

    // A top-level list replaces every category, shown ones too; what it asks for next
    // depends on its first one. An empty list changes no category: at start there is none.
    const struct {
        const char* pszCase;
        std::string strList;
        bool bShowingCategory;
        size_t nSubtreeRequests;
    } cases[] = {
        {"first a leaf", "[" + Json(30, "游记", true) + "," + Json(40, "我的路书", false) + "]", true, 0},
        {"empty, at start", "[]", false, 0},
        {"first a category", "[" + Json(10, "路书广场", false) + "]", true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        Left()->ClearTree();
        ReplaceChildren(&Frame()->m_rootNode, {});
        if (c.bShowingCategory) {
            ReplaceChildren(&Frame()->m_rootNode, {Node(10, "路书广场", false)});
            LoadCategory(SampleSubtree());
        }
        ASSERT_TRUE(StandIn::Reset());
        s_seen.clear();
        ASSERT_TRUE(QueueReply(kListPath, c.strList));
        ASSERT_TRUE(QueueReply(kTreePath, SampleSubtree()));
        Frame()->RequestNodeList(3, 0);
        ASSERT_TRUE(RunTasks());
        EXPECT_EQ(c.nSubtreeRequests, StandIn::Requests(kTreePath).size());
        EXPECT_TRUE(RowsShowLiveNodes());
        // painting and pointing read the rows' nodes
        RedrawWindow(Tree().m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        Click(FromWindow(100, 200));
    }
}

TEST(Splitter, IsBlueAndNeitherMovesNorSetsTheCursor)
{
    RECT rcLeft;
    GetWindowRect(Left()->m_hWnd, &rcLeft);
    // the splitter's left border, the borders either side of the gap and the gap itself
    int y = rcLeft.top + 200;
    for (int x :
         {rcLeft.left - 1, rcLeft.right, rcLeft.right + 1, rcLeft.right + 2, rcLeft.right + 3, rcLeft.right + 4})
        EXPECT_EQ(RGB(84, 153, 238), ScreenPixel(POINT{x, y})) << x - rcLeft.right;

    Drag(POINT{rcLeft.right + 2, y}, POINT{rcLeft.right + 80, y});
    RECT rcAfter;
    GetWindowRect(Left()->m_hWnd, &rcAfter);
    EXPECT_TRUE(EqualRect(&rcLeft, &rcAfter));
    EXPECT_EQ(nullptr, GetCapture());

    CVeloraSplitterWnd& splitter = Frame()->m_wndSplitter;
    HCURSOR hWait = LoadCursor(NULL, IDC_WAIT);
    SetCursor(hWait);
    splitter.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(splitter.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(hWait, GetCursor());
}
