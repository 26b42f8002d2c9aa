// The error report: six lines in a fixed order, shown and acknowledged.
#include <gtest/gtest.h>
#include <string>
#include "core/KW_error.h"
#include "support/ReportCatcher.h"

TEST(ErrorReport, SixLinesMessageFileLineProcDateTime) {
    ReportCatcher catcher;
    const int answer = KW_error_func("src/kw/x.cpp", 42, "KW_Vid::map", "Jul  8 2012", "18:54:06", "Cannot find");
    EXPECT_EQ(1, answer) << "acknowledged with OK";
    EXPECT_EQ("Error: Cannot find\nFile: src/kw/x.cpp\nLine: 42\nProc: KW_Vid::map\nDate: Jul  8 2012\nTime: 18:54:06",
              catcher.text());
}

TEST(ErrorReport, AnOversizedReportIsCutToTheBufferAndMissingTextsAreEmpty) {
    const std::string huge(10000, 'm');
    {
        ReportCatcher catcher;
        KW_error_func(nullptr, -1, nullptr, nullptr, nullptr, nullptr);
        EXPECT_EQ("Error: \nFile: \nLine: -1\nProc: \nDate: \nTime: ", catcher.text());
    }
    ReportCatcher catcher;
    KW_error_func("f", 1, "p", "d", "t", huge.c_str());
    const std::string shown = catcher.text();
    EXPECT_EQ(4095u, shown.size());
    EXPECT_EQ("Error: " + huge.substr(0, 4088), shown);
}

TEST(ErrorReport, MacroReportsTheCallingPlace) {
    ReportCatcher catcher;
    const int line = __LINE__ + 1;
    KW_ERROR("ErrorReport", "here");
    const std::string shown = catcher.text();
    EXPECT_EQ(0u, shown.find("Error: here\nFile: ")) << shown;
    EXPECT_NE(std::string::npos, shown.find("error_test.cpp\nLine: " + std::to_string(line) + "\nProc: ErrorReport\n"));
    EXPECT_NE(std::string::npos, shown.find(std::string("\nDate: ") + __DATE__ + "\nTime: "));
}
