#ifndef UTIL_VALIDATORS_H
#define UTIL_VALIDATORS_H

// Checks of what the user typed in the login, register and settings dialogs.
// Lengths count bytes of the code-page-936 text: a Chinese character counts 2.

#include <string>

bool IsUserNameValid(const std::string& strUserName);
bool IsPasswordValid(const std::string& strPassword);
bool IsEmailValid(const std::string& strEmail);

#endif
