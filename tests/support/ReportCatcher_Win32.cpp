// On Windows a report is a modal box; a watcher thread looks for it, reads it and presses OK, so the
// reporting call returns. Every wait is bounded, so a missing box fails a test instead of hanging it.
#include "ReportCatcher.h"
#include <windows.h>
#include <atomic>
#include <chrono>
#include <thread>

namespace {

struct Search {
    HWND box = nullptr;
    std::string text;
};

BOOL CALLBACK findBox(HWND w, LPARAM l) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char cls[64] = {}, caption[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    GetWindowTextA(w, caption, sizeof caption);
    if (pid != GetCurrentProcessId() || lstrcmpA(cls, "#32770") || lstrcmpA(caption, "ERROR")) return TRUE;
    reinterpret_cast<Search*>(l)->box = w;
    return FALSE;
}

// The message is the box's longest static text (an icon, when there is one, is a static too).
BOOL CALLBACK findText(HWND w, LPARAM l) {
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static")) return TRUE;
    char buf[8192];
    const int n = GetWindowTextA(w, buf, sizeof buf);
    auto& s = reinterpret_cast<Search*>(l)->text;
    if (n > static_cast<int>(s.size())) s.assign(buf, n);
    return TRUE;
}

}  // namespace

struct ReportCatcher::Watch {
    std::atomic<bool> stop{false};
    std::string text;
    std::thread thread;
};

ReportCatcher::ReportCatcher() : watch_(new Watch) {
    Watch* w = watch_.get();
    w->thread = std::thread([w] {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!w->stop && std::chrono::steady_clock::now() < until) {
            Search s;
            EnumWindows(findBox, reinterpret_cast<LPARAM>(&s));
            if (s.box) {
                EnumChildWindows(s.box, findText, reinterpret_cast<LPARAM>(&s));
                for (char c : s.text)
                    if (c != '\r') w->text += c;
                PostMessageA(s.box, WM_COMMAND, IDOK, 0);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
}

ReportCatcher::~ReportCatcher() {
    watch_->stop = true;
    if (watch_->thread.joinable()) watch_->thread.join();
}

std::string ReportCatcher::text() {
    if (watch_->thread.joinable()) watch_->thread.join();
    return watch_->text;
}
