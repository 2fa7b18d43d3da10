#include "framework/archive.h"
#include "framework/file.h"
#include "framework/filefind.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

// A file of the test's own, written and read with the C library so that the bytes are
// checked independently of CFile.
class TempFile {
public:
    TempFile()
    {
        char dir[MAX_PATH], name[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        GetTempFileNameA(dir, "arc", 0, name);
        m_path = name;
    }
    ~TempFile() { DeleteFileA(m_path.c_str()); }
    const char* Path() const { return m_path.c_str(); }

    void Put(const std::string& bytes) const
    {
        FILE* f = fopen(Path(), "wb");
        ASSERT_NE(nullptr, f);
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    std::string Get() const
    {
        std::string bytes;
        FILE* f = fopen(Path(), "rb");
        if (!f)
            return bytes;
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof(buf), f)) > 0)
            bytes.append(buf, n);
        fclose(f);
        return bytes;
    }

private:
    std::string m_path;
};

std::string Bytes(const char* p, size_t n)
{
    return std::string(p, n);
}

std::string Store(const TempFile& tmp, const CString& text)
{
    CFile file;
    EXPECT_TRUE(file.Open(tmp.Path(), CFile::modeCreate | CFile::modeWrite));
    CArchive ar(&file, CArchive::store);
    ar << text;
    EXPECT_FALSE(ar.IsFailed());
    file.Close();
    return tmp.Get();
}

// Loads the file's first string into a target that starts as "before".
CString Load(const TempFile& tmp, CArchive::Error expected)
{
    CFile file;
    EXPECT_TRUE(file.Open(tmp.Path(), CFile::modeRead));
    CArchive ar(&file, CArchive::load);
    CString text("before");
    ar >> text;
    EXPECT_EQ(expected, ar.GetError());
    return text;
}

} // namespace

