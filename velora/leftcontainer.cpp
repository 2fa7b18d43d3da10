#include "velora/leftcontainer.h"

IMPLEMENT_DYNCREATE(CLeftContainer, CView)

void CLeftContainer::LoadTree(TreeNode* pNode)
{
    m_pShownNode = pNode;
    Invalidate();
}

void CLeftContainer::OnDraw(HDC)
{
}
