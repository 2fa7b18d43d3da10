#ifndef MSG_ENVELOPE_H
#define MSG_ENVELOPE_H

// The steps every message decoder shares: the head decodes the text; if the head
// succeeded the text is parsed again and its "data" copied. True when the message
// should read its own keys from data (an object, or null when absent); false when
// the head failed or "data" is of another type.

#include "msg/msghead.h"
#include <json/json.h>
#include <string>

bool DecodeEnvelope(const std::string& strText, CMsgHead& head, Json::Value& data);

#endif
