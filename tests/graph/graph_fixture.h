// Builds a graph by command, as an application does, and deletes what it made, newest first and the
// sound pipe last.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "support/Answer.h"
#include "core/KW_command.h"
#include "graph/KW_Buffer.h"
#include "graph/KW_Soundpipe.h"

class Graph {
public:
    // Creates a sound pipe with this block length; it stays current until end().
    explicit Graph(int32_t block) {
        int32_t began = -1;
        KW_command("KW_Soundpipe -bl %i -b", &pipe, block, &began);
    }
    ~Graph() {
        for (auto o = made.rbegin(); o != made.rend(); ++o) KW_command("%o -delete", *o);
        KW_command("%o -delete", pipe);
    }
    Graph(const Graph&) = delete;
    Graph& operator=(const Graph&) = delete;

    // A command that creates a T; the new object is the first out-pointer, then args.
    template <class T, class... A>
    T* make(const char* command, A... args) {
        T* o = nullptr;
        KW_command(command, &o, args...);
        made.push_back(o);
        return o;
    }
    KW_Buffer* buffer() { return make<KW_Buffer>("KW_Buffer"); }
    void end() {
        int32_t ended = -1;
        KW_command("KW_Soundpipe %o -e", pipe, &ended);
    }
    // Fills the main half of b with f(k).
    template <class F>
    static void fill(KW_Buffer* b, F f) {
        for (int32_t k = 0; k < b->length(); ++k) b->samples()[k] = f(k);
    }
    static std::vector<int32_t> contents(const KW_Buffer* b) {
        return std::vector<int32_t>(b->samples(), b->samples() + b->length());
    }

    KW_Soundpipe* pipe = nullptr;

private:
    std::vector<void*> made;
};
