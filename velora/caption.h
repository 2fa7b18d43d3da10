#ifndef VELORA_CAPTION_H
#define VELORA_CAPTION_H
// The main frame's skinned caption band: the user area, the three book-menu entries,
// the settings entry and the window buttons with the logo, painted from the skin
// images. It owns the band's geometry, the chosen entry and the pointer's tracking;
// the frame's procedure hands it every message first and it takes the non-client
// mouse and size messages.
#include <windows.h>

class CMainFrame;

// What the mouse is over, passed to every paint of the caption.
enum ECaptionHover {
    hoverNone = 0,
    hoverBookPlaza = 3,
    hoverNothing = 4, // every repaint that is not a mouse move
    hoverJourneyCapture = 5,
    hoverMid = 7,
    hoverSetting = 9,
    hoverMinimize = 11,
    hoverMaximize = 13,
    hoverClose = 15,
};

// The caption entry that is chosen.
enum ECaptionSelection {
    selectNone = 0,
    selectUser = 2,
    selectBookPlaza = 4,
    selectJourneyCapture = 6,
    selectMid = 8,
    selectSetting = 10,
};

// The band's parts; their rectangles are in window coordinates (origin at the
// window's top-left corner).
enum ECaptionPart {
    partUserHead,
    partBookPlaza,
    partJourneyCapture,
    partMid,
    partSetting,
    partMinimize,
    partMaximize,
    partClose,
    partLogo,
};

class CCaption {
public:
    explicit CCaption(CMainFrame& frame);
    CCaption(const CCaption&) = delete;
    CCaption& operator=(const CCaption&) = delete;

    // TRUE when the message was the caption's, handled with any default processing it
    // wants, and lResult is the answer; FALSE leaves it to the frame.
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
    // Paints the whole band on a device context of the whole window.
    void DrawCaption(HDC hDC, int nHover = hoverNothing) const;
    // The same on the window's own device context.
    void Repaint(int nHover = hoverNothing) const;

    const RECT& PartRect(ECaptionPart ePart) const;
    int Selection() const { return m_nSelectedMenu; }
    // Marks an entry as chosen without a click's effects; the next paint shows it.
    void SetSelection(int nSelection) { m_nSelectedMenu = nSelection; }

private:
    void OnNcCalcSize(NCCALCSIZE_PARAMS* lpncsp);
    LRESULT OnNcHitTest(POINT point);
    void OnNcLButtonDown(UINT nHitTest, POINT point);
    void OnNcMouseMove(UINT nHitTest, POINT point);
    void OnNcMouseLeave();
    // The band repainted for what the pointer is over, at once or, just after the box
    // was hidden, a moment later.
    void RepaintForHover(int nHover, BOOL bBoxHidden);
    void OnHoverRepaintDue();
    // The hover code for a point in window coordinates whose hit-test code is nHitTest.
    int HoverAt(UINT nHitTest, POINT ptWindow) const;
    // The book-menu selection a click at ptWindow makes, or -1.
    int SelectionAt(POINT ptWindow) const;
    BOOL IsIn(ECaptionPart ePart, POINT ptWindow) const;
    // Screen coordinates to the window's own.
    POINT ToWindow(POINT ptScreen) const;

    CMainFrame& m_frame;
    int m_nSelectedMenu = selectBookPlaza;
    // Fixed.
    RECT m_rcUserHead = {15, 8, 95, 85};
    RECT m_rcBookPlaza = {115, 4, 195, 84};
    RECT m_rcJourneyCapture = {200, 4, 285, 84};
    RECT m_rcMid = {290, 4, 370, 84};
    RECT m_rcSetting = {375, 4, 455, 84};
    // The window buttons and the logo follow the window's width (OnNcCalcSize).
    RECT m_rcLogo = {};
    RECT m_rcClose = {};
    RECT m_rcMax = {};
    RECT m_rcMin = {};
    BOOL m_bMouseTracking = FALSE;
    static const UINT_PTR kHoverRepaintTimer = 1;
    BOOL m_bHoverRepaintDue = FALSE;
    int m_nHoverDue = hoverNothing;
};

#endif
