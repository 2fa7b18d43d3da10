#include "model/userinfo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

// The record saved to and restored from a file of the test's own; the file's bytes are
// written and read with the C library, apart from the code under test.
class UserInfoFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char dir[MAX_PATH], name[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        GetTempFileNameA(dir, "usr", 0, name);
        m_path = name;
    }
    void TearDown() override { DeleteFileA(m_path.c_str()); }

    std::string Save(CUserInfo& info)
    {
        CFile file;
        EXPECT_TRUE(file.Open(m_path.c_str(), CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store);
        info.Serialize(ar);
        EXPECT_FALSE(ar.IsFailed());
        file.Close();
        std::string bytes(1024, '\0');
        FILE* f = fopen(m_path.c_str(), "rb");
        bytes.resize(f ? fread(&bytes[0], 1, bytes.size(), f) : 0);
        if (f)
            fclose(f);
        return bytes;
    }

    CArchive::Error Restore(const std::string& bytes, CUserInfo& info)
    {
        FILE* f = fopen(m_path.c_str(), "wb");
        EXPECT_NE(nullptr, f);
        if (f) {
            fwrite(bytes.data(), 1, bytes.size(), f);
            fclose(f);
        }
        CFile file;
        EXPECT_TRUE(file.Open(m_path.c_str(), CFile::modeRead));
        CArchive ar(&file, CArchive::load);
        info.Serialize(ar);
        return ar.GetError();
    }

    std::string m_path;
};

} // namespace

TEST_F(UserInfoFile, EmptyRecordIsTwoZeroBytes)
{
    CUserInfo info;
    EXPECT_EQ(std::string(2, '\0'), Save(info));

    CUserInfo loaded;
    loaded.SetUserName("old");
    loaded.SetPassword("old");
    EXPECT_EQ(CArchive::none, Restore(std::string(2, '\0'), loaded));
    EXPECT_TRUE(loaded.GetUserName().IsEmpty());
    EXPECT_TRUE(loaded.GetPassword().IsEmpty());
}

TEST_F(UserInfoFile, NameThenPasswordAsTyped)
{
    CUserInfo info;
    info.SetUserName("%s%n\xD6\xD0"); // "%" is no format here; then one Chinese character
    info.SetPassword(CString(std::string(255, 'p')));
    const std::string bytes = Save(info);
    EXPECT_EQ(std::string("\x06%s%n\xD6\xD0\xFF\xFF") + '\0' + std::string(255, 'p'), bytes);

    CUserInfo loaded;
    EXPECT_EQ(CArchive::none, Restore(bytes + "trailing bytes are not read", loaded));
    EXPECT_EQ(CString("%s%n\xD6\xD0"), loaded.GetUserName());
    EXPECT_EQ(CString(std::string(255, 'p')), loaded.GetPassword());
}

TEST_F(UserInfoFile, CutPasswordFailsAndKeepsThePreviousOne)
{
    CUserInfo loaded;
    loaded.SetUserName("old name");
    loaded.SetPassword("old secret");
    EXPECT_EQ(CArchive::endOfFile, Restore("\x03"
                                           "bob\x05"
                                           "se",
                                           loaded));
    EXPECT_EQ(CString("bob"), loaded.GetUserName());
    EXPECT_EQ(CString("old secret"), loaded.GetPassword());
}

TEST_F(UserInfoFile, WideTaggedNameIsConverted)
{
    // "中文" as UTF-16LE, then an 8-bit password.
    CUserInfo loaded;
    EXPECT_EQ(CArchive::none, Restore(std::string("\xFF\xFE\xFF\x02\x2D\x4E\x87\x65\x03"
                                                  "abc",
                                                  12),
                                      loaded));
    EXPECT_EQ(CString("\xD6\xD0\xCE\xC4"), loaded.GetUserName());
    EXPECT_EQ(CString("abc"), loaded.GetPassword());
}

TEST(UserInfoClass, RegisteredByNameWithSchemaOne)
{
    const CRuntimeClass* pClass = CRuntimeClass::FromName("CUserInfo");
    ASSERT_EQ(RUNTIME_CLASS(CUserInfo), pClass);
    EXPECT_EQ(1u, pClass->m_wSchema);
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CNoSuchClass"));
    EXPECT_EQ(nullptr, CObject::classCObject.CreateObject());

    std::unique_ptr<CObject> pObject(pClass->CreateObject());
    ASSERT_TRUE(pObject && pObject->IsKindOf(RUNTIME_CLASS(CUserInfo)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(pObject->IsSerializable());
    EXPECT_TRUE(static_cast<CUserInfo*>(pObject.get())->GetUserName().IsEmpty());
}
