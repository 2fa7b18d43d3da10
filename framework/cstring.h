#ifndef FRAMEWORK_CSTRING_H
#define FRAMEWORK_CSTRING_H

// The framework's 8-bit string: text in the ANSI code page (936 here).
// Value semantics over std::string: no shared buffers, so copies may cross threads.

#include <windows.h>
#include <string>

class CString {
public:
    CString() = default;
    CString(const char* psz) : m_str(psz ? psz : "") {}
    CString(const char* pch, int nLength) : m_str(pch ? pch : "", pch && nLength > 0 ? nLength : 0) {}
    CString(char ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}
    // Converts UTF-16 text to the ANSI code page.
    CString(const wchar_t* pwsz);
    CString(const std::string& str) : m_str(str) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    const char* GetString() const { return m_str.c_str(); }
    operator const char*() const { return m_str.c_str(); }
    char GetAt(int nIndex) const { return m_str.at(nIndex); }

    // Direct buffer access: at least nMinLength characters, terminated.
    // ReleaseBuffer(-1) takes the length up to the first zero byte.
    char* GetBuffer(int nMinLength = 0);
    void ReleaseBuffer(int nNewLength = -1);

    CString& operator=(const char* psz);
    CString& operator+=(const CString& str);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    int Compare(const char* psz) const;
    int Find(const char* pszSub, int nStart = 0) const;
    int Find(char ch, int nStart = 0) const;
    // The last ch, -1 when there is none. Trail bytes of double-byte characters of the
    // ANSI code page are skipped: in code page 936 a trail byte can equal "|" or "\\".
    int ReverseFind(char ch) const;
    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;
    // White space (blank, tab, line breaks) removed at one or both ends. No trail byte of
    // a double-byte character is white space, so the text stays whole.
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim();

    // printf-style formatting; the result has whatever length it needs.
    void Format(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));

    const std::string& Str() const { return m_str; }
    // The text in UTF-16, for the platform's wide-character interfaces (GDI+).
    std::wstring Wide() const;

private:
    std::string m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
// Byte order of the text, as the framework's string compares.
bool operator<(const CString& a, const CString& b);

#endif
