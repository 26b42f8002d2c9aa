#include "graph/KW_Soundpipe.h"
#include <cstring>
#include "core/KW_command.h"
#include "graph/KW_Buffer.h"
#include "graph/KW_Effect.h"
#include "graph/KW_Faultguard.h"
#include "graph/KW_argument.h"

KW_Soundpipe* KW_Soundpipe::building = nullptr;

const KW_Option KW_Soundpipe::options[] = {
    KW_Option(&KW_Soundpipe::create),
    KW_Option("bl", KW_member<KW_Soundpipe, &KW_Soundpipe::m_bl>),
    KW_Option("be", KW_member<KW_Soundpipe, &KW_Soundpipe::m_be>),
    KW_Option("b", KW_member<KW_Soundpipe, &KW_Soundpipe::m_b>),
    KW_Option("e", KW_member<KW_Soundpipe, &KW_Soundpipe::m_e>),
    KW_Option(KW_Object::options),
};

// "KW_Soundpipe current" names the sound pipe being built instead of creating one.
KW_Object* KW_Soundpipe::create() {
    if (KW_specialobject && std::strcmp(KW_specialobject, "current") == 0) return building;
    return new KW_Soundpipe;
}

KW_Soundpipe::KW_Soundpipe() {
    KW_Faultguard::install();
    building = this;
}

// Members outlive their sound pipe only when deleted out of order; they are let go, not destroyed.
KW_Soundpipe::~KW_Soundpipe() {
    if (building == this) building = nullptr;
    while (effects.count) {
        KW_Effect* e = static_cast<KW_Effect*>(effects.first()->data);
        effects.remove(&e->link);
        e->pipe = nullptr;
    }
    while (buffers.count) static_cast<KW_Buffer*>(buffers.first()->data)->leave();
}

int32_t KW_Soundpipe::process() {
    for (KW_Chain_Item* i = buffers.first(); i != buffers.end(); i = i->next)
        static_cast<KW_Buffer*>(i->data)->xfade = 0;
    KW_Faultguard::run(&KW_Soundpipe::pass, this);
    return 0;
}

void KW_Soundpipe::pass(void* self) {
    KW_Chain& list = static_cast<KW_Soundpipe*>(self)->effects;
    for (KW_Chain_Item* i = list.first(); i != list.end(); i = i->next) static_cast<KW_Effect*>(i->data)->step();
}

void KW_Soundpipe::reset() {
    for (KW_Chain_Item* i = buffers.first(); i != buffers.end(); i = i->next)
        static_cast<KW_Buffer*>(i->data)->clear();
    KW_Faultguard::run(&KW_Soundpipe::resetPass, this);
}

void KW_Soundpipe::resetPass(void* self) {
    KW_Chain& list = static_cast<KW_Soundpipe*>(self)->effects;
    for (KW_Chain_Item* i = list.first(); i != list.end(); i = i->next) static_cast<KW_Effect*>(i->data)->reset();
}

void KW_Soundpipe::forget(const KW_Buffer* b) {
    for (KW_Chain_Item* i = effects.first(); i != effects.end(); i = i->next)
        static_cast<KW_Effect*>(i->data)->forget(b);
}

void KW_Soundpipe::forget(const KW_Effect* e) {
    if (insertion == e) insertion = nullptr;
}

KW_value KW_Soundpipe::m_bl(KW_Soundpipe& s, const KW_value& arg) {
    KW_raw(arg, s.block);
    return KW_value::integer(s.block);
}

KW_value KW_Soundpipe::m_be(KW_Soundpipe& s, const KW_value& arg) {
    KW_reference(arg, s.insertion);
    return KW_value::object(s.insertion);
}

KW_value KW_Soundpipe::m_b(KW_Soundpipe& s, const KW_value&) {
    if (building) return KW_value::integer(0);
    building = &s;
    return KW_value::integer(1);
}

KW_value KW_Soundpipe::m_e(KW_Soundpipe& s, const KW_value&) {
    if (building != &s) return KW_value::integer(0);
    building = nullptr;
    return KW_value::integer(1);
}
