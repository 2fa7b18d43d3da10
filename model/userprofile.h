#ifndef MODEL_USERPROFILE_H
#define MODEL_USERPROFILE_H

// A member's profile as the user-information panel shows it. The profile task fills
// one from the service's reply and hands it to the panel's window, which then owns it.

#include <atomic>
#include <string>
#include <utility>

class CUserProfile {
public:
    CUserProfile() { ++LiveCounter(); }
    CUserProfile(const CUserProfile& other)
        : m_strNickname(other.m_strNickname), m_strCityName(other.m_strCityName),
          m_nFollowingCount(other.m_nFollowingCount), m_nFansCount(other.m_nFansCount),
          m_nRoadBookCount(other.m_nRoadBookCount), m_nMicroBookCount(other.m_nMicroBookCount),
          m_nTravelNoteCount(other.m_nTravelNoteCount)
    {
        ++LiveCounter();
    }
    CUserProfile& operator=(const CUserProfile&) = default;
    ~CUserProfile() { --LiveCounter(); }

    // Profiles alive in the process (any thread): lets the checks see that every
    // profile handed to a window, or meant for one that is gone, is freed.
    static long LiveCount() { return LiveCounter().load(); }

    std::string GetNickname() const { return m_strNickname; }
    std::string GetCityName() const { return m_strCityName; }
    int GetFollowingCount() const { return m_nFollowingCount; }
    int GetFansCount() const { return m_nFansCount; }
    int GetRoadBookCount() const { return m_nRoadBookCount; }
    int GetMicroBookCount() const { return m_nMicroBookCount; }
    int GetTravelNoteCount() const { return m_nTravelNoteCount; }

    void SetNickname(std::string strNickname) { m_strNickname = std::move(strNickname); }
    void SetCityName(std::string strCityName) { m_strCityName = std::move(strCityName); }
    void SetFollowingCount(int nCount) { m_nFollowingCount = nCount; }
    void SetFansCount(int nCount) { m_nFansCount = nCount; }
    void SetRoadBookCount(int nCount) { m_nRoadBookCount = nCount; }
    void SetMicroBookCount(int nCount) { m_nMicroBookCount = nCount; }
    void SetTravelNoteCount(int nCount) { m_nTravelNoteCount = nCount; }

private:
    static std::atomic<long>& LiveCounter()
    {
        static std::atomic<long> s_nLive{0};
        return s_nLive;
    }

    std::string m_strNickname;
    std::string m_strCityName;
    int m_nFollowingCount = 0;
    int m_nFansCount = 0;
    int m_nRoadBookCount = 0;
    int m_nMicroBookCount = 0;
    int m_nTravelNoteCount = 0;
};

#endif
