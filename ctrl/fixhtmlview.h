#ifndef CTRL_FIXHTMLVIEW_H
#define CTRL_FIXHTMLVIEW_H
// The base of the client's browser view: the framework's HTML view with the client's
// own control site (CDocHostSite), the view's automation object as the page's
// window.external (so page script reaches the derived view's dispatch map), and the
// service host's name in place of the browser's standard caption of script boxes.
#include "framework/object.h"
#include "framework/htmlview.h"

class CFixHtmlView : public CHtmlView {
    DECLARE_DYNCREATE(CFixHtmlView)
public:
    HRESULT OnGetExternal(IDispatch** ppDispatch) override;
    HRESULT OnShowMessage(HWND hwnd, LPOLESTR lpstrText, LPOLESTR lpstrCaption, DWORD dwType, LPOLESTR lpstrHelpFile,
                          DWORD dwHelpContext, LRESULT* plResult) override;
    const CString& GetCaption() const { return m_strCaption; }

protected:
    CFixHtmlView();
    BOOL CreateControlSite(COleControlSite** ppSite) override;

    // The service host's name.
    CString m_strCaption;
};

// The host part of the service root ("www.example.com" of "http://www.example.com:8080").
CString ServiceHostName();

#endif
