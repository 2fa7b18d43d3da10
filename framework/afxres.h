#ifndef FRAMEWORK_AFXRES_H
#define FRAMEWORK_AFXRES_H
// The framework's own command, control and string ids.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_PRINT_SETUP 57606
#define ID_FILE_PRINT 57607
#define ID_FILE_PRINT_DIRECT 57608
#define ID_FILE_PRINT_PREVIEW 57609
#define ID_APP_ABOUT 57664
#define ID_HELP 57670
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139
#define AFX_IDW_STATUS_BAR 59393
#define AFX_IDW_PANE_FIRST 59648
// A wizard ended with its Finish button (CPropertySheet::DoModal).
#define ID_WIZFINISH 0x3025
#define AFX_IDS_APP_TITLE 57344
#define AFX_IDS_IDLEMESSAGE 57345
// Frame style: the document's title is added to the window title.
#define FWS_ADDTOTITLE 0x00008000L
#endif
