#include "velora/uinfopaneldialog.h"

#include "framework/resources.h"
#include "model/userprofile.h"
#include "util/windowmessages.h"
#include "velora/layeredapi.h"
#include "velora/resource.h"
#include "velora/tasks/getuserinfotask.h"
#include "velora/tasks/taskid.h"
#include "velora/veloraapp.h"

namespace {

const COLORREF kKeyColour = RGB(255, 0, 255);
// Without the colour key the background cannot be keyed out; it is then plain white.
const COLORREF kPlainBackground = RGB(255, 255, 255);

CString Decimal(int nValue)
{
    CString strText;
    strText.Format("%d", nValue);
    return strText;
}

} // namespace

CUInfoPanelDialog::CUInfoPanelDialog(CWnd* pParentWnd) : CDialog(IDD_UINFO_PANEL, pParentWnd)
{
}

CUInfoPanelDialog::~CUInfoPanelDialog()
{
    // The window goes first, so that no reply can arrive for a half-destroyed object
    // (a task finding the window gone frees its profile itself).
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow();
    delete m_pProfile;
    m_pProfile = NULL;
}

LRESULT CUInfoPanelDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USERINFO_READY)
        return OnUserInfoLoaded(lParam);
    return CDialog::WindowProc(message, wParam, lParam);
}

void CUInfoPanelDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_UINFO_NICKNAME, m_lblNickname);
    DDX_Control(pDX, IDC_UINFO_ROAD_BOOKS, m_lblRoadBooks);
    DDX_Control(pDX, IDC_UINFO_MICRO_BOOKS, m_lblMicroBooks);
    DDX_Control(pDX, IDC_UINFO_CITY, m_lblCity);
    DDX_Control(pDX, IDC_UINFO_FOLLOWING, m_lblFollowing);
    DDX_Control(pDX, IDC_UINFO_FANS, m_lblFans);
    DDX_Control(pDX, IDC_UINFO_TRAVEL_NOTES, m_lblTravelNotes);
}

BOOL CUInfoPanelDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Layered only when the colour key can be set: a layered window without its
    // attributes would never appear.
    if (PFN_SETLAYEREDWINDOWATTRIBUTES pfnSetAttributes = LookUpSetLayeredWindowAttributes()) {
        m_brushKey.CreateSolidBrush(kKeyColour);
        ModifyStyleEx(0, WS_EX_LAYERED);
        m_bColourKeyed = pfnSetAttributes(m_hWnd, kKeyColour, 0, LWA_COLORKEY);
        if (!m_bColourKeyed)
            ModifyStyleEx(WS_EX_LAYERED, 0);
    }
    if (!m_bColourKeyed) {
        m_brushKey.DeleteObject();
        m_brushKey.CreateSolidBrush(kPlainBackground);
    }
    ShowBareCaptions();
    return TRUE;
}

HBRUSH CUInfoPanelDialog::OnCtlColor(HDC hDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH hBrush = CDialog::OnCtlColor(hDC, pWnd, nCtlColor);
    SetBkMode(hDC, TRANSPARENT);
    if (nCtlColor == CTLCOLOR_DLG)
        return m_brushKey;
    return hBrush;
}

// Each paint sends one request (its first showing, and whenever it is uncovered or
// shown again); requests are not merged.
void CUInfoPanelDialog::OnPaint()
{
    if (IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    ShowBareCaptions();
    RequestUserInfo();
    CDialog::OnPaint();
}

void CUInfoPanelDialog::RequestUserInfo()
{
    CVeloraApp* pApp = GetVeloraApp();
    if (!pApp)
        return;
    CGetUserInfoTask* pTask = new CGetUserInfoTask("/client/getuserinfo/getuserinfo.aspx", taskUserInfo, m_hWnd);
    pTask->AddParam("memberid", Decimal(pApp->m_nUserId));
    pApp->ExecuteTask(pTask);
}

// Only the text the label paints: a new window text would have the system's static
// paint itself at once, on the dialog face colour, over the keyed-out panel.
void CUInfoPanelDialog::SetLabel(int nIndex, const CString& strText)
{
    CCustomStatic* labels[] = {&m_lblNickname,  &m_lblCity,       &m_lblFollowing,  &m_lblFans,
                               &m_lblRoadBooks, &m_lblMicroBooks, &m_lblTravelNotes};
    labels[nIndex]->m_strText = strText;
}

namespace {
const UINT kCaptions[] = {IDS_NICKNAME,   IDS_CITY,        IDS_FOLLOWING,   IDS_FANS,
                          IDS_ROAD_BOOKS, IDS_MICRO_BOOKS, IDS_TRAVEL_NOTES};
} // namespace

void CUInfoPanelDialog::ShowBareCaptions()
{
    for (int i = 0; i < 7; ++i)
        SetLabel(i, AfxLoadString(kCaptions[i]));
}

LRESULT CUInfoPanelDialog::OnUserInfoLoaded(LPARAM lParam)
{
    CUserProfile* pProfile = reinterpret_cast<CUserProfile*>(lParam);
    if (pProfile != m_pProfile) {
        delete m_pProfile;
        m_pProfile = pProfile;
    }
    if (!m_pProfile)
        return 0;
    const CString values[] = {
        CString(m_pProfile->GetNickname().c_str()), CString(m_pProfile->GetCityName().c_str()),
        Decimal(m_pProfile->GetFollowingCount()),   Decimal(m_pProfile->GetFansCount()),
        Decimal(m_pProfile->GetRoadBookCount()),    Decimal(m_pProfile->GetMicroBookCount()),
        Decimal(m_pProfile->GetTravelNoteCount()),
    };
    CCustomStatic* labels[] = {&m_lblNickname,  &m_lblCity,       &m_lblFollowing,  &m_lblFans,
                               &m_lblRoadBooks, &m_lblMicroBooks, &m_lblTravelNotes};
    for (int i = 0; i < 7; ++i) {
        CString strText = AfxLoadString(kCaptions[i]);
        strText += values[i];
        SetLabel(i, strText);
        // Only the label repaints: invalidating the panel would send a new request.
        if (labels[i]->m_hWnd)
            labels[i]->Invalidate(TRUE);
    }
    return 0;
}
