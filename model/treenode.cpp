#include "model/treenode.h"

#include "framework/trace.h"

TreeNode::~TreeNode()
{
    for (TreeNode* pChild : m_children)
        delete pChild;
    delete m_pImage;
}

void TreeNode::SetImage(Gdiplus::Image* pImage)
{
    if (pImage == m_pImage)
        return;
    delete m_pImage;
    m_pImage = pImage;
}

void TreeNode::Dump() const
{
    TRACE("Current Node id:%d\n", m_nNodeId);
    for (const TreeNode* pChild : m_children)
        TRACE("Current Node id:%d,nodeName:%s,nodeUrl:%s\n", pChild->m_nNodeId, pChild->m_strName.c_str(),
              pChild->m_strUrl.c_str());
}
