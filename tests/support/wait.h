#ifndef TESTS_SUPPORT_WAIT_H
#define TESTS_SUPPORT_WAIT_H

// Waiting for something to happen, the one way every test does it. A driver thread (or
// a test watching another process) polls with WaitUntil; a thread that owns windows
// must keep handling its messages meanwhile and waits with PumpUntil.

#include <windows.h>
#include <functional>

// Polls done() every dwPollMs until it holds or dwTimeoutMs passed; done()'s last answer.
bool WaitUntil(const std::function<bool()>& done, DWORD dwTimeoutMs, DWORD dwPollMs = 10);

// Handles this thread's messages (through the pump filter first, as an application's
// loop pre-translates) until done() holds or dwTimeoutMs passed; done()'s last answer.
bool PumpUntil(const std::function<bool()>& done, DWORD dwTimeoutMs);
// Handles this thread's messages for dwMs; 0: only those queued now.
void PumpFor(DWORD dwMs = 0);

// A pre-translation step for the pumps: TRUE when it handled the message itself.
using PumpFilter = BOOL (*)(MSG* pMsg);
void SetPumpFilter(PumpFilter pfnFilter);

#endif
