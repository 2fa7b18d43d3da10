#include "util/base64.h"

const std::string g_strBase64Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

namespace {

// Value of a character that passed IsBase64.
unsigned int Base64Value(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    return c == '+' ? 62 : 63;
}

// Appends the characters of one group of 1 to 3 bytes, filled with "=".
void EncodeGroup(const unsigned char* pBytes, unsigned int nCount, std::string& strOut)
{
    unsigned int nBits = static_cast<unsigned int>(pBytes[0]) << 16;
    if (nCount > 1)
        nBits |= static_cast<unsigned int>(pBytes[1]) << 8;
    if (nCount > 2)
        nBits |= pBytes[2];
    for (unsigned int i = 0; i < 4; ++i) {
        if (i <= nCount)
            strOut += g_strBase64Alphabet[(nBits >> (18 - 6 * i)) & 0x3F];
        else
            strOut += '=';
    }
}

} // namespace

bool IsBase64(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
}

std::string Base64Encode(const unsigned char* pBytes, unsigned int nCount)
{
    std::string strOut;
    strOut.reserve((nCount / 3 + 1) * 4);
    for (unsigned int i = 0; i < nCount; i += 3) {
        unsigned int nLeft = nCount - i;
        EncodeGroup(pBytes + i, nLeft < 3 ? nLeft : 3, strOut);
    }
    return strOut;
}

std::string Base64Decode(const std::string& strText)
{
    std::string strOut;
    strOut.reserve(strText.size() / 4 * 3 + 2);
    unsigned int nBits = 0;
    unsigned int nChars = 0;
    for (char ch : strText) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c == '=' || !IsBase64(c))
            break;
        nBits = (nBits << 6) | Base64Value(c);
        if (++nChars == 4) {
            strOut += static_cast<char>((nBits >> 16) & 0xFF);
            strOut += static_cast<char>((nBits >> 8) & 0xFF);
            strOut += static_cast<char>(nBits & 0xFF);
            nBits = 0;
            nChars = 0;
        }
    }
    // Missing characters of the last group count as zero bits.
    if (nChars > 1) {
        nBits <<= 6 * (4 - nChars);
        strOut += static_cast<char>((nBits >> 16) & 0xFF);
        if (nChars == 3)
            strOut += static_cast<char>((nBits >> 8) & 0xFF);
    }
    return strOut;
}
