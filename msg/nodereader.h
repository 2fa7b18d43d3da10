#ifndef MSG_NODEREADER_H
#define MSG_NODEREADER_H

// Reading one node of a node reply: the keys of a node object, each with its default
// when absent. Shared by the all-children and the list replies.

#include "model/treenode.h"
#include "msg/msghead.h"
#include <json/json.h>
#include <string>

// A new node from the object (null reads as all defaults). An icon text longer than
// 10 characters is decoded; the node keeps the icon only when GDI+ could read it.
TreeNode* ReadNode(const Json::Value& object, const char* pszNeedExpandDefault);

// The member of an object without copying, or null for an absent key or a value that
// is no object.
const Json::Value* FindMember(const Json::Value& object, const char* pszKey);

// True for a value that may stand where a node object is expected (an object, or
// null meaning all defaults); anything else is skipped by the decoders.
bool IsNodeValue(const Json::Value& value);

// The "table" of a reply's data where one object is expected: the object, or a null
// value when it is absent or null (all defaults); NULL when it is of another type.
const Json::Value* ObjectTable(const Json::Value& data);

// The envelope decoded into head and data, then its object "table" as ObjectTable finds
// it; NULL when the head failed or either is of another type. The result points into data.
const Json::Value* DecodeObjectTable(const std::string& strText, CMsgHead& head, Json::Value& data);

#endif
