// Painting allocates nothing: every allocation of the program is counted while a window composes.
#include <gtest/gtest.h>
#include <atomic>
#include <cstdlib>
#include <new>
#include "Scene.h"
#include "widgets/KW_Wid_Pic.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t n) {
    ++allocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(n ? n : 1);
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept { return operator new(n, t); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(Allocation, ComposingAWindowWithHighlightAndDimmingAllocatesNothing) {
    Scene s;
    KW_Wid_Pic texture;
    texture.width = 192;
    texture.height = 128;
    texture.picture.mapResource("solid");
    KW_Win::setWindow(texture, &s.win);
    s.win.hovered = &s.knob;
    s.button.enabled = 0;
    KW_Win& plain = s.win;  // the composition itself, without the recorder's bookkeeping
    long shown = 0;
    s.win.asked.reserve(8);
    s.win.shown.reserve(64);
    s.background.parts.reserve(64);  // the test widget's own record
    const long before = allocations;
    plain.compose({0, 0, 192, 128}, [&shown](const KW_Rect&, const KW_Rect&) { ++shown; });
    const long composing = allocations - before;
    s.win.pointerMove(40, 20);  // a repaint of the knob, unhighlighted, and of the button, dimmed
    const long hovering = allocations - before - composing;
    EXPECT_EQ(composing, 0);
    EXPECT_EQ(hovering, 0);
    EXPECT_EQ(shown, 6);
}

}  // namespace
