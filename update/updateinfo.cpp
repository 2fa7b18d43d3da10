#include "update/updateinfo.h"

#include <algorithm>

namespace {

// The number of pieces split off from the end of the notes, at most.
const int kMaxSplitPieces = 21;

} // namespace

std::vector<CString> SplitUpdateInfo(CString strInfo)
{
    std::vector<CString> rows;
    for (int nCount = 0; nCount < kMaxSplitPieces; ++nCount) {
        int nSeparator = strInfo.ReverseFind('|');
        if (nSeparator < 0)
            break;
        rows.push_back(strInfo.Mid(nSeparator + 1));
        strInfo = strInfo.Left(nSeparator);
    }
    rows.push_back(strInfo);
    std::reverse(rows.begin(), rows.end());
    return rows;
}
