#ifndef CTRL_TREEROWPAINTER_H
#define CTRL_TREEROWPAINTER_H
// One paint pass over the node tree's rows: the row images, fonts and the text's
// vertical place are made once for the pass and freed with it, so every paint loads
// the images anew and leaves nothing behind. Each row is composed off screen and
// copied to the control in one transfer.
#include "ctrl/skinimage.h"

#include <windows.h>
#include <gdiplus.h>
#include <string>

class TreeNode;

class CTreeRowPainter {
public:
    enum EState { stateNormal = 0, stateHover = 1, stateSelected = 2 };

    // hDC: a client device context of the control, as obtained (no font selected).
    explicit CTreeRowPainter(HDC hDC);
    CTreeRowPainter(const CTreeRowPainter&) = delete;
    CTreeRowPainter& operator=(const CTreeRowPainter&) = delete;

    // The part of the control that can be seen; rows outside it need no paint.
    const RECT& View() const { return m_rcView; }
    // pNode: the row's node, NULL for the blank root row; rcRow in client coordinates.
    void PaintRow(const RECT& rcRow, const TreeNode* pNode, const std::wstring& strText, EState nState);

private:
    HDC m_hDC;
    RECT m_rcView = {};
    int m_nTextHeight = 0;
    CSkinImage m_hover;
    CSkinImage m_focus;
    Gdiplus::FontFamily m_family;
    Gdiplus::Font m_regular;
    Gdiplus::Font m_bold;
};

#endif
