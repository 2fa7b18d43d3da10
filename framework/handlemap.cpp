#include "framework/handlemap.h"

#include <map>
#include <mutex>

namespace {

std::mutex& MapLock()
{
    static std::mutex s_lock;
    return s_lock;
}

std::map<HWND, CWnd*>& Map()
{
    static std::map<HWND, CWnd*> s_map;
    return s_map;
}

} // namespace

void CHandleMap::Add(HWND hWnd, CWnd* pWnd)
{
    std::lock_guard<std::mutex> lock(MapLock());
    Map()[hWnd] = pWnd;
}

void CHandleMap::Remove(HWND hWnd)
{
    std::lock_guard<std::mutex> lock(MapLock());
    Map().erase(hWnd);
}

CWnd* CHandleMap::Lookup(HWND hWnd)
{
    std::lock_guard<std::mutex> lock(MapLock());
    auto it = Map().find(hWnd);
    return it == Map().end() ? NULL : it->second;
}

size_t CHandleMap::GetCount()
{
    std::lock_guard<std::mutex> lock(MapLock());
    return Map().size();
}
