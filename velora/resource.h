#ifndef VELORA_RESOURCE_H
#define VELORA_RESOURCE_H

// Resource ids of Velora (the framework's own ids stand in framework/).
#define IDD_ABOUTBOX 100
#define IDP_OLE_INIT_FAILED 100
#define IDR_MAINFRAME 128
#define IDS_TRAY_TIP 65000

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#endif
