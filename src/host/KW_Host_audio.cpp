// The audio callback: once per device block, every connected instance filters its own input and the
// sum goes to the first two outputs. It allocates nothing and never waits: while a command holds the
// lock, the block is skipped.
#include "KW_Host.h"

void KW_Host::audio() {
    DWORD got = WaitForSingleObject(lock, 0);
    if (got != WAIT_OBJECT_0 && got != WAIT_ABANDONED) return;
    if (work) {
        float* staging = work;
        float* out[2] = {work + frames, work + 2 * frames};
        float* mix[2] = {work + 3 * frames, work + 4 * frames};
        for (float* m : mix)
            for (int32_t n = 0; n < frames; ++n) m[n] = 0.0f;
        for (int k = 0; k < instanceCount; ++k) {
            KW_Host_Instance* inst = instances[k];
            // An input the current driver no longer lists is no longer read.
            if (inst->input < 0 || inst->input >= inputCount || !inputs[inst->input].chan->data) continue;
            workChan.data = staging;
            KW_Rts::copyBuffer(workChan, *inputs[inst->input].chan);
            inst->effect->processReplacing(inst->effect, effectInputs, out, frames);
            for (int c = 0; c < 2; ++c)
                for (int32_t n = 0; n < frames; ++n) mix[c][n] += out[c][n];
        }
        KW_Rts* driver = currentDriver >= 0 ? drivers[currentDriver] : nullptr;
        int written = 0;
        for (KW_Chain_Item* it = driver ? driver->outputs.first() : nullptr;
             driver && it != driver->outputs.end() && written < 2; it = it->next, ++written) {
            workChan.data = mix[written];
            KW_Rts::copyBuffer(*static_cast<KW_Rts::Chan*>(it->data), workChan);
        }
    }
    ReleaseMutex(lock);
}
