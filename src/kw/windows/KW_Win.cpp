#include "windows/KW_Win.h"
#include <algorithm>
#include <new>
#include <typeinfo>
#include "core/KW_error.h"
#include "core/KW_status.h"
#include "widgets/KW_Wid.h"
#include "widgets/KW_Wid_Butt.h"
#include "widgets/KW_Wid_Knob.h"

namespace {

int64_t floorDiv(int64_t a, int64_t b) { return a / b - (a % b < 0 ? 1 : 0); }

// Pointer coordinates relative to a widget; wraps instead of overflowing for widgets placed far away.
int32_t offset(int32_t v, int32_t origin) { return int32_t(uint32_t(v) - uint32_t(origin)); }

// Only knobs and buttons, exactly those classes, are ever hovered.
bool hoverable(const KW_Wid& w) { return typeid(w) == typeid(KW_Wid_Knob) || typeid(w) == typeid(KW_Wid_Butt); }

// A faint pixel gains opacity; one that would pass full opacity brightens instead.
void emphasisePixel(KW_Pix_A32& p, double f) {
    const double a = p.a * f;
    if (a <= 255) {
        p.a = uint8_t(a);
        return;
    }
    auto scale = [f](uint8_t v) { return uint8_t(std::min(float(v * f), 255.0f)); };
    p.r = scale(p.r);
    p.g = scale(p.g);
    p.b = scale(p.b);
}

}  // namespace

KW_Win::KW_Win(int32_t w, int32_t h)
    : width(std::max(w, 0)), height(std::max(h, 0)), tileCols((width - 1) / 64 + 1), tileRows((height - 1) / 64 + 1) {
    tiles = new (std::nothrow) KW_Chain[std::size_t(tileCols) * std::size_t(tileRows)];
    if (!tiles) {
        KW_ERROR("KW_Win::KW_Win", KW_ERROR_MEMORY_CANNOT_ALLOCATE);
        width = height = tileCols = tileRows = 0;
    }
    tilePicture.resize(tileSize, tileSize);
    scratchPicture.resize(tileSize, tileSize);
}

KW_Win::~KW_Win() {
    while (widgets.count) setWindow(*static_cast<KW_Wid*>(widgets.first()->data), nullptr);
    delete[] tiles;
}

void KW_Win::paintRect(const KW_Rect&) {}

KW_Wid* KW_Win::widgetAt(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x / tileSize >= tileCols || y / tileSize >= tileRows) return nullptr;
    const KW_Chain& tile = tiles[(y / tileSize) * tileCols + x / tileSize];
    for (const KW_Chain_Item* item = tile.tail.prev; item != &tile.head; item = item->prev) {
        KW_Wid* w = static_cast<KW_Wid*>(item->data);
        const KW_Rect r = w->rect();
        if (w->visible && x >= r.left && x < r.right && y >= r.top && y < r.bottom &&
            w->hit(x - w->left, y - w->top))
            return w;
    }
    return nullptr;
}

void KW_Win::setWindow(KW_Wid& widget, KW_Win* window) {
    if (widget.window && widget.window != window) widget.window->detach(widget);
    if (window) window->attach(widget);
}

void KW_Win::detach(KW_Wid& w) {
    if (hovered == &w) hovered = nullptr;
    if (captured == &w) captured = nullptr;
    w.window = nullptr;
    widgets.remove(&w.windowItem);
    for (int32_t k = 0; k < w.tileItemCount; ++k) w.tileItems[k].list->remove(&w.tileItems[k]);
    delete[] w.tileItems;
    w.tileItems = nullptr;
    w.tileItemCount = 0;
}

