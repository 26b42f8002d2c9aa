#include "nodes/KW_Effect_Hipass.h"

const KW_Option KW_Effect_Hipass::options[] = {
    KW_Option(&KW_Effect_Hipass::create),
    KW_Option("i", KW_member<KW_Effect, &KW_Effect::m_port<KW_Effect::IN>>),
    KW_Option("o", KW_member<KW_Effect, &KW_Effect::m_port<KW_Effect::OUT>>),
    KW_Option("f", KW_member<KW_Effect_Onepole, &KW_Effect_Onepole::m_f>),
    KW_Option(KW_Effect::options),
};

KW_Object* KW_Effect_Hipass::create() { return new KW_Effect_Hipass; }

void KW_Effect_Hipass::processBlock() {
    const Io b = io();
    run(b, [&](int32_t k, uint32_t x, uint32_t y) { b.out[k] = int32_t(x - y); });
}
