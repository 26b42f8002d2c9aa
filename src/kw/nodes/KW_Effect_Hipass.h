// One-pole high-pass: writes the input minus the filter state, whatever the mode.
#pragma once
#include "nodes/KW_Effect_Onepole.h"

class KW_Effect_Hipass : public KW_Effect_Onepole {
public:
    static KW_Object* create();
    static const KW_Option options[];

protected:
    void processBlock() override;
};