void KW_Win::attach(KW_Wid& w) {
    detach(w);
    // Tiles of the grid that the rectangle touches; an empty rectangle, or one beside the grid, touches none.
    const int64_t c0 = std::max<int64_t>(floorDiv(w.left, tileSize), 0);
    const int64_t c1 = std::min<int64_t>(floorDiv(int64_t(w.left) + w.width - 1, tileSize), tileCols - 1);
    const int64_t r0 = std::max<int64_t>(floorDiv(w.top, tileSize), 0);
    const int64_t r1 = std::min<int64_t>(floorDiv(int64_t(w.top) + w.height - 1, tileSize), tileRows - 1);
    const int64_t count = (w.width > 0 && w.height > 0 && c1 >= c0 && r1 >= r0) ? (c1 - c0 + 1) * (r1 - r0 + 1) : 0;
    KW_Wid::TileItem* items = count ? new (std::nothrow) KW_Wid::TileItem[count] : nullptr;
    if (count && !items) {
        KW_ERROR("KW_Win::setWindow", KW_ERROR_MEMORY_CANNOT_ALLOCATE);
        return;
    }
    widgets.add(&w.windowItem);
    KW_Wid::TileItem* item = items;
    for (int64_t row = r0; count && row <= r1; ++row) {
        for (int64_t col = c0; col <= c1; ++col, ++item) {
            item->data = &w;
            tiles[row * tileCols + col].add(item);
        }
    }
    w.tileItems = items;
    w.tileItemCount = int32_t(count);
    w.window = this;
}

void KW_Win::composeTile(const KW_Chain& tile, const KW_Rect& t, const KW_Rect& part) {
    for (const KW_Chain_Item* item = tile.first(); item != tile.end(); item = item->next) {
        KW_Wid& w = *static_cast<KW_Wid*>(item->data);
        // An invisible widget adds nothing, dimmed or not.
        if (!w.visible) continue;
        const KW_Rect o = w.rect().intersect(part);
        if (o.empty()) continue;
        const KW_Rect inWidget{offset(o.left, w.left), offset(o.top, w.top), offset(o.right, w.left),
                               offset(o.bottom, w.top)};
        const int32_t x = o.left - t.left, y = o.top - t.top;
        if (&w != hovered && w.enabled) w.draw(tilePicture, x, y, inWidget);
        else emphasise(w, x, y, inWidget, w.enabled ? 1.5 : 0.4);
    }
}

void KW_Win::emphasise(KW_Wid& w, int32_t x, int32_t y, const KW_Rect& part, double factor) {
    if (!scratchPicture.pixels) return;
    const KW_Rect q{x, y, x + (part.right - part.left), y + (part.bottom - part.top)};
    for (int32_t i = q.top; i < q.bottom; ++i) std::fill(scratchPicture.row(i) + q.left, scratchPicture.row(i) + q.right, KW_Pix_A32{});
    w.draw(scratchPicture, x, y, part);
    for (int32_t i = q.top; i < q.bottom; ++i)
        for (KW_Pix_A32* p = scratchPicture.row(i) + q.left; p != scratchPicture.row(i) + q.right; ++p)
            emphasisePixel(*p, factor);
    KW_Pic_Base<KW_Pix_A32>::composite(scratchPicture, tilePicture, x, y, &q);
}

void KW_Win::pointerMove(int32_t x, int32_t y) {
    if (captured) {
        captured->drag(offset(x, captured->left), offset(y, captured->top));
        return;
    }
    KW_Wid* w = widgetAt(std::clamp(x, 0, std::max(width - 1, 0)), std::clamp(y, 0, std::max(height - 1, 0)));
    setHovered(w && hoverable(*w) ? w : nullptr);
}

void KW_Win::setHovered(KW_Wid* w) {
    if (w == hovered) return;
    if (KW_Wid* old = hovered) {
        hovered = w;
        paintRect(old->rect());
    }
    hovered = w;
    if (w) paintRect(w->rect());
}

void KW_Win::pointerDown(int32_t x, int32_t y) {
    // The press may come with no move before it (a window opened under a resting pointer): the widget
    // under the pointer is hovered first, so the press reaches it.
    if (!captured) pointerMove(x, y);
    if (!hovered || !hovered->enabled) return;
    captured = hovered;
    captured->press(offset(x, captured->left), offset(y, captured->top));
}

void KW_Win::pointerUp() {
    KW_Wid* w = captured;
    captured = nullptr;
    if (w) w->release();
}

void KW_Win::pointerLeft() {
    pointerUp();
    setHovered(nullptr);
}
