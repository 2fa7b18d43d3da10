#include "framework/cstring.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

CString::CString(const wchar_t* pwsz)
{
    if (!pwsz || !*pwsz)
        return;
    int nBytes = WideCharToMultiByte(CP_ACP, 0, pwsz, -1, NULL, 0, NULL, NULL);
    if (nBytes <= 1)
        return;
    m_str.resize(nBytes);
    WideCharToMultiByte(CP_ACP, 0, pwsz, -1, &m_str[0], nBytes, NULL, NULL);
    m_str.resize(nBytes - 1);
}

std::wstring CString::Wide() const
{
    if (m_str.empty())
        return std::wstring();
    int nChars = MultiByteToWideChar(CP_ACP, 0, m_str.data(), GetLength(), NULL, 0);
    std::wstring strWide(nChars > 0 ? nChars : 0, L'\0');
    if (nChars > 0)
        MultiByteToWideChar(CP_ACP, 0, m_str.data(), GetLength(), &strWide[0], nChars);
    return strWide;
}

char* CString::GetBuffer(int nMinLength)
{
    if (nMinLength > GetLength())
        m_str.resize(nMinLength);
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_str.c_str(), m_str.size()));
    if (nNewLength < GetLength())
        m_str.resize(nNewLength);
}

CString& CString::operator=(const char* psz)
{
    m_str = psz ? psz : "";
    return *this;
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(const char* psz)
{
    if (psz)
        m_str += psz;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

int CString::Compare(const char* psz) const
{
    return m_str.compare(psz ? psz : "");
}

int CString::Find(const char* pszSub, int nStart) const
{
    if (!pszSub || nStart < 0 || nStart > GetLength())
        return -1;
    size_t pos = m_str.find(pszSub, nStart);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    size_t pos = m_str.find(ch, nStart);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    int nFound = -1;
    for (int i = 0; i < GetLength(); ++i) {
        if (m_str[i] == ch)
            nFound = i;
        else if (IsDBCSLeadByte(static_cast<BYTE>(m_str[i])) && i + 1 < GetLength())
            ++i;
    }
    return nFound;
}

CString CString::Left(int nCount) const
{
    if (nCount <= 0)
        return CString();
    return CString(m_str.substr(0, nCount));
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst >= GetLength() || nCount <= 0)
        return CString();
    return CString(m_str.substr(nFirst, nCount));
}

CString CString::Right(int nCount) const
{
    if (nCount <= 0)
        return CString();
    if (nCount >= GetLength())
        return *this;
    return CString(m_str.substr(GetLength() - nCount));
}

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list copy;
    va_copy(copy, args);
    int nLength = vsnprintf(NULL, 0, pszFormat, copy);
    va_end(copy);
    if (nLength < 0) {
        m_str.clear();
    } else {
        std::string result(nLength + 1, '\0');
        vsnprintf(&result[0], result.size(), pszFormat, args);
        result.resize(nLength);
        m_str.swap(result);
    }
    va_end(args);
}

CString operator+(const CString& a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, const char* b)
{
    CString result(a);
    result += b;
    return result;
}

CString operator+(const char* a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}

bool operator==(const CString& a, const CString& b)
{
    return a.Str() == b.Str();
}

bool operator==(const CString& a, const char* b)
{
    return a.Compare(b) == 0;
}

bool operator!=(const CString& a, const CString& b)
{
    return !(a == b);
}

bool operator!=(const CString& a, const char* b)
{
    return !(a == b);
}

bool operator<(const CString& a, const CString& b)
{
    return a.Str() < b.Str();
}

namespace {
const char kWhiteSpace[] = " \t\r\n\v\f";
} // namespace

CString& CString::TrimLeft()
{
    m_str.erase(0, m_str.find_first_not_of(kWhiteSpace));
    return *this;
}

CString& CString::TrimRight()
{
    size_t nLast = m_str.find_last_not_of(kWhiteSpace);
    m_str.erase(nLast == std::string::npos ? 0 : nLast + 1);
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}