TEST(ArchiveString, LengthPrefixFormsAtEachBoundary)
{
    struct Case {
        int nLength;
        std::string prefix;
    } cases[] = {
        {0, Bytes("\x00", 1)},
        {254, "\xFE"},
        {255, Bytes("\xFF\xFF\x00", 3)},
        {300, "\xFF\x2C\x01"},
        {65533, "\xFF\xFD\xFF"},
        {65534, Bytes("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {70000, Bytes("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nLength);
        TempFile tmp;
        std::string text(c.nLength, 'x');
        if (c.nLength > 0)
            text[0] = 'a', text[c.nLength - 1] = 'z';
        EXPECT_EQ(c.prefix + text, Store(tmp, CString(text)));
        EXPECT_EQ(CString(text), Load(tmp, CArchive::none));
    }
}

TEST(ArchiveString, BytesTravelUnchanged)
{
    TempFile tmp;
    const std::string text = Bytes("100%s%d\x00\xD6\xD0\r\n", 12);
    EXPECT_EQ("\x0C" + text, Store(tmp, CString(text)));
    EXPECT_EQ(CString(text), Load(tmp, CArchive::none));
}

TEST(ArchiveString, WideFormIsConvertedToCodePage936)
{
    TempFile tmp;
    // U+4E2D U+6587, "中文" in code page 936 is D6 D0 CE C4.
    tmp.Put(Bytes("\xFF\xFE\xFF\x02\x2D\x4E\x87\x65", 8));
    EXPECT_EQ(CString("\xD6\xD0\xCE\xC4"), Load(tmp, CArchive::none));

    // The length after the tag takes the 16-bit form too.
    std::string wide300;
    for (int i = 0; i < 300; ++i)
        wide300 += Bytes("a\x00", 2);
    tmp.Put("\xFF\xFE\xFF\xFF\x2C\x01" + wide300);
    EXPECT_EQ(CString(std::string(300, 'a')), Load(tmp, CArchive::none));

    tmp.Put(Bytes("\xFF\xFE\xFF\x00", 4));
    EXPECT_EQ(CString(""), Load(tmp, CArchive::none));
}

TEST(ArchiveString, ShortFileFailsWithEndOfFileAndAssignsNothing)
{
    TempFile tmp;
    const std::string cuts[] = {
        "",         // no prefix at all
        "\xFF\x2C", // 16-bit length cut
        "\x05"
        "abc", // text cut
        "\xFF\x2C\x01" + std::string(299, 'x'),
        Bytes("\xFF\xFE\xFF\x02\x2D\x4E\x87", 7), // wide text cut inside a code unit
    };
    for (const std::string& cut : cuts) {
        SCOPED_TRACE(cut.size());
        tmp.Put(cut);
        EXPECT_EQ(CString("before"), Load(tmp, CArchive::endOfFile));
    }
}

// Announced lengths far beyond the file fail before the text is allocated; a 32-bit
// process would otherwise die of the allocation.
TEST(ArchiveString, HugeAnnouncedLengthFailsAtOnce)
{
    TempFile tmp;
    const std::string tail(16, 'x');
    const std::string huge[] = {
        Bytes("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7) + tail,
        Bytes("\xFF\xFF\xFF\xFE\xFF\xFF\xFF", 7) + tail,
        Bytes("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7) + tail,
        // Wide, 0x80000001 units: twice that in 32 bits would be 2, which the tail holds.
        Bytes("\xFF\xFE\xFF\xFF\xFF\xFF\x01\x00\x00\x80", 10) + tail,
        Bytes("\xFF\xFE\xFF\xFF\xFF\xFF\xFE\xFF\xFF\xFF", 10) + tail,
    };
    for (const std::string& bytes : huge) {
        SCOPED_TRACE(bytes.size());
        tmp.Put(bytes);
        EXPECT_EQ(CString("before"), Load(tmp, CArchive::endOfFile));
    }
}

TEST(ArchiveString, FailureIsStickyAndWrongUseFails)
{
    TempFile tmp;
    tmp.Put(std::string("\x03") + "abc\x09xy\x02ok");
    CFile file;
    ASSERT_TRUE(file.Open(tmp.Path(), CFile::modeRead));
    CArchive ar(&file, CArchive::load);
    CString a, b("keep"), c("keep");
    ar >> a >> b >> c;
    EXPECT_EQ(CString("abc"), a);
    EXPECT_EQ(CString("keep"), b);
    EXPECT_EQ(CString("keep"), c);
    EXPECT_EQ(CArchive::endOfFile, ar.GetError());

    CArchive loading(&file, CArchive::load);
    loading << CString("x");
    EXPECT_EQ(CArchive::wrongMode, loading.GetError());
    CArchive storing(&file, CArchive::store); // on a file opened for reading
    storing << CString("abc");
    EXPECT_EQ(CArchive::writeFault, storing.GetError());
}

TEST(File, OpenModesAndSizes)
{
    TempFile tmp;
    tmp.Put("0123456789");
    CFile file;
    EXPECT_FALSE(file.Open("C:\\no such folder\\none.bin", CFile::modeRead));
    EXPECT_FALSE(file.IsOpen());

    ASSERT_TRUE(file.Open(tmp.Path(), CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate));
    EXPECT_EQ(10, file.GetLength());
    char buf[16] = {};
    EXPECT_EQ(4u, file.Read(buf, 4));
    EXPECT_EQ(4, file.GetPosition());
    EXPECT_EQ(6u, file.Read(buf, sizeof(buf)));
    EXPECT_EQ(0u, file.Read(buf, sizeof(buf)));
    EXPECT_TRUE(file.Write("ab", 2));
    file.Close();
    EXPECT_EQ(-1, file.GetLength());
    EXPECT_EQ("0123456789ab", tmp.Get());

    ASSERT_TRUE(file.Open(tmp.Path(), CFile::modeCreate | CFile::modeWrite));
    EXPECT_EQ(0, file.GetLength());
}

TEST(FileFind, ListsEveryEntryWithPathAndAttributes)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string root = std::string(dir) + "filefind-test";
    CreateDirectoryA(root.c_str(), NULL);
    CreateDirectoryA((root + "\\sub").c_str(), NULL);
    FILE* f = fopen((root + "\\ro.txt").c_str(), "wb");
    ASSERT_NE(nullptr, f);
    fclose(f);
    SetFileAttributesA((root + "\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);

    CFileFind finder;
    EXPECT_FALSE(finder.IsDots());
    EXPECT_TRUE(finder.GetFileName().IsEmpty());
    std::set<std::string> names;
    BOOL bMore = finder.FindFile((root + "\\*.*").c_str());
    ASSERT_TRUE(bMore);
    while (bMore) {
        bMore = finder.FindNextFile();
        std::string name = finder.GetFileName().Str();
        names.insert(name);
        EXPECT_EQ(root + "\\" + name, finder.GetFilePath().Str());
        EXPECT_EQ(name == "." || name == "..", !!finder.IsDots());
        EXPECT_EQ(name != "ro.txt", !!finder.IsDirectory()) << name;
        EXPECT_EQ(name == "ro.txt", !!finder.IsReadOnly()) << name;
    }
    // The last match stays current after the search has run out.
    EXPECT_FALSE(finder.GetFileName().IsEmpty());
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_EQ((std::set<std::string>{".", "..", "ro.txt", "sub"}), names);
    finder.Close();

    EXPECT_FALSE(finder.FindFile((root + "\\missing*.none").c_str()));
    EXPECT_TRUE(finder.GetFilePath().IsEmpty());

    SetFileAttributesA((root + "\\ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA((root + "\\ro.txt").c_str());
    RemoveDirectoryA((root + "\\sub").c_str());
    RemoveDirectoryA(root.c_str());
}
