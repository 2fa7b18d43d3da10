#ifndef UPDATE_UPDATEINFO_H
#define UPDATE_UPDATEINFO_H
// The release notes of an update, as the wizard's first page lists them.
#include "framework/cstring.h"

#include <vector>

// The rows for the notes: the pieces between "|" separators, in text order. At most
// 21 pieces are split off from the end; what stays before them is the first row, its
// own separators included. An empty text is one empty row.
std::vector<CString> SplitUpdateInfo(CString strInfo);

#endif
