#include "msg/replyreader.h"

#include <cstdlib>
#include <cstring>
#include <exception>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
bool ParseReply(const std::string& strText, Json::Value& root)
{
    try {
        Json::Reader reader;
        return reader.parse(strText, root);
    } catch (const std::exception&) {
        // Nesting beyond the reader's limit.
        root = Json::Value();
        return false;
    }
}
#pragma GCC diagnostic pop

std::string ReadText(const Json::Value& object, const char* pszKey, const char* pszDefault)
{
    if (!object.isObject())
        return pszDefault;
    const Json::Value* pValue = object.find(pszKey, pszKey + strlen(pszKey));
    if (!pValue)
        return pszDefault;
    switch (pValue->type()) {
    case Json::stringValue:
        return pValue->asString();
    case Json::booleanValue:
        return pValue->asBool() ? "true" : "false";
    default:
        return std::string();
    }
}

int ReadNumber(const Json::Value& object, const char* pszKey, const char* pszDefault)
{
    return atoi(ReadText(object, pszKey, pszDefault).c_str());
}
