#include "model/treenode.h"
#include "msg/getnodeinfowithallchildmessage.h"
#include "msg/getnodelistmessage.h"
#include "msg/getnodemessage.h"
#include "tests/support/gdiplussession.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const ::testing::Environment* const g_pGdiplus = ::testing::AddGlobalTestEnvironment(new CGdiplusSession);

std::string Reply(const std::string& table)
{
    return "{\"appid\":1,\"errorcode\":0,\"error\":\"\",\"data\":{\"table\":" + table + "}}";
}

// Decodes an all-children reply; the test owns the root.
std::unique_ptr<TreeNode> DecodeTree(const std::string& text, CGetNodeInfoWithAllChildMessage& message)
{
    message.Decode(text);
    return std::unique_ptr<TreeNode>(message.GetRoot());
}

std::unique_ptr<TreeNode> DecodeTree(const std::string& text)
{
    CGetNodeInfoWithAllChildMessage message;
    return DecodeTree(text, message);
}

// The list's nodes, owned by the test from here on.
std::vector<std::unique_ptr<TreeNode>> TakeList(const CGetNodeListMessage& message)
{
    std::vector<std::unique_ptr<TreeNode>> nodes;
    for (TreeNode* pNode : message.GetNodeList())
        nodes.emplace_back(pNode);
    return nodes;
}

// An all-children reply: root 1 with one child 2 whose "isleaf" is given (or absent)
// and which lists two children 21 and 22.
std::string ChildWithGrandChildren(const char* pszIsLeaf)
{
    std::string child = "{\"nodeid\":\"2\",";
    if (pszIsLeaf)
        child += std::string("\"isleaf\":\"") + pszIsLeaf + "\",";
    child += "\"children\":[{\"nodeid\":\"21\",\"nodename\":\"first\"},{\"nodeid\":\"22\",\"nodename\":\"second\"}]}";
    return Reply("{\"nodeid\":\"1\",\"isleaf\":\"1\",\"children\":[" + child + "]}");
}

// An icon text that counts down the number of live images.
class CCountedImage : public Gdiplus::Image {
public:
    static int s_nLive;
    CCountedImage() : Gdiplus::Image(static_cast<IStream*>(nullptr)) { ++s_nLive; }
    ~CCountedImage() override { --s_nLive; }
};
int CCountedImage::s_nLive = 0;

class CCountedNode : public TreeNode {
public:
    static int s_nLive;
    CCountedNode() { ++s_nLive; }
    ~CCountedNode() override { --s_nLive; }
};
int CCountedNode::s_nLive = 0;

} // namespace

TEST(NodeTreeReply, DescendantsFollowIsLeaf)
{
    std::unique_ptr<TreeNode> root = DecodeTree(ChildWithGrandChildren("0"));
    ASSERT_NE(nullptr, root);
    // The root's children are read although the root says it is a leaf.
    ASSERT_EQ(1u, root->GetChildren().size());
    TreeNode* pChild = root->GetChildren()[0];
    ASSERT_EQ(2u, pChild->GetChildren().size());
    EXPECT_EQ(21, pChild->GetChildren()[0]->GetNodeId());
    EXPECT_EQ("first", pChild->GetChildren()[0]->GetNodeName());
    EXPECT_EQ(22, pChild->GetChildren()[1]->GetNodeId());

    for (const char* pszIsLeaf : {"1", static_cast<const char*>(nullptr)}) {
        std::unique_ptr<TreeNode> other = DecodeTree(ChildWithGrandChildren(pszIsLeaf));
        ASSERT_NE(nullptr, other);
        ASSERT_EQ(1u, other->GetChildren().size());
        EXPECT_TRUE(other->GetChildren()[0]->GetChildren().empty()) << (pszIsLeaf ? pszIsLeaf : "absent");
        EXPECT_EQ(pszIsLeaf ? 1 : -1, other->GetChildren()[0]->GetIsLeaf());
    }
}

TEST(NodeTreeReply, FieldsAndDefaults)
{
    std::unique_ptr<TreeNode> root = DecodeTree(
        Reply("{\"id\":\"9\",\"nodeid\":\"12abc\",\"pid\":\" -3\",\"nodename\":\"Trips\",\"nodeurl\":\"http://x/1\","
              "\"blank\":\"1\",\"children\":[{\"nodeid\":\"5\",\"nodeurl\":null},{\"needexpand\":\"1\"}]}"));
    ASSERT_NE(nullptr, root);
    EXPECT_EQ(12, root->GetNodeId());
    EXPECT_EQ(9, root->GetId());
    EXPECT_EQ(-3, root->GetPid());
    EXPECT_EQ("Trips", root->GetNodeName());
    EXPECT_EQ("http://x/1", root->GetNodeUrl());
    EXPECT_EQ(1, root->GetBlank());
    EXPECT_EQ(1, root->GetNeedExpand());
    EXPECT_EQ(-1, root->GetIsLeaf());
    EXPECT_EQ(nullptr, root->GetImage());
    ASSERT_EQ(2u, root->GetChildren().size());
    TreeNode* pFirst = root->GetChildren()[0];
    EXPECT_EQ(0, pFirst->GetNeedExpand());
    // Present but null is the empty text; absent is the default "0".
    EXPECT_EQ("", pFirst->GetNodeUrl());
    EXPECT_EQ("0", root->GetChildren()[1]->GetNodeUrl());
    EXPECT_EQ(1, root->GetChildren()[1]->GetNeedExpand());
    EXPECT_EQ(0, root->GetChildren()[1]->GetNodeId());

    // A null or absent table is a root of defaults.
    std::unique_ptr<TreeNode> bare = DecodeTree("{\"data\":{\"table\":null}}");
    ASSERT_NE(nullptr, bare);
    EXPECT_EQ(1, bare->GetNeedExpand());
    EXPECT_EQ("0", bare->GetNodeUrl());
}

