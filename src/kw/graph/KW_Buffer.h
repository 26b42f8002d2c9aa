// A block of fixed-point samples (full scale 1.0 = 2^30): the wires of the processing graph.
// The storage holds two halves of count samples; the second half carries a node's output while the
// node is being switched, so that the next reader can crossfade (see view()).
#pragma once
#include <cstdint>
#include "core/KW_Chain.h"
#include "core/KW_Object.h"

class KW_Soundpipe;

class KW_Buffer : public KW_Object {
public:
    static constexpr int32_t FOLLOW = -1;           // length setting: follow the sound pipe's block length
    static constexpr int32_t MAX_LENGTH = 1 << 22;  // longest own length accepted
    static constexpr int TITLE_SIZE = 64;

    KW_Buffer();
    ~KW_Buffer() override;

    // Samples to process in this block: the own length, or the followed sound pipe's block length,
    // never more than the storage holds.
    int32_t length() const;
    // The main half: the buffer's samples as the audio edge writes and reads them.
    int32_t* samples() const { return main; }
    void clear();
    void setLength(int32_t setting);

    // The samples a node sees in this block while its switching is t (-1 off, 0 steady, +1 on):
    // a change of t first merges the pending crossfade into the main half over the whole block; a
    // switching node then gets the second half, starting as a copy of the main half.
    int32_t* view(int32_t t);

    int32_t ring = 0;    // write position of nodes that use the buffer as a ring
    int32_t xfade = 0;   // where the freshest samples of this block are: -1, 0 or +1

    static KW_Object* create();
    static KW_value m_l(KW_Buffer& b, const KW_value& arg);
    static KW_value m_t(KW_Buffer& b, const KW_value& arg);
    static KW_value m_limit(KW_Buffer& b, const KW_value& arg);
    static const KW_Option options[];

private:
    friend class KW_Soundpipe;
    // Membership in a sound pipe's buffer list; a buffer is in at most one.
    void join(KW_Soundpipe* pipe);
    void leave();
    void setTitle(const KW_value& arg);

    int32_t setting = FOLLOW;
    int32_t count = 0;
    int32_t* main = nullptr;
    int32_t limit = 0x3FFFFFFF;
    KW_Soundpipe* pipe = nullptr;
    KW_Chain_Item link{this};
    char title[TITLE_SIZE] = {};
};
