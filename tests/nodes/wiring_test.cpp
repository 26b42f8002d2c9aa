// Every node of the filter, wired oddly: no buffers, empty buffers, buffers of different lengths and
// a block length above the storage. Nothing is read or written outside a buffer's samples: the
// second half of each buffer (where a switching node would write) is watched for stray writes.
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <utility>
#include <vector>
#include "core/KW_command.h"
#include "graph/graph_fixture.h"

namespace {

// Each node, created tuned where it has something to tune.
const char* const nodes[] = {"KW_Effect_Copy", "KW_Effect_Lopass -f 3000", "KW_Effect_Hipass -f 3000",
                             "KW_Effect_Bapass -f 3000 -q .618"};

struct Wiring {
    const char* name;
    int32_t inLength, outLength;  // -1 follows the block length, 0 is empty; -2 leaves the port unset
    int32_t block;                // the block length while processing
};

class OddWiring : public ::testing::TestWithParam<Wiring> {};

TEST_P(OddWiring, StaysInsideItsBuffers) {
    const Wiring w = GetParam();
    for (const char* cls : nodes) {
        Graph g(16);
        KW_Buffer* in = g.buffer();
        KW_Buffer* out = g.buffer();
        KW_Effect* e = g.make<KW_Effect>((std::string(cls) + " -clock 44100").c_str());
        g.end();
        for (auto [b, length, option] : {std::tuple{in, w.inLength, "%o -i %o"}, std::tuple{out, w.outLength, "%o -o %o"}}) {
            if (length == -2) continue;
            if (length != -1) KW_command("KW_Buffer %o -l %i", b, length);
            KW_command(option, e, b);
            Graph::fill(b, [](int32_t k) { return int32_t(uint32_t(k) * 40000000u); });
        }
        // Watch the second half of each buffer that has storage.
        std::vector<std::pair<int32_t*, int32_t>> watched;
        for (KW_Buffer* b : {in, out}) {
            if (!b->samples()) continue;
            b->xfade = 0;
            int32_t* spare = b->view(1);
            b->xfade = 0;
            std::fill(spare, spare + b->length(), 0x5A5A5A5A);
            watched.push_back({spare, b->length()});
        }
        KW_command("KW_Soundpipe %o -bl %i", g.pipe, w.block);
        for (const char* mode : {"set", "add", "sbn"}) {
            KW_command("KW_Effect %o -mode %s", e, mode);
            g.pipe->process();
        }
        KW_command("KW_Soundpipe %o -bl 16", g.pipe);
        for (auto [spare, n] : watched)
            for (int32_t k = 0; k < n; ++k) ASSERT_EQ(spare[k], 0x5A5A5A5A) << cls << " " << w.name << " sample " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Nodes, OddWiring,
                         ::testing::Values(Wiring{"unwired", -2, -2, 16}, Wiring{"no_output", -1, -2, 16},
                                           Wiring{"no_input", -2, -1, 16}, Wiring{"empty_input", 0, -1, 16},
                                           Wiring{"empty_output", -1, 0, 16}, Wiring{"longer_input", 64, 8, 16},
                                           Wiring{"longer_output", 4, 64, 16}, Wiring{"block_above_storage", -1, -1, 4096},
                                           Wiring{"negative_block", -1, -1, -5}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
