#ifndef TASK_IHTTPTASK_H
#define TASK_IHTTPTASK_H

// A task that is one HTTP POST to the service. Its parameters are encoded when it
// starts; a worker thread of its own posts them and hands the reply to the callback,
// which in every concrete task ends by asking the registry to remove (delete) it.

#include "framework/cstring.h"
#include "task/itask.h"
#include "task/itaskcallback.h"
#include <windows.h>
#include <map>

class ICodeable;

class IHttpTask : public ITask, public ITaskCallback {
public:
    IHttpTask(CString strPath, int nId);
    ~IHttpTask() override;
    IHttpTask(const IHttpTask&) = delete;
    IHttpTask& operator=(const IHttpTask&) = delete;

    // Encodes the parameters and starts the worker thread.
    int Start() override;
    void Stop() override {}
    virtual void AddParam(CString strKey, CString strValue);
    virtual void RemoveParam(CString strKey);
    virtual void ClearParams();
    virtual void SetCallback(ITaskCallback* pCallback);
    // key=value& for each pair in key order, values in UTF-8, nothing escaped.
    virtual CString BuildParams();

    void OnTaskFinished(int nId, std::string strReply) override;

    CString GetUrl() const { return m_strUrl; }
    CString GetParams() const { return m_strBody; }
    ITaskCallback* GetCallback() const { return m_pCallback; }
    // The worker thread's id; 0 before Start.
    DWORD GetWorkerThreadId() const { return m_dwThreadId; }

protected:
    std::map<CString, CString> m_params;
    ITaskCallback* m_pCallback = nullptr;
    CString m_strBody;
    CString m_strUrl;
    ICodeable* m_pMessage = nullptr;
    DWORD m_dwThreadId = 0;
    HWND m_hNotifyWnd = NULL;
};

// The task's framework worker-thread procedure; pTask the task.
UINT HttpTaskThreadProc(LPVOID pTask);

#endif
