// Natively a report is written to standard error; the catcher captures that stream.
#include "ReportCatcher.h"
#include <gtest/gtest.h>

struct ReportCatcher::Watch {
    bool taken = false;
};

ReportCatcher::ReportCatcher() : watch_(new Watch) { testing::internal::CaptureStderr(); }

ReportCatcher::~ReportCatcher() {
    if (!watch_->taken) testing::internal::GetCapturedStderr();
}

std::string ReportCatcher::text() {
    if (watch_->taken) return {};
    watch_->taken = true;
    std::string s = testing::internal::GetCapturedStderr();
    if (!s.empty() && s.back() == '\n') s.pop_back();  // the stream ends the report with a line feed
    return s;
}
