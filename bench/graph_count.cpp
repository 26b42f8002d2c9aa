// Runs a graph for a number of blocks, for counting instructions with callgrind (see callgrind.sh).
//   graph_count WHICH BLOCKS      WHICH as in Bench_graph
#include <cstdio>
#include <cstdlib>
#include "Bench_graph.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: graph_count copy|lopass|hipass|bapass|graph BLOCKS\n");
        return 2;
    }
    Bench_graph g(argv[1]);
    if (!g.valid()) return 2;
    for (long i = std::atol(argv[2]); i > 0; --i) g.run();
    return 0;
}
