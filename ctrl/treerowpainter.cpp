#include "ctrl/treerowpainter.h"

#include "framework/dc.h"
#include "model/treenode.h"

namespace {

const Gdiplus::Color kBackground(238, 238, 238);
const Gdiplus::Color kText(0, 0, 0);
const int kTextLeft = 24;
const int kTextLeftAfterIcon = 45;

bool IsLeaf(const TreeNode* pNode)
{
    return pNode && pNode->GetIsLeaf() != 0;
}

Gdiplus::Image* IconOf(const TreeNode* pNode)
{
    return pNode && !IsLeaf(pNode) ? pNode->GetImage() : nullptr;
}

} // namespace

CTreeRowPainter::CTreeRowPainter(HDC hDC)
    : m_hDC(hDC), m_hover("Skins/item_hover.png"), m_focus("Skins/item_focus.png"), m_family(L"宋体"),
      m_regular(&m_family, 12, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel),
      m_bold(&m_family, 12, Gdiplus::FontStyleBold, Gdiplus::UnitPixel)
{
    if (GetClipBox(hDC, &m_rcView) == ERROR)
        SetRectEmpty(&m_rcView);
    TEXTMETRICA tm = {};
    if (GetTextMetricsA(hDC, &tm))
        m_nTextHeight = tm.tmHeight + tm.tmExternalLeading;
}

void CTreeRowPainter::PaintRow(const RECT& rcRow, const TreeNode* pNode, const std::wstring& strText, EState nState)
{
    // The row is as large as the hover image: without it there is nothing to paint on.
    COffscreenBuffer buffer(m_hDC, m_hover.Width(), m_hover.Height());
    if (!buffer.IsValid())
        return;
    {
        Gdiplus::Graphics graphics(buffer);
        Gdiplus::SolidBrush background(kBackground);
        graphics.FillRectangle(&background, 0, 0, buffer.Width(), buffer.Height());
        if (nState == stateHover)
            m_hover.Draw(graphics, 0, 0);
        else if (nState == stateSelected)
            m_focus.Draw(graphics, 0, 0);
        Gdiplus::Image* pIcon = IconOf(pNode);
        if (pIcon)
            graphics.DrawImage(pIcon, 0, 0, static_cast<INT>(pIcon->GetWidth()), static_cast<INT>(pIcon->GetHeight()));
        int x = pIcon ? kTextLeftAfterIcon : kTextLeft;
        int y = (rcRow.bottom - rcRow.top - m_nTextHeight) / 2 + 3;
        Gdiplus::SolidBrush text(kText);
        graphics.DrawString(strText.c_str(), -1, IsLeaf(pNode) ? &m_regular : &m_bold,
                            Gdiplus::PointF(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y)), &text);
    }
    buffer.CopyTo(m_hDC, 0, rcRow.top);
}
