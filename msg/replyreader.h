#ifndef MSG_REPLYREADER_H
#define MSG_REPLYREADER_H

// Reading a reply with jsoncpp without ever letting it throw: jsoncpp throws on reads
// of the wrong type and on very deep nesting, and no reply may end the program.
// Everything here reads through const access, so nothing is inserted into a value.

#include <json/json.h>
#include <string>

// Parses the whole text into root. False when it is not JSON or cannot be read.
bool ParseReply(const std::string& strText, Json::Value& root);

// A text field: the default when the key is absent, "" for null, "true"/"false"
// for a boolean, the text for a string; any other type reads as "".
std::string ReadText(const Json::Value& object, const char* pszKey, const char* pszDefault);

// A numeric field travelling as text: ReadText converted with atoi.
int ReadNumber(const Json::Value& object, const char* pszKey, const char* pszDefault);

#endif
