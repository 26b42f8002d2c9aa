// One processing graph: its effect nodes in processing order, its buffers, and the block length the
// buffers follow. While a sound pipe is current, new buffers and effects join it.
#pragma once
#include <cstdint>
#include "core/KW_Chain.h"
#include "core/KW_Object.h"

class KW_Buffer;
class KW_Effect;

class KW_Soundpipe : public KW_Object {
public:
    KW_Soundpipe();
    ~KW_Soundpipe() override;

    // The sound pipe that new buffers and effects join, or none.
    static KW_Soundpipe* current() { return building; }

    // Runs one block through every active effect in list order. A node that faults ends the pass;
    // the call still returns normally. Allocates nothing and takes no lock.
    KW_EXPORT int32_t process();
    // Clears every buffer's main half and resets every effect, in list order.
    void reset();

    int32_t blockLength() const { return block; }
    KW_Effect* insertionPoint() const { return insertion; }

    KW_Chain effects;
    KW_Chain buffers;

    static KW_Object* create();
    static KW_value m_bl(KW_Soundpipe& s, const KW_value& arg);
    static KW_value m_be(KW_Soundpipe& s, const KW_value& arg);
    static KW_value m_b(KW_Soundpipe& s, const KW_value& arg);
    static KW_value m_e(KW_Soundpipe& s, const KW_value& arg);
    static const KW_Option options[];

private:
    friend class KW_Buffer;
    friend class KW_Effect;
    // A departing buffer or effect: no effect of this pipe may keep pointing at it.
    void forget(const KW_Buffer* b);
    void forget(const KW_Effect* e);

    static void pass(void* self);
    static void resetPass(void* self);

    static KW_Soundpipe* building;
    int32_t block = 0;
    KW_Effect* insertion = nullptr;
};
