#include "model/treenode.h"
#include "model/treeops.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

// Nodes that record which node ids are still alive.
std::multiset<int> g_live;

class CCountedNode : public TreeNode {
public:
    explicit CCountedNode(int nNodeId)
    {
        SetNodeId(nNodeId);
        g_live.insert(nNodeId);
    }
    ~CCountedNode() override { g_live.erase(g_live.find(GetNodeId())); }
};

TreeNode* Node(int nNodeId, std::vector<TreeNode*> children = {})
{
    TreeNode* pNode = new CCountedNode(nNodeId);
    for (TreeNode* pChild : children)
        pNode->AddChild(pChild);
    return pNode;
}

// R (1) with children P (2) and Q (3); Q has the child S (4).
class TreeOps : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_live.clear();
        m_pS = Node(4);
        m_pQ = Node(3, {m_pS});
        m_pP = Node(2);
        m_pR = Node(1, {m_pP, m_pQ});
    }
    void TearDown() override
    {
        delete m_pR;
        EXPECT_TRUE(g_live.empty()) << "nodes leaked";
    }

    std::vector<int> ChildIds(TreeNode* pNode)
    {
        std::vector<int> ids;
        for (TreeNode* pChild : pNode->GetChildren())
            ids.push_back(pChild->GetNodeId());
        return ids;
    }

    TreeNode* m_pR = nullptr;
    TreeNode* m_pP = nullptr;
    TreeNode* m_pQ = nullptr;
    TreeNode* m_pS = nullptr;
};

} // namespace

TEST_F(TreeOps, FindsByNodeId)
{
    EXPECT_EQ(m_pS, FindNodeById(m_pR, 4));
    EXPECT_EQ(nullptr, FindNodeById(m_pR, 9));
    EXPECT_EQ(m_pR, FindNodeById(m_pR, 1));
    EXPECT_EQ(m_pQ, FindNodeById(m_pR, 3));
    EXPECT_EQ(nullptr, FindNodeById(m_pP, 4));
    EXPECT_EQ(nullptr, FindNodeById(nullptr, 1));
}

TEST_F(TreeOps, FirstMatchInPreOrderWins)
{
    // A second 4 under P comes before S in pre-order, a second 3 below S after Q.
    TreeNode* pEarly = Node(4);
    m_pP->AddChild(pEarly);
    m_pS->AddChild(Node(3));
    EXPECT_EQ(pEarly, FindNodeById(m_pR, 4));
    EXPECT_EQ(m_pQ, FindNodeById(m_pR, 3));

    FindAndReplaceChildren(m_pR, 4, {Node(40)});
    EXPECT_EQ(std::vector<int>{40}, ChildIds(pEarly));
    EXPECT_EQ(std::vector<int>{3}, ChildIds(m_pS));

    TreeNode* pNew = Node(4);
    EXPECT_EQ(1, MergeChildren(m_pR, pNew));
    EXPECT_EQ(std::vector<int>{4}, ChildIds(m_pP));
    EXPECT_EQ(pNew, m_pP->GetChildren()[0]);
    EXPECT_EQ(m_pS, FindNodeById(m_pQ, 4));
    EXPECT_EQ(0u, g_live.count(40));
}

TEST_F(TreeOps, ReplaceChildrenDeletesTheOldOnes)
{
    TreeNode* pA = Node(5);
    TreeNode* pB = Node(6);
    ReplaceChildren(m_pR, {pA, pB});
    EXPECT_EQ((std::vector<int>{5, 6}), ChildIds(m_pR));
    EXPECT_EQ((std::multiset<int>{1, 5, 6}), g_live);

    // Without children it only appends; with an empty list it only deletes.
    ReplaceChildren(pA, {Node(7)});
    EXPECT_EQ(std::vector<int>{7}, ChildIds(pA));
    ReplaceChildren(m_pR, {});
    EXPECT_TRUE(m_pR->GetChildren().empty());
    EXPECT_EQ(std::multiset<int>{1}, g_live);
}

TEST_F(TreeOps, FindAndReplaceChildrenOnlyWhenFound)
{
    FindAndReplaceChildren(m_pR, 3, {Node(8), Node(9)});
    EXPECT_EQ((std::vector<int>{8, 9}), ChildIds(m_pQ));
    EXPECT_EQ(0u, g_live.count(4));

    TreeNode* pStray = Node(10);
    FindAndReplaceChildren(m_pR, 77, {pStray});
    EXPECT_EQ(1u, g_live.count(10));
    EXPECT_EQ(nullptr, FindNodeById(m_pR, 10));
    delete pStray;
}

TEST_F(TreeOps, MergeReplacesAWholeBranchInPlace)
{
    TreeNode* pN = Node(3, {Node(30), Node(31)});
    EXPECT_EQ(1, MergeChildren(m_pR, pN));
    ASSERT_EQ(2u, m_pR->GetChildren().size());
    EXPECT_EQ(m_pP, m_pR->GetChildren()[0]);
    EXPECT_EQ(pN, m_pR->GetChildren()[1]);
    EXPECT_EQ((std::multiset<int>{1, 2, 3, 30, 31}), g_live);
}

TEST_F(TreeOps, MergeWithoutMatchChangesNothing)
{
    TreeNode* pN = Node(9, {Node(4)});
    EXPECT_EQ(0, MergeChildren(m_pR, pN));
    EXPECT_EQ((std::vector<int>{2, 3}), ChildIds(m_pR));
    EXPECT_EQ(m_pS, FindNodeById(m_pR, 4));
    EXPECT_EQ((std::multiset<int>{1, 2, 3, 4, 4, 9}), g_live);
    delete pN;
}

TEST_F(TreeOps, MergeNeverReplacesTheStartNode)
{
    // The start node's own id counts as not found, even when a child repeats it.
    m_pP->AddChild(Node(1));
    TreeNode* pN = Node(1);
    EXPECT_EQ(0, MergeChildren(m_pR, pN));
    EXPECT_EQ(m_pR, FindNodeById(m_pR, 1));
    EXPECT_EQ((std::vector<int>{2, 3}), ChildIds(m_pR));
    EXPECT_EQ(3u, g_live.count(1));
    delete pN;

    TreeNode* pSameAsQ = Node(3);
    EXPECT_EQ(0, MergeChildren(m_pQ, pSameAsQ));
    EXPECT_EQ(m_pQ, m_pR->GetChildren()[1]);
    EXPECT_EQ(m_pS, m_pQ->GetChildren()[0]);
    EXPECT_EQ(2u, g_live.count(3));
    delete pSameAsQ;
}