TEST(NodeTreeReply, EmptyOrMissingChildren)
{
    for (const char* pszTable :
         {"{\"nodeid\":\"1\",\"children\":[]}", "{\"nodeid\":\"1\"}", "{\"nodeid\":\"1\",\"children\":null}",
          "{\"nodeid\":\"1\",\"children\":{\"a\":{}}}", "{\"nodeid\":\"1\",\"children\":\"[]\"}"}) {
        std::unique_ptr<TreeNode> root = DecodeTree(Reply(pszTable));
        ASSERT_NE(nullptr, root) << pszTable;
        EXPECT_EQ(1, root->GetNodeId());
        EXPECT_TRUE(root->GetChildren().empty()) << pszTable;
    }
}

TEST(NodeTreeReply, ValuesOfTheWrongTypeAreSkipped)
{
    std::unique_ptr<TreeNode> root =
        DecodeTree(Reply("{\"nodeid\":\"1\",\"children\":[\"x\",5,[{\"nodeid\":\"8\"}],true,"
                         "{\"nodeid\":\"2\",\"isleaf\":\"0\",\"children\":{\"0\":{\"nodeid\":\"3\"}}},"
                         "{\"nodeid\":\"4\",\"isleaf\":\"0\",\"children\":[7,{\"nodeid\":\"6\",\"nodename\":[1]}]}]}"));
    ASSERT_NE(nullptr, root);
    ASSERT_EQ(2u, root->GetChildren().size());
    EXPECT_EQ(2, root->GetChildren()[0]->GetNodeId());
    EXPECT_TRUE(root->GetChildren()[0]->GetChildren().empty());
    TreeNode* pSecond = root->GetChildren()[1];
    EXPECT_EQ(4, pSecond->GetNodeId());
    ASSERT_EQ(1u, pSecond->GetChildren().size());
    EXPECT_EQ(6, pSecond->GetChildren()[0]->GetNodeId());
    EXPECT_EQ("", pSecond->GetChildren()[0]->GetNodeName());
}

TEST(NodeTreeReply, NoRootWithoutANodeTable)
{
    const std::string texts[] = {Reply("[{\"nodeid\":\"1\"}]"),
                                 Reply("\"node\""),
                                 Reply("3"),
                                 "{\"errorcode\":0,\"data\":[1]}",
                                 "{\"errorcode\":4,\"error\":\"no\",\"data\":"
                                 "{\"table\":{\"nodeid\":\"1\"}}}",
                                 "",
                                 "not json"};
    for (const std::string& text : texts) {
        CGetNodeInfoWithAllChildMessage message;
        EXPECT_EQ(nullptr, message.GetRoot());
        std::unique_ptr<TreeNode> root = DecodeTree(text, message);
        EXPECT_EQ(nullptr, root) << text;
    }
}

TEST(NodeTreeReply, IconIsKeptOnlyWhenDecoded)
{
    std::string png = TestPngBase64();
    std::unique_ptr<TreeNode> root = DecodeTree(Reply("{\"nodeid\":\"1\",\"nodeicon\":\"" + png +
                                                      "\",\"children\":[{\"nodeicon\":\"QUJDREVGR0hJSg\"},"
                                                      "{\"nodeicon\":\"QUJDREVGR0h\"},{\"nodeicon\":\"" +
                                                      png + "\"}]}"));
    ASSERT_NE(nullptr, root);
    ASSERT_NE(nullptr, root->GetImage());
    EXPECT_EQ(3u, root->GetImage()->GetWidth());
    EXPECT_EQ(2u, root->GetImage()->GetHeight());
    ASSERT_EQ(3u, root->GetChildren().size());
    // 14 and 11 characters of Base64 that is no image: decoded, found wanting, dropped.
    EXPECT_EQ(nullptr, root->GetChildren()[0]->GetImage());
    EXPECT_EQ(nullptr, root->GetChildren()[1]->GetImage());
    ASSERT_NE(nullptr, root->GetChildren()[2]->GetImage());
    EXPECT_EQ(Gdiplus::Ok, root->GetChildren()[2]->GetImage()->GetLastStatus());
    // A 10-character prefix of a valid image is not even tried.
    std::unique_ptr<TreeNode> shortIcon = DecodeTree(Reply("{\"nodeicon\":\"" + png.substr(0, 10) + "\"}"));
    ASSERT_NE(nullptr, shortIcon);
    EXPECT_EQ(nullptr, shortIcon->GetImage());
}

