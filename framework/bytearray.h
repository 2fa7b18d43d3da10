#ifndef FRAMEWORK_BYTEARRAY_H
#define FRAMEWORK_BYTEARRAY_H
// The framework's growable byte array: a copy of posted form data and the like.
#include <windows.h>
#include <vector>

class CByteArray {
public:
    CByteArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_bytes.size()); }
    bool IsEmpty() const { return m_bytes.empty(); }
    // New bytes are zero.
    void SetSize(INT_PTR nNewSize) { m_bytes.resize(nNewSize > 0 ? static_cast<size_t>(nNewSize) : 0); }
    void RemoveAll() { m_bytes.clear(); }
    BYTE* GetData() { return m_bytes.empty() ? NULL : m_bytes.data(); }
    const BYTE* GetData() const { return m_bytes.empty() ? NULL : m_bytes.data(); }
    BYTE& operator[](INT_PTR nIndex) { return m_bytes.at(static_cast<size_t>(nIndex)); }
    BYTE operator[](INT_PTR nIndex) const { return m_bytes.at(static_cast<size_t>(nIndex)); }
    INT_PTR Add(BYTE byte)
    {
        m_bytes.push_back(byte);
        return GetSize() - 1;
    }
    // Replaces the contents with nCount bytes from pData.
    void Assign(const void* pData, INT_PTR nCount)
    {
        const BYTE* pBytes = static_cast<const BYTE*>(pData);
        if (pBytes && nCount > 0)
            m_bytes.assign(pBytes, pBytes + nCount);
        else
            m_bytes.clear();
    }
    void Copy(const CByteArray& src) { m_bytes = src.m_bytes; }

private:
    std::vector<BYTE> m_bytes;
};

#endif
