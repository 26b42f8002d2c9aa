// Moves samples from one buffer to another, combined by the mode, with a stride on either side.
#pragma once
#include <atomic>
#include <cstdint>
#include "graph/KW_Effect.h"

class KW_Effect_Copy : public KW_Effect {
public:
    int32_t inputStep() const { return inStep.load(std::memory_order_relaxed); }
    int32_t outputStep() const { return outStep.load(std::memory_order_relaxed); }

    static KW_Object* create();
    static KW_value m_is(KW_Effect_Copy& e, const KW_value& arg);
    static KW_value m_os(KW_Effect_Copy& e, const KW_value& arg);
    static const KW_Option options[];

protected:
    void processBlock() override;

private:
    std::atomic<int32_t> inStep{1}, outStep{1};
};
