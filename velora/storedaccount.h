#ifndef VELORA_STOREDACCOUNT_H
#define VELORA_STOREDACCOUNT_H

// The account stored in the document, and the session the login fills in. Every change
// of the account rewrites the configuration file at once (the frame's path), so the
// next start logs in, or does not, accordingly.

#include "framework/cstring.h"

// The stored user name; empty when none is stored or there is no document.
CString GetStoredUserName();
CString GetStoredPassword();
// Stores the pair as given and saves the document; nothing without a document.
void StoreAccount(const CString& strUserName, const CString& strPassword);
// Forgets the session as log-out does: the frame's nickname and avatar, then the
// session code.
void ClearSession();

#endif
