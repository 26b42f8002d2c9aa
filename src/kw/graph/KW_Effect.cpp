#include "graph/KW_Effect.h"
#include "graph/KW_Mode.h"
#include "graph/KW_Soundpipe.h"

const KW_Option KW_Effect::options[] = {
    KW_Option(static_cast<KW_Factory>(nullptr)),
    KW_Option("before", KW_member<KW_Effect, &KW_Effect::m_before>),
    KW_Option("mode", KW_member<KW_Effect, &KW_Effect::m_mode>),
    KW_Option("clock", KW_member<KW_Effect, &KW_Effect::m_clock>),
    KW_Option("on", KW_member<KW_Effect, &KW_Effect::m_on>),
    KW_Option("delete", &KW_Object::m_delete),
    KW_Option(KW_Object::options),
};

KW_Effect::KW_Effect() {
    KW_Soundpipe* p = KW_Soundpipe::current();
    if (!p) return;
    pipe = p;
    KW_Effect* before = p->insertionPoint();
    p->effects.add(&link, before && before->link.list == &p->effects ? &before->link : nullptr);
}

KW_Effect::~KW_Effect() {
    if (!pipe) return;
    pipe->effects.remove(&link);
    pipe->forget(this);
}

void KW_Effect::step() {
    now = isOn();
    if (now || previous) {
        if (!prepared) prepare();
        if (prepared) processBlock();
    }
    if (previous != now) {
        if (!now) reset();
        previous = now;
    }
}

int32_t* KW_Effect::access(KW_Buffer* b) {
    if (!b) return nullptr;
    return b->view(now == previous ? 0 : now ? 1 : -1);
}

KW_Effect::Io KW_Effect::io() {
    int32_t* out = access(ports[OUT]);
    const int32_t* in = access(ports[IN]);
    if (!in || !out) return {nullptr, nullptr, 0};
    const int32_t li = ports[IN]->length(), lo = ports[OUT]->length();
    return {in, out, li < lo ? li : lo};
}

KW_Effect* KW_Effect::next() const {
    if (!link.list || link.next == link.list->end()) return nullptr;
    return static_cast<KW_Effect*>(link.next->data);
}

void KW_Effect::forget(const KW_Buffer* b) {
    for (KW_Buffer*& p : ports)
        if (p == b) p = nullptr;
}

KW_value KW_Effect::m_before(KW_Effect& e, const KW_value& arg) {
    KW_Soundpipe* p = KW_Soundpipe::current();
    KW_Effect* target = arg.given() ? KW_Object::from<KW_Effect>(arg) : nullptr;
    // Only within the current sound pipe's list, so that the effect is never left out of every list.
    if (p && target && target != &e && e.link.list == &p->effects && target->link.list == &p->effects) {
        p->effects.remove(&e.link);
        p->effects.add(&e.link, &target->link);
    }
    return KW_value::object(e.next());
}

KW_value KW_Effect::m_mode(KW_Effect& e, const KW_value& arg) {
    const int32_t m = KW_Mode::find(arg.toText());
    if (m >= 0) e.modeIndex.store(m, std::memory_order_relaxed);
    return KW_value::text(KW_Mode::names[e.mode()]);
}

KW_value KW_Effect::m_clock(KW_Effect& e, const KW_value& arg) {
    if (arg.given() && arg.toInt(e.rate)) e.clockChanged();
    return KW_value::integer(e.rate);
}

KW_value KW_Effect::m_on(KW_Effect& e, const KW_value& arg) {
    int32_t v;
    if (KW_raw(arg, v)) e.setOn(v != 0);
    return KW_value::integer(e.isOn() ? 1 : 0);
}
