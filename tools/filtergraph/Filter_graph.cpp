#include "filtergraph/Filter_graph.h"
#include <algorithm>
#include "core/KW_command.h"

Filter_graph::Filter_graph(int32_t blockLength) : block(blockLength) {
    int32_t scratch = 0;
    KW_command("KW_Soundpipe -bl %i -b", &pipe, block, &scratch);
    KW_command("KW_Buffer -t %o", &input, "buf_i");
    KW_command("KW_Buffer -t %o", &work, "lpf_buffer");
    KW_command("KW_Effect_Copy -i %o -o %o", &copyIn, input, work);
    KW_command("KW_Effect_Lopass -i %o -o %o", &lowpass, input, work);
    KW_command("KW_Effect_Bapass -i %o -o %o -q .618 -mode sub", &bandpass, input, work);
    KW_command("KW_Buffer -t %o", &output, "buf_o");
    KW_command("KW_Effect_Copy -i %o -o %o", &copyOut, work, output);
    KW_command("KW_Soundpipe %o -e", pipe, &scratch);
}

Filter_graph::~Filter_graph() {
    for (void* o : {(void*)copyOut, (void*)bandpass, (void*)lowpass, (void*)copyIn, (void*)work, (void*)output,
                    (void*)input, (void*)pipe})
        KW_command("%o -delete", o);
}

void Filter_graph::tune(int32_t clock, float cutoff) {
    for (KW_Effect* e : {copyIn, lowpass, bandpass, copyOut}) KW_command("KW_Effect %o -clock %i", e, clock);
    KW_command("%o -f %f", lowpass, double(cutoff));
    KW_command("%o -f %f", bandpass, double(cutoff));
}

void Filter_graph::setOn(bool on) {
    KW_command("KW_Effect %o -on %i", lowpass, on ? 1 : 0);
    KW_command("KW_Effect %o -on %i", bandpass, on ? 1 : 0);
}

void Filter_graph::run(const int32_t* in, int32_t* out, int32_t n) {
    n = std::clamp(n, 0, block);
    KW_Soundpipe::m_bl(*pipe, KW_value::integer(n));
    std::copy(in, in + n, input->samples());
    pipe->process();
    std::copy(output->samples(), output->samples() + n, out);
}
