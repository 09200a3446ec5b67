#include "app/core/SourceLoss.h"

#include <gtest/gtest.h>

namespace {

TEST(SourceLoss, OnlyTheProgramsOwnDriveEndsTheProgram) {
    struct Case {
        const UiChar* program;
        const UiChar* lost;
        bool ends;
    };
    const Case cases[] = {
        {UI_TEXT("E:\\Ostrilex\\Ostrilex.exe"), UI_TEXT("E:\\DCIM"), true},
        {UI_TEXT("C:\\Ostrilex\\Ostrilex.exe"), UI_TEXT("E:\\DCIM"), false},
        {UI_TEXT("E:\\Ostrilex.exe"), UI_TEXT("E:"), false},        // no separator: no drive part
        {UI_TEXT("D:\\Ostrilex.exe"), UI_TEXT("d:\\rec"), false},  // case counts
        // Shares have no drive part: losing one says nothing of another.
        {UI_TEXT("\\\\server\\tools\\Ostrilex.exe"), UI_TEXT("\\\\camera\\card"), false},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        EXPECT_EQ(IsOnProgramDrive(cases[i].program, cases[i].lost), cases[i].ends) << "case " << i;
    }
}

}  // namespace
