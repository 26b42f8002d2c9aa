// The editor: a 200 x 236 panel of widgets made by commands, attached to a window while it is open.
#include "app/KW_Application.h"
#include <cstdio>
#include "core/KW_command.h"

namespace {

const int W = 200, H = 236;             // the editor
const int G = 10;                       // corner size of the group frame
const int GL = 10, GT = 56;             // the group frame's top-left corner
const int GW = 180, GH = 170;           // and its size
const char TITLE[] = "3-rd order Butterworth low-pass";
const char FONT[] = "Tahoma";

struct Piece {
    int slot;
    const char* res;
    int w, h, l, t;
};

// The group frame: corners, edges and the middle piece, which overlaps the edges by 4 pixels.
const Piece GROUP[] = {
    {11, "glt", G, G, GL, GT},
    {12, "gmt", GW - 2 * G, G, GL + G, GT},
    {13, "grt", G, G, GL + GW - G, GT},
    {14, "glm", G, GH - 2 * G, GL, GT + G},
    {15, "gmm", GW - 2 * G + 8, GH - 2 * G + 8, GL + G - 4, GT + G - 4},
    {16, "grm", G, GH - 2 * G, GL + GW - G, GT + G},
    {17, "glb", G, G, GL, GT + GH - G},
    {18, "gmb", GW - 2 * G, G, GL + G, GT + GH - G},
    {19, "grb", G, G, GL + GW - G, GT + GH - G},
};

}  // namespace

void KW_Application::buildEditor() {
    KW_command("KW_Wid_Pic -w %i -h %i -l 0 -t 0 -res bgnd", &widgets[0], W, H);
    KW_command("KW_Wid_Pic -l %i -t 8 -res sitelogo", &widgets[9], (W - 160) / 2);
    KW_command("KW_Wid_Text -l 10 -t 35 -h 20 -w %i -text %s -font %s -size 12", &widgets[10], W - 20, TITLE, FONT);
    KW_command("KW_Wid_Pic -w 10 -h 10 -l 0 -t 0 -res alt", &widgets[1]);
    KW_command("KW_Wid_Pic -w %i -h 10 -l 10 -t 0 -res amt", &widgets[2], W - 20);
    KW_command("KW_Wid_Pic -w 10 -h 10 -l %i -t 0 -res art", &widgets[3], W - 10);
    KW_command("KW_Wid_Pic -w 10 -h %i -l 0 -t 10 -res alm", &widgets[4], H - 20);
    KW_command("KW_Wid_Pic -w 10 -h %i -l %i -t 10 -res arm", &widgets[5], H - 20, W - 10);
    KW_command("KW_Wid_Pic -w 10 -h 10 -l 0 -t %i -res alb", &widgets[6], H - 10);
    KW_command("KW_Wid_Pic -w %i -h 10 -l 10 -t %i -res amb", &widgets[7], W - 20, H - 10);
    KW_command("KW_Wid_Pic -w 10 -h 10 -l %i -t %i -res arb", &widgets[8], W - 10, H - 10);
    for (const Piece& p : GROUP) {
        char command[48];
        std::snprintf(command, sizeof command, "KW_Wid_Pic -w %%i -h %%i -l %%i -t %%i -res %s", p.res);
        KW_command(command, &widgets[p.slot], p.w, p.h, p.l, p.t);
    }
    KW_command("KW_Wid_Butt -w 40 -h 24 -l %i -t %i -res but -var %o -dat %o", &widgets[BUTTON], GL + 11, GT + 11,
               &state, this);
    KW_command("KW_Wid_Text -l %i -t %i -w 80 -h 16 -color 0x00A57BBD -horz -1 -text Filter", &widgets[23], GL + 52,
               GT + 14);
    KW_command("KW_Wid_Text -font %s -size %i -color %i -text %s -l %i -t %i -w 96 -h 18", &widgets[CAPTION], FONT,
               12, 14729408, "Cutoff frequency", GL + 40, GT + 48);
    KW_command("KW_Wid_Knob -w 64 -h 64 -l %i -t %i -res big -mn 20 -mx 10000 -var %o -dat %o", &widgets[KNOB],
               GL + 56, GT + 70, &frequency, this);
    KW_command("KW_Wid_Text -font %s -size %i -color %i -text %s -l %i -t %i -w 64 -h 18", &widgets[VALUE_LABEL],
               FONT, 12, 11579568, "value", GL + 56, GT + 138);
}

KW_status KW_Application::attach(KW_Win* w) {
    window = w;
    for (KW_Wid* widget : widgets)
        if (widget) KW_command("KW_Wid %o -win %o", widget, w);
    return KW_OK;
}

KW_status KW_Application::detach() {
    for (KW_Wid* widget : widgets)
        if (widget) KW_command("KW_Wid %o -win 0", widget);
    return KW_OK;
}
