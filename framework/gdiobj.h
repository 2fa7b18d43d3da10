#ifndef FRAMEWORK_GDIOBJ_H
#define FRAMEWORK_GDIOBJ_H
// Owners of GDI objects: each deletes its object when it goes, so a painter frees what
// it made on every path. CSelectGuard puts an object into a device context for one
// scope and restores the one it replaced before the object can be deleted.
#include <windows.h>

template <class THandle> class CGdiObjectT {
public:
    CGdiObjectT() = default;
    ~CGdiObjectT() { DeleteObject(); }
    CGdiObjectT(const CGdiObjectT&) = delete;
    CGdiObjectT& operator=(const CGdiObjectT&) = delete;

    operator THandle() const { return m_hObject; }
    THandle GetSafeHandle() const { return m_hObject; }
    // Takes ownership of hObject, deleting the object held before.
    void Attach(THandle hObject)
    {
        DeleteObject();
        m_hObject = hObject;
    }
    BOOL DeleteObject()
    {
        if (!m_hObject)
            return FALSE;
        BOOL bResult = ::DeleteObject(m_hObject);
        m_hObject = NULL;
        return bResult;
    }

protected:
    BOOL Take(THandle hObject)
    {
        Attach(hObject);
        return m_hObject != NULL;
    }
    THandle m_hObject = NULL;
};

class CFont : public CGdiObjectT<HFONT> {
public:
    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont) { return Take(::CreateFontIndirectA(lpLogFont)); }
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, const char* lpszFacename)
    {
        return Take(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, cStrikeOut,
                                  nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, lpszFacename));
    }
    // The logical font of this font; FALSE when there is none.
    BOOL GetLogFont(LOGFONTA* pLogFont) const
    {
        return m_hObject && ::GetObjectA(m_hObject, sizeof(LOGFONTA), pLogFont) != 0;
    }
};

class CBrush : public CGdiObjectT<HBRUSH> {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    BOOL CreateSolidBrush(COLORREF crColor) { return Take(::CreateSolidBrush(crColor)); }
};

class CPen : public CGdiObjectT<HPEN> {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
    {
        return Take(::CreatePen(nPenStyle, nWidth, crColor));
    }
};

class CBitmap : public CGdiObjectT<HBITMAP> {
public:
    BOOL CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight)
    {
        return Take(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
    }
};

class CSelectGuard {
public:
    CSelectGuard(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(hDC && hObject ? ::SelectObject(hDC, hObject) : NULL) {}
    ~CSelectGuard()
    {
        if (m_hOld)
            ::SelectObject(m_hDC, m_hOld);
    }
    CSelectGuard(const CSelectGuard&) = delete;
    CSelectGuard& operator=(const CSelectGuard&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

#endif
