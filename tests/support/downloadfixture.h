#ifndef TESTS_SUPPORT_DOWNLOADFIXTURE_H
#define TESTS_SUPPORT_DOWNLOADFIXTURE_H

// What the tests of both download workers share: a hidden window that stands for the
// window a worker reports to, a folder of the test's own for the files, the stand-in's
// replies, the boxes shown, and the replies that test how a worker judges a reply before
// its body. Test literals are code page 936.

#include "tests/support/boxanswerer.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

// A reply and what each worker makes of it. Only a complete download (no box) changes
// the chosen file; after a failed one it is as it was.
struct CReplyHeadCase {
    const char* pszName;
    std::string response;  // the whole reply, as the stand-in sends it
    std::string file;      // what the chosen file holds after a complete download
    long long nTotal;      // the size the progress goes by; 0: no progress at all
    int nLastPercent;      // the last progress percentage
    std::string veloraBox; // the client worker's box text, "" for none (then complete)
    std::string updateBox; // the installer worker's
};

std::vector<CReplyHeadCase> ReplyHeadCases();

class CDownloadFixture : public ::testing::Test {
protected:
    // The worker's messages: each progress message goes to OnProgress, the wParam of each
    // end message is kept in ends.
    CDownloadFixture(UINT nProgressMessage, UINT nEndMessage);
    ~CDownloadFixture() override;

    void SetUp() override;
    // A progress message the worker sent; its result goes back to the worker.
    virtual LRESULT OnProgress(LPARAM lParam) = 0;

    HWND Window() const { return m_hWnd; }
    // Pumps this thread's messages until nEnds end messages arrived; false on time-out.
    bool WaitForEnds(size_t nEnds, DWORD dwTimeoutMs);
    // Waits for a worker's thread (NULL: one already gone), then takes what it sent.
    void Join(HANDLE hThread);

    static std::string Url(const std::string& path);
    // A file in the test's folder; only files named here may be left in it.
    std::string FilePath(const std::string& name);
    static std::string ReadFile(const std::string& path); // "<missing>" when there is none
    static void PutFile(const std::string& path, const std::string& text);
    static std::string Pattern(size_t n);
    static bool QueueRaw(const std::string& path, const std::string& response, int nDelayMs = 0);
    // The boxes shown after the first nFrom.
    std::vector<std::string> BoxesSince(size_t nFrom);
    // A download that ended: one end message (wEnd), the file as given, since nBoxes the
    // one box given ("" for none), and nothing in the folder but files the test named.
    void ExpectEnd(WPARAM wEnd, const std::string& path, const std::string& file, size_t nBoxes,
                   const std::string& box);
    void ExpectOnlyNamedFiles();

    std::vector<WPARAM> ends;
    std::unique_ptr<CBoxAnswerer> m_answerer{new CBoxAnswerer()};

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    UINT m_nProgressMessage;
    UINT m_nEndMessage;
    HWND m_hWnd = NULL;
    std::string m_strDir;
    std::set<std::string> m_named;
};

#endif
