#ifndef VELORA_VELORABROWSER_H
#define VELORA_VELORABROWSER_H

#include "framework/cstring.h"
#include "framework/dyncreate.h"
#include "framework/view.h"

// The right pane of the main frame's splitter, which shows the service's pages.
class CVeloraBrowser : public CView {
    DECLARE_DYNCREATE(CVeloraBrowser)

public:
    // Shows the page at lpszURL; this plain pane only keeps the address.
    BOOL Navigate2(const char* lpszURL, DWORD dwFlags = 0, const char* lpszTargetFrameName = NULL,
                   const char* lpszHeaders = NULL, const void* lpvPostData = NULL, DWORD dwPostDataLen = 0);
    const CString& GetLastUrl() const { return m_strLastUrl; }

protected:
    void OnDraw(HDC hDC) override;

private:
    CString m_strLastUrl;
};

#endif
