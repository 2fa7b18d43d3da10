#include "util/fileversion.h"
#include "util/paths.h"

#include <gtest/gtest.h>

// The fixture programs are built beside the test program.
TEST(FileVersion, FileWithoutVersionBlock)
{
    EXPECT_EQ(CString("None VerSion Supprot"), GetFileVersion(GetFullPath("fixture_version_none.exe")));
    EXPECT_EQ(CString("None VerSion Supprot"), GetFileVersion(GetFullPath("no-such-file.exe")));
}

TEST(FileVersion, OneTranslationGivesItsFileVersion)
{
    EXPECT_EQ(CString("1.2.3.4"), GetFileVersion(GetFullPath("fixture_version_one.exe")));
}

TEST(FileVersion, TwoTranslationsJoinedInTranslationOrder)
{
    EXPECT_EQ(CString("2.0-en2.0-zh"), GetFileVersion(GetFullPath("fixture_version_two.exe")));
}

TEST(FileVersion, NullMeansTheRunningExecutable)
{
    // The test program carries no version block of its own.
    EXPECT_EQ(CString("None VerSion Supprot"), GetFileVersion(NULL));
}
