// The surface widgets are composed on: a grid of 64-pixel tiles, each listing the widgets that touch it,
// recomposed tile by tile into one tile-sized picture; the knob or button under the pointer is drawn
// highlighted and disabled widgets dimmed. Press, drag and release go to one widget at a time.
#pragma once
#include <cstdint>
#include "core/KW_Chain.h"
#include "core/KW_Object.h"
#include "graphics/KW_Pic.h"
#include "graphics/KW_Pix_A32.h"
#include "graphics/KW_Rect.h"

class KW_Wid;

class KW_Win : public KW_Object {
public:
    int32_t width;
    int32_t height;
    KW_Chain widgets;              // every attached widget, in attach order
    KW_Wid* captured = nullptr;    // took the last press: receives drag and release
    KW_Wid* hovered = nullptr;     // the knob or button under the pointer
    KW_Chain* tiles = nullptr;     // tileRows x tileCols, row by row
    int32_t tileCols;
    int32_t tileRows;
    const int32_t tileSize = 64;
    KW_Pic<KW_Pix_A32> tilePicture;     // the tile being composed
    KW_Pic<KW_Pix_A32> scratchPicture;  // a highlighted or dimmed widget before it joins the tile

    KW_Win(int32_t width, int32_t height);
    // Detaches every widget that is still attached.
    ~KW_Win() override;

    // Repaints the rectangle now; nothing here, the platform window composes and shows it.
    virtual void paintRect(const KW_Rect& r);

    // The topmost visible widget at the point whose hit test takes it; none outside the grid.
    KW_Wid* widgetAt(int32_t x, int32_t y) const;

    // Attaches the widget to the window (none detaches it), registering it in every tile of the grid its
    // rectangle touches now. Attaching to the window it has registers it anew, never twice. A widget leaving
    // a window stops being its hovered or captured widget.
    static void setWindow(KW_Wid& widget, KW_Win* window);

    // Composes every tile that the rectangle touches; after each, show(part, tile) copies `part`
    // (window coordinates) of the tile whose rectangle is `tile` from tilePicture. Allocates nothing.
    template <class Show>
    void compose(const KW_Rect& r, Show&& show) {
        const KW_Rect p = r.intersect({0, 0, width, height});
        if (p.empty()) return;
        for (int32_t row = (p.bottom - 1) / tileSize; row >= p.top / tileSize; --row) {
            for (int32_t col = p.left / tileSize; col <= (p.right - 1) / tileSize; ++col) {
                const KW_Rect tile{col * tileSize, row * tileSize, (col + 1) * tileSize, (row + 1) * tileSize};
                const KW_Rect part = tile.intersect(p);
                composeTile(tiles[row * tileCols + col], tile, part);
                show(part, tile);
            }
        }
    }

    // The pointer, in window coordinates. A move drags the captured widget, or else updates the hover
    // (repainting the old and the new hovered widget); a press first hovers the widget under it, then
    // goes to the hovered widget when it is enabled, which then is captured; a release ends the capture;
    // leaving the window also ends the hover.
    void pointerMove(int32_t x, int32_t y);
    void pointerDown(int32_t x, int32_t y);
    void pointerUp();
    void pointerLeft();

private:
    void detach(KW_Wid& w);
    void attach(KW_Wid& w);
    void setHovered(KW_Wid* w);
    void composeTile(const KW_Chain& tile, const KW_Rect& tileRect, const KW_Rect& part);
    // Draws the widget's part through scratchPicture, every pixel emphasised by the factor, into the tile.
    void emphasise(KW_Wid& w, int32_t x, int32_t y, const KW_Rect& part, double factor);
};
