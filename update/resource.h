#ifndef UPDATE_RESOURCE_H
#define UPDATE_RESOURCE_H
// Ids of the updater's resources (update.rc).

#define IDD_FIRST_STEP_PAGE 134
#define IDD_SECOND_STEP_PAGE 135
#define IDC_LIST_UPDATE_INFO 1004
#define IDC_PROGRESS_DOWNLOAD 1006

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#endif
