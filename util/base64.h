#ifndef UTIL_BASE64_H
#define UTIL_BASE64_H

// Base64 (RFC 4648 alphabet, "=" fill) for the images the service sends as text.

#include <string>

// The alphabet: a character's value is its position here.
extern const std::string g_strBase64Alphabet;

// Standard Base64 without line breaks.
std::string Base64Encode(const unsigned char* pBytes, unsigned int nCount);

// Decodes from the start up to the first "=" or character outside the alphabet; the
// rest is ignored. A left-over group of 2 or 3 characters gives 1 or 2 bytes, of 1
// character none.
std::string Base64Decode(const std::string& strText);

// True for ASCII letters and digits, "+" and "/".
bool IsBase64(unsigned char c);

#endif