TEST(NodeListReply, ParentIdIsThatOfTheLastNode)
{
    CGetNodeListMessage message;
    EXPECT_EQ(CGetNodeListMessage::kNoParentId, message.GetParentId());
    message.Decode(
        Reply("[{\"nodeid\":\"10\",\"pid\":\"5\",\"nodename\":\"a\"},{\"nodeid\":\"11\",\"pid\":\"5\","
              "\"needexpand\":\"1\",\"children\":[{\"nodeid\":\"99\"}]},{\"nodeid\":\"12\",\"pid\":\"7\"},\"x\",4]"));
    std::vector<std::unique_ptr<TreeNode>> nodes = TakeList(message);
    EXPECT_EQ(7, message.GetParentId());
    ASSERT_EQ(3u, nodes.size());
    const int expectedPids[] = {5, 5, 7};
    for (size_t i = 0; i < nodes.size(); ++i) {
        EXPECT_EQ(10 + static_cast<int>(i), nodes[i]->GetNodeId());
        EXPECT_EQ(expectedPids[i], nodes[i]->GetPid());
        EXPECT_TRUE(nodes[i]->GetChildren().empty());
    }
    EXPECT_EQ("a", nodes[0]->GetNodeName());
    EXPECT_EQ(0, nodes[0]->GetNeedExpand());
    EXPECT_EQ(1, nodes[1]->GetNeedExpand());
    EXPECT_EQ(-1, nodes[2]->GetIsLeaf());
}

TEST(NodeListReply, NoNodesNamesNoParent)
{
    const std::string texts[] = {Reply("[]"),
                                 Reply("null"),
                                 Reply("{\"pid\":\"0\"}"),
                                 Reply("[1,\"x\",[]]"),
                                 "{\"data\":{}}",
                                 "{\"errorcode\":2,\"data\":{\"table\":[{\"pid\":\"0\"}]}}",
                                 ""};
    for (const std::string& text : texts) {
        CGetNodeListMessage message;
        message.Decode(text);
        EXPECT_TRUE(message.GetNodeList().empty()) << text;
        EXPECT_EQ(CGetNodeListMessage::kNoParentId, message.GetParentId()) << text;
        EXPECT_NE(0, message.GetParentId());
    }
}

TEST(SingleNodeReply, ReadsWithoutDefaults)
{
    GetNodeMessage message;
    message.Decode(Reply("{\"nodeid\":\"4\",\"nodename\":\"n\",\"isleaf\":\"1\",\"nodeicon\":\"" +
                         std::string(TestPngBase64()) + "\",\"children\":[{\"nodeid\":\"5\"}]}"));
    TreeNode& node = message.GetNode();
    EXPECT_EQ(4, node.GetNodeId());
    EXPECT_EQ("n", node.GetNodeName());
    EXPECT_EQ("", node.GetNodeUrl());
    EXPECT_EQ(0, node.GetNeedExpand());
    EXPECT_EQ(0, node.GetIsLeaf());
    EXPECT_EQ(nullptr, node.GetImage());
    EXPECT_TRUE(node.GetChildren().empty());

    GetNodeMessage untouched;
    untouched.Decode(Reply("[]"));
    EXPECT_EQ(1, untouched.GetNode().GetNeedExpand());
    EXPECT_EQ(0, untouched.GetHead()->IsFailed());
}

TEST(TreeNodeOwnership, IconsAndSubtreesAreDeleted)
{
    {
        TreeNode node;
        node.SetImage(new CCountedImage);
        EXPECT_EQ(1, CCountedImage::s_nLive);
        node.SetImage(new CCountedImage);
        EXPECT_EQ(1, CCountedImage::s_nLive);
        node.SetImage(node.GetImage());
        EXPECT_EQ(1, CCountedImage::s_nLive);
        node.SetImage(nullptr);
        EXPECT_EQ(0, CCountedImage::s_nLive);
        node.SetImage(new CCountedImage);
    }
    EXPECT_EQ(0, CCountedImage::s_nLive);

    TreeNode* pRoot = new CCountedNode;
    TreeNode* pChild = new CCountedNode;
    pRoot->AddChild(pChild);
    pRoot->AddChild(new CCountedNode);
    pChild->AddChild(new CCountedNode);
    pChild->SetImage(new CCountedImage);
    EXPECT_EQ(4, CCountedNode::s_nLive);
    delete pRoot;
    EXPECT_EQ(0, CCountedNode::s_nLive);
    EXPECT_EQ(0, CCountedImage::s_nLive);
}
