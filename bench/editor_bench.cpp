// The editor's drawing: composing the application's whole 200 x 236 window from its 25 widgets and the
// program's art, and the repaint of one knob drag step (the knob hovered, so drawn highlighted).
#include <benchmark/benchmark.h>
#include "core/KW_command.h"
#include "widgets/KW_Wid_Knob.h"
#include "windows/KW_Win.h"

namespace {

// A window that composes every repaint, as the platform window does, without a screen to copy to.
struct Composing : KW_Win {
    Composing() : KW_Win(200, 236) {}
    void paintRect(const KW_Rect& r) override { compose(r, [](const KW_Rect&, const KW_Rect&) {}); }
};

// The editor's widgets in the application's order, attached to the window.
struct Editor {
    Composing win;
    KW_Object* widgets[25] = {};
    KW_Wid_Knob* knob = nullptr;

    Editor() {
        int n = 0;
        auto add = [this, &n](const char* command, auto... args) { KW_command(command, &widgets[n++], args...); };
        add("KW_Wid_Pic -w %i -h %i -l 0 -t 0 -res bgnd", 200, 236);
        add("KW_Wid_Pic -l %i -t 8 -res sitelogo", 20);
        add("KW_Wid_Text -l 10 -t 35 -h 20 -w %i -text %s -font %s -size 12", 180, "3-rd order Butterworth low-pass", "Tahoma");
        add("KW_Wid_Pic -w 10 -h 10 -l 0 -t 0 -res alt");
        add("KW_Wid_Pic -w %i -h 10 -l 10 -t 0 -res amt", 180);
        add("KW_Wid_Pic -w 10 -h 10 -l %i -t 0 -res art", 190);
        add("KW_Wid_Pic -w 10 -h %i -l 0 -t 10 -res alm", 216);
        add("KW_Wid_Pic -w 10 -h %i -l %i -t 10 -res arm", 216, 190);
        add("KW_Wid_Pic -w 10 -h 10 -l 0 -t %i -res alb", 226);
        add("KW_Wid_Pic -w %i -h 10 -l 10 -t %i -res amb", 180, 226);
        add("KW_Wid_Pic -w 10 -h 10 -l %i -t %i -res arb", 190, 226);
        const struct {
            int w, h, l, t;
            const char* res;
        } group[] = {{10, 10, 10, 56, "glt"},  {160, 10, 20, 56, "gmt"},   {10, 10, 180, 56, "grt"},
                     {10, 150, 10, 66, "glm"}, {168, 158, 16, 62, "gmm"}, {10, 150, 180, 66, "grm"},
                     {10, 10, 10, 216, "glb"}, {160, 10, 20, 216, "gmb"}, {10, 10, 180, 216, "grb"}};
        for (const auto& g : group) add("KW_Wid_Pic -w %i -h %i -l %i -t %i -res %s", g.w, g.h, g.l, g.t, g.res);
        add("KW_Wid_Butt -w 40 -h 24 -l %i -t %i -res but", 21, 67);
        add("KW_Wid_Text -l %i -t %i -w 80 -h 16 -color 0x00A57BBD -horz -1 -text Filter", 62, 70);
        add("KW_Wid_Text -font %s -size %i -color %i -text %s -l %i -t %i -w 96 -h 18", "Tahoma", 12, 14729408,
            "Cutoff frequency", 50, 104);
        add("KW_Wid_Knob -w 64 -h 64 -l %i -t %i -res big -mn 20 -mx 10000 -val 1500", 66, 126);
        knob = static_cast<KW_Wid_Knob*>(widgets[n - 1]);
        add("KW_Wid_Text -font %s -size %i -color %i -text %s -l %i -t %i -w 64 -h 18", "Tahoma", 12, 11579568, "239 Hz",
            66, 194);
        for (KW_Object* w : widgets) KW_command("KW_Wid %o -win %o", w, &win);
    }
    ~Editor() {
        for (KW_Object* w : widgets) KW_command("%o -delete", w);
    }
};

void BM_ComposeWholeEditor(benchmark::State& state) {
    Editor e;
    for (auto _ : state) e.win.paintRect({0, 0, 200, 236});
    state.SetItemsProcessed(state.iterations() * 200 * 236);
}
BENCHMARK(BM_ComposeWholeEditor);

void BM_KnobDragStep(benchmark::State& state) {
    Editor e;
    e.win.hovered = e.knob;
    e.knob->press(32, 32);
    int32_t x = 32, step = 1;
    for (auto _ : state) {
        if (x == 32 + 100 || x == 32 - 100) step = -step;
        x += step;
        e.knob->drag(x, 32);
    }
}
BENCHMARK(BM_KnobDragStep);

}  // namespace

BENCHMARK_MAIN();
