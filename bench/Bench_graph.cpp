#include "Bench_graph.h"
#include <cstring>
#include <string>
#include "core/KW_command.h"

namespace {

void noise(KW_Buffer* b) {
    uint32_t s = 12345;
    for (int32_t k = 0; k < b->length(); ++k) b->samples()[k] = int32_t(s = s * 1664525u + 1013904223u) >> 2;
}

}  // namespace

Bench_graph::Bench_graph(const char* which) {
    if (std::strcmp(which, "graph") == 0) {
        filter = std::make_unique<Filter_graph>(BLOCK);
        filter->tune(44100, 1000.0f);
        pipe = filter->pipe;
        noise(filter->input);
        return;
    }
    const std::string cls = std::strcmp(which, "copy") == 0     ? "KW_Effect_Copy"
                            : std::strcmp(which, "lopass") == 0 ? "KW_Effect_Lopass"
                            : std::strcmp(which, "hipass") == 0 ? "KW_Effect_Hipass"
                            : std::strcmp(which, "bapass") == 0 ? "KW_Effect_Bapass -q .618 -mode sub"
                                                                : "";
    if (cls.empty()) return;
    int32_t scratch = 0;
    KW_command("KW_Soundpipe -bl %i", &pipe, BLOCK);
    KW_command("KW_Buffer", &in);
    KW_command("KW_Buffer", &out);
    KW_command((cls + " -i %o -o %o").c_str(), &node, in, out);
    KW_command("KW_Soundpipe %o -e", pipe, &scratch);
    KW_command("KW_Effect %o -clock 44100", node);
    if (cls != "KW_Effect_Copy") KW_command("%o -f 1000", node);
    noise(in);
}

Bench_graph::~Bench_graph() {
    if (filter || !pipe) return;
    for (void* o : {(void*)node, (void*)out, (void*)in, (void*)pipe}) KW_command("%o -delete", o);
}
