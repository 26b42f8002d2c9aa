// The menu bar and the item operations of the commands. Items are found by identifier across every
// pop-up of the bar.
#include "KW_Host.h"

namespace {
struct MenuRow {
    const char* text;
    HMENU* becomes;  // a new pop-up is stored here when the identifier is 0
    HMENU* parent;
    int id;
    UINT state;
};
}

void KW_Host::buildMenus() {
    bar = CreateMenu();
    const MenuRow rows[] = {
        {"&Audio", &audioMenu, &bar, 0, 0},
        {"", nullptr, &audioMenu, 0, 0},
        {"&Mode", &modeMenu, &audioMenu, 0, 0},
        {"&Channel", &channelMenu, &bar, 0, 0},
        {"", nullptr, &channelMenu, 0, 0},
        {"&Input", &inputMenu, &channelMenu, 0, 0},
        {"", nullptr, &channelMenu, 0, 0},
        {"&Add", nullptr, &channelMenu, ID_ADD, MF_ENABLED},
        {"&Delete", nullptr, &channelMenu, ID_DELETE, MF_DISABLED | MF_GRAYED},
        {"&Help (online)", nullptr, &bar, ID_HELP, MF_ENABLED},
    };
    for (const MenuRow& row : rows) {
        if (!*row.text) {
            AppendMenuA(*row.parent, MF_SEPARATOR, 0, nullptr);
        } else if (row.id == 0) {
            *row.becomes = CreatePopupMenu();
            AppendMenuA(*row.parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(*row.becomes), row.text);
        } else {
            AppendMenuA(*row.parent, MF_STRING | row.state, row.id, row.text);
        }
    }
}

void KW_Host::listDrivers() {
    for (KW_Chain_Item* it = KW_Rts_instances.first();
         it != KW_Rts_instances.end() && driverCount < MAX_DRIVERS; it = it->next) {
        auto* stream = static_cast<KW_Rts*>(it->data);
        drivers[driverCount] = stream;
        insert(audioMenu, driverCount, ID_DRIVER + driverCount, stream->name, reinterpret_cast<ULONG_PTR>(stream));
        ++driverCount;
    }
}

void KW_Host::append(HMENU menu, int id, const char* text, ULONG_PTR data) {
    insert(menu, GetMenuItemCount(menu), id, text, data);
}

// Every item the commands add is a radio-check item carrying its object.
void KW_Host::insert(HMENU menu, int position, int id, const char* text, ULONG_PTR data) {
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_DATA;
    item.fType = MFT_STRING | MFT_RADIOCHECK;
    item.wID = static_cast<UINT>(id);
    item.dwItemData = data;
    item.dwTypeData = const_cast<char*>(text);
    InsertMenuItemA(menu, static_cast<UINT>(position), TRUE, &item);
}

void KW_Host::mark(int id, bool on) {
    CheckMenuItem(bar, static_cast<UINT>(id), MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void KW_Host::rename(int id, int newId, const char* text) {
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STRING;
    item.wID = static_cast<UINT>(newId);
    item.dwTypeData = const_cast<char*>(text);
    SetMenuItemInfoA(bar, static_cast<UINT>(id), FALSE, &item);
}

void KW_Host::enable(int id, bool on) {
    EnableMenuItem(bar, static_cast<UINT>(id), MF_BYCOMMAND | (on ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
}

void KW_Host::clear(HMENU menu, int count) {
    for (int n = 0; n < count; ++n) DeleteMenu(menu, 0, MF_BYPOSITION);
}
