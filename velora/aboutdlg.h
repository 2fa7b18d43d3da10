#ifndef VELORA_ABOUTDLG_H
#define VELORA_ABOUTDLG_H

#include "framework/dialog.h"

// The about box: the program's icon, name and version.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

#endif
