#include "util/validators.h"

#include <regex>

namespace {

// No real address is longer (RFC 5321 path limit); the check also keeps the regular
// expression engine, which recurses per character, far from the end of the stack.
const size_t kMaxEmailLength = 254;

} // namespace

bool IsUserNameValid(const std::string& strUserName)
{
    return strUserName.size() >= 3 && strUserName.size() <= 15;
}

bool IsPasswordValid(const std::string& strPassword)
{
    return strPassword.size() >= 6 && strPassword.size() <= 20;
}

bool IsEmailValid(const std::string& strEmail)
{
    if (strEmail.size() > kMaxEmailLength)
        return false;
    try {
        const std::regex pattern("(\\w+)(-)*(\\.|_)?(\\w*)@(\\w+)(\\.(\\w+))+", std::regex::ECMAScript);
        return std::regex_match(strEmail, pattern);
    } catch (const std::exception&) {
        // The engine gives up on pathological input with regex_error: not an address.
        return false;
    }
}
