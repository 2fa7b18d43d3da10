#include "task/ihttptask.h"

#include "framework/thread.h"
#include "msg/icodeable.h"
#include "net/serviceroot.h"
#include "net/velorahttpengine.h"
#include "util/codepage.h"

IHttpTask::IHttpTask(CString strPath, int nId) : ITask(nId), m_strUrl(CString(GetServiceRoot()) + strPath)
{
}

IHttpTask::~IHttpTask()
{
    delete m_pMessage;
}

// A framework worker thread: an exception on it (std::bad_alloc) ends the thread, never
// the program.
int IHttpTask::Start()
{
    m_strBody = BuildParams();
    m_dwThreadId = AfxBeginThread(HttpTaskThreadProc, this);
    return m_dwThreadId != 0;
}

void IHttpTask::AddParam(CString strKey, CString strValue)
{
    m_params.emplace(std::move(strKey), std::move(strValue));
}

void IHttpTask::RemoveParam(CString strKey)
{
    m_params.erase(strKey);
}

void IHttpTask::ClearParams()
{
    m_params.clear();
}

void IHttpTask::SetCallback(ITaskCallback* pCallback)
{
    m_pCallback = pCallback;
}

CString IHttpTask::BuildParams()
{
    CString strBody;
    for (const auto& param : m_params) {
        CString strValue = param.second;
        AnsiToUtf8(strValue);
        strBody += param.first;
        strBody += "=";
        strBody += strValue;
        strBody += "&";
    }
    return strBody;
}

void IHttpTask::OnTaskFinished(int, std::string)
{
}

UINT HttpTaskThreadProc(LPVOID pParam)
{
    IHttpTask* pTask = static_cast<IHttpTask*>(pParam);
    CString strReply;
    {
        CHttpPostEngine engine(pTask->GetUrl(), pTask->GetParams());
        strReply = engine.Post();
    }
    Utf8ToAnsi(strReply);
    std::string reply(strReply.GetString(), strReply.GetLength());
    // The callback ends by removing the task: touch nothing of it afterwards.
    if (ITaskCallback* pCallback = pTask->GetCallback())
        pCallback->OnTaskFinished(pTask->GetId(), reply);
    return 0;
}
