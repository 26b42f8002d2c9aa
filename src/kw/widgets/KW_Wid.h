// The base of every widget: a rectangle of a window that draws itself when the window composes, and may
// answer hit tests and the pointer's presses, drags and releases. Created, placed, attached and changed
// by command.
#pragma once
#include <cstdint>
#include "core/KW_Chain.h"
#include "core/KW_Object.h"
#include "graphics/KW_Pic_Base.h"
#include "graphics/KW_Pix_A32.h"
#include "graphics/KW_Rect.h"

class KW_Win;

class KW_Wid : public KW_Object {
public:
    // The link of one window tile the widget is registered in; its data is the widget.
    struct TileItem : KW_Chain_Item {
        TileItem() : KW_Chain_Item(nullptr) {}
    };

    KW_Win* window = nullptr;
    KW_Chain_Item windowItem{this};
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t visible = 1;
    int32_t enabled = 1;
    TileItem* tileItems = nullptr;  // owned; one per tile touched when the widget was attached
    int32_t tileItemCount = 0;

    KW_Wid() = default;
    // Detaches from the window first: nothing refers to a destroyed widget. Nothing is repainted.
    ~KW_Wid() override;

    // Blends the part (widget coordinates) of the widget into the picture with its top-left corner at (x, y).
    virtual void draw(KW_Pic_Base<KW_Pix_A32>& picture, int32_t x, int32_t y, const KW_Rect& part);
    // Brings the widget's own picture up to date.
    virtual void prepare();
    // prepare, then repaint the widget's rectangle at once when attached.
    virtual void redraw();
    virtual void press(int32_t x, int32_t y);
    virtual void drag(int32_t x, int32_t y);
    virtual bool hit(int32_t x, int32_t y);
    virtual void release();

    // (left, top, left + width, top + height), the far edges kept within 32 bits.
    KW_Rect rect() const;

    static const KW_Option options[];
};
