// The updater's command map: the framework's help command alone, to the framework's help,
// which names the help file it could not open (there is none beside the program).

#include "framework/afxres.h"
#include "tests/support/boxanswerer.h"
#include "update/updateapp.h"

#include <gtest/gtest.h>

TEST(UpdateCommands, OnlyHelpIsRoutedAndAMissingHelpFileIsNamed)
{
    CUpdateApp app;
    CBoxAnswerer answerer;
    struct {
        UINT nID;
        BOOL bHandled;
    } const cases[] = {{ID_HELP, TRUE},       {ID_FILE_NEW, FALSE},
                       {ID_FILE_OPEN, FALSE}, {ID_FILE_PRINT_SETUP, FALSE},
                       {ID_APP_ABOUT, FALSE}, {ID_FILE_PRINT, FALSE}};
    for (const auto& c : cases)
        EXPECT_EQ(c.bHandled, app.OnCmdMsg(c.nID)) << c.nID;
    std::vector<std::string> boxes = answerer.Boxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(0u, boxes[0].find("update_info_test|无法打开帮助文件 ")) << boxes[0];
    EXPECT_NE(std::string::npos, boxes[0].find("\\update_info_test.chm。")) << boxes[0];
}
