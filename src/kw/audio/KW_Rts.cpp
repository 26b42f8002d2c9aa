#include "audio/KW_Rts.h"
#include <chrono>
#include <cstring>
#include <thread>

KW_Chain KW_Rts_instances;

namespace {

template <class T>
void deleteItems(KW_Chain& list) {
    while (list.first() != list.end()) {
        KW_Chain_Item* item = list.first();
        list.remove(item);
        delete static_cast<T*>(item->data);
    }
}

// Copies up to size - 1 characters and terminates.
void copyName(char* to, std::size_t size, const char* from) {
    std::strncpy(to, from ? from : "", size - 1);
    to[size - 1] = 0;
}

}  // namespace

KW_Rts::Chan::Chan(const char* chanName, int32_t chanFormat, int32_t chanCount)
    : count(chanCount), format(chanFormat) {
    copyName(name, sizeof name, chanName);
}

KW_Rts::KW_Rts(const char* streamName) { copyName(name, sizeof name, streamName); }

KW_Rts::~KW_Rts() {
    if (classLink.list) classLink.list->remove(&classLink);
    if (instanceLink.list) instanceLink.list->remove(&instanceLink);
    KW_Rts::exit();
}

KW_status KW_Rts::init() { return KW_OK; }

KW_status KW_Rts::exit() {
    deleteItems<Mode>(modes);
    deleteItems<Chan>(inputs);
    deleteItems<Chan>(outputs);
    return KW_OK;
}

KW_status KW_Rts::mode(Mode* m) {
    conversionFailed.store(false, std::memory_order_relaxed);
    active.store(m);
    return KW_OK;
}

KW_status KW_Rts::free() {
    active.store(nullptr);
    // A block that saw the mode before it was cleared may still be pointing the outputs at its samples:
    // the outputs go only once it has finished (a block lasts milliseconds; the bound is for a stuck driver).
    for (int waited = 0; inBlock.load() && waited < 2000; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    deleteItems<Chan>(outputs);
    return KW_OK;
}

KW_status KW_Rts::start() {
    running = true;
    return KW_OK;
}

KW_status KW_Rts::stop() {
    running = false;
    return KW_OK;
}

KW_status KW_Rts::update() { return KW_OK; }

KW_Rts::Mode* KW_Rts::beginBlock() {
    inBlock.store(true);
    Mode* m = active.load();
    if (!m) inBlock.store(false);
    return m;
}

void KW_Rts::endBlock() { inBlock.store(false); }

void KW_Rts::deleteAll(KW_Chain& classList) {
    while (classList.first() != classList.end()) delete static_cast<KW_Rts*>(classList.first()->data);
}
