#include "task/itask.h"

#include <windows.h>

ITask::ITask(int nId) : m_nId(nId), m_nKey(static_cast<long>(GetTickCount()) + nId)
{
}
