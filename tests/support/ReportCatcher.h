// Catches an error report of the code under test with nobody there to dismiss it. Natively the report
// is taken from standard error; on Windows a watcher thread finds this process's box captioned "ERROR",
// reads its text, presses OK and hands the text over. Make one just before the call that reports.
#pragma once
#include <memory>
#include <string>

class ReportCatcher {
public:
    ReportCatcher();
    ~ReportCatcher();
    ReportCatcher(const ReportCatcher&) = delete;
    ReportCatcher& operator=(const ReportCatcher&) = delete;

    // The report as shown, lines joined by line feeds, no line feed at the end; empty when nothing
    // was reported within a few seconds. Call it after the reporting call has returned.
    std::string text();

private:
    struct Watch;
    std::unique_ptr<Watch> watch_;
};
