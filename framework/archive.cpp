#include "framework/archive.h"

#include <climits>
#include <string>

namespace {

// The 16-bit value after 0xFF that tags a UTF-16 string.
const unsigned kWideTag = 0xFFFE;

void PutLittleEndian(std::string& out, unsigned long long value, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

unsigned long long GetLittleEndian(const unsigned char* p, int nBytes)
{
    unsigned long long value = 0;
    for (int i = nBytes - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

// By length, not up to a zero: a stored text may hold zero code units.
std::string ToAnsi(const std::wstring& text)
{
    std::string ansi;
    int nUnits = static_cast<int>(text.size());
    int nBytes = nUnits ? WideCharToMultiByte(CP_ACP, 0, text.data(), nUnits, NULL, 0, NULL, NULL) : 0;
    if (nBytes > 0) {
        ansi.resize(nBytes);
        WideCharToMultiByte(CP_ACP, 0, text.data(), nUnits, &ansi[0], nBytes, NULL, NULL);
    }
    return ansi;
}

} // namespace

void CArchive::Fail(Error error)
{
    if (m_error == none)
        m_error = error;
}

BOOL CArchive::CanStore()
{
    if (IsFailed())
        return FALSE;
    if (!IsStoring()) {
        Fail(wrongMode);
        return FALSE;
    }
    return TRUE;
}

BOOL CArchive::CanLoad()
{
    if (IsFailed())
        return FALSE;
    if (!IsLoading()) {
        Fail(wrongMode);
        return FALSE;
    }
    return TRUE;
}

void CArchive::WriteBytes(const void* pData, UINT nCount)
{
    if (!m_pFile || !m_pFile->Write(pData, nCount))
        Fail(writeFault);
}

BOOL CArchive::ReadBytes(void* pData, UINT nCount)
{
    if (!m_pFile || !m_pFile->IsOpen()) {
        Fail(readFault);
        return FALSE;
    }
    if (m_pFile->Read(pData, nCount) != nCount) {
        Fail(endOfFile);
        return FALSE;
    }
    return TRUE;
}

CArchive& CArchive::operator<<(const CString& str)
{
    if (!CanStore())
        return *this;
    unsigned long long nLength = static_cast<unsigned>(str.GetLength());
    std::string out;
    if (nLength < 0xFF) {
        PutLittleEndian(out, nLength, 1);
    } else if (nLength < 0xFFFE) {
        PutLittleEndian(out, 0xFF, 1);
        PutLittleEndian(out, nLength, 2);
    } else {
        PutLittleEndian(out, 0xFF, 1);
        PutLittleEndian(out, 0xFFFF, 2);
        PutLittleEndian(out, nLength, 4);
    }
    out += str.Str();
    WriteBytes(out.data(), static_cast<UINT>(out.size()));
    return *this;
}

// One length in the three forms: a byte; 0xFF and 16 bits; 0xFF, 0xFFFF and 32 bits.
// pbWideTag: when not NULL, a 16-bit value of 0xFFFE is the wide tag, not a length.
BOOL CArchive::ReadLength(ULONGLONG& nLength, BOOL* pbWideTag)
{
    unsigned char buf[4];
    if (!ReadBytes(buf, 1))
        return FALSE;
    if (buf[0] < 0xFF) {
        nLength = buf[0];
        return TRUE;
    }
    if (!ReadBytes(buf, 2))
        return FALSE;
    nLength = GetLittleEndian(buf, 2);
    if (pbWideTag && nLength == kWideTag) {
        *pbWideTag = TRUE;
        return TRUE;
    }
    if (nLength < 0xFFFF)
        return TRUE;
    if (!ReadBytes(buf, 4))
        return FALSE;
    nLength = GetLittleEndian(buf, 4);
    return TRUE;
}

// A string's length, after the wide tag when there is one. The 8-bit form never writes
// 0xFFFE as a 16-bit length (it takes the 32-bit form from there), so the tag is unique.
BOOL CArchive::ReadStringLength(ULONGLONG& nLength, BOOL& bWide)
{
    bWide = FALSE;
    if (!ReadLength(nLength, &bWide))
        return FALSE;
    return bWide ? ReadLength(nLength, NULL) : TRUE;
}

BOOL CArchive::CheckRemaining(ULONGLONG nBytes)
{
    LONGLONG nSize = m_pFile->GetLength();
    LONGLONG nPos = m_pFile->GetPosition();
    if (nSize < 0 || nPos < 0) {
        Fail(readFault);
        return FALSE;
    }
    if (nPos > nSize || nBytes > static_cast<ULONGLONG>(nSize - nPos)) {
        Fail(endOfFile);
        return FALSE;
    }
    return TRUE;
}

BOOL CArchive::ReadNarrow(ULONGLONG nLength, CString& str)
{
    if (!CheckRemaining(nLength))
        return FALSE;
    // The string's own length is an int: a longer text cannot be held (files over 2 GB).
    if (nLength > static_cast<ULONGLONG>(INT_MAX)) {
        Fail(readFault);
        return FALSE;
    }
    std::string text(static_cast<size_t>(nLength), '\0');
    if (nLength > 0 && !ReadBytes(&text[0], static_cast<UINT>(nLength)))
        return FALSE;
    str = CString(text);
    return TRUE;
}

BOOL CArchive::ReadWide(ULONGLONG nLength, CString& str)
{
    // nLength is at most 32 bits, so twice it cannot overflow 64.
    if (!CheckRemaining(2 * nLength))
        return FALSE;
    if (nLength > static_cast<ULONGLONG>(INT_MAX / 2)) {
        Fail(readFault);
        return FALSE;
    }
    std::wstring text(static_cast<size_t>(nLength), L'\0');
    if (nLength > 0 && !ReadBytes(&text[0], static_cast<UINT>(2 * nLength)))
        return FALSE;
    str = CString(ToAnsi(text));
    return TRUE;
}

CArchive& CArchive::operator>>(CString& str)
{
    if (!CanLoad())
        return *this;
    ULONGLONG nLength = 0;
    BOOL bWide = FALSE;
    if (!ReadStringLength(nLength, bWide))
        return *this;
    if (bWide)
        ReadWide(nLength, str);
    else
        ReadNarrow(nLength, str);
    return *this;
}
