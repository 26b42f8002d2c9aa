// One-pole low-pass: combines the filter state with its output by the mode.
#pragma once
#include "nodes/KW_Effect_Onepole.h"

class KW_Effect_Lopass : public KW_Effect_Onepole {
public:
    static KW_Object* create();
    static const KW_Option options[];

protected:
    void processBlock() override;
};
