// Test signals for the standalone program, raw 16-bit stereo at 48 kHz.
//   signal gen SECONDS AMPLITUDE LEFT_HZ[,HZ...] RIGHT_HZ[,HZ...]   sums of sines, each at AMPLITUDE
//   signal level FILE CHANNEL HZ     the amplitude of HZ on CHANNEL (0 left, 1 right): the median over the
//                                    100 ms windows after the first second, so start and end do not count
//   signal jump FILE CHANNEL         the largest step between neighbouring samples after the first second
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

const int RATE = 48000, WINDOW = RATE / 10;

std::vector<double> parseList(const char* text) {
    std::vector<double> hz;
    for (const char* p = text; *p;) {
        char* end;
        hz.push_back(std::strtod(p, &end));
        if (end == p) break;
        p = *end == ',' ? end + 1 : end;
    }
    return hz;
}

int gen(double seconds, double amplitude, const char* left, const char* right) {
    const std::vector<double> tones[2] = {parseList(left), parseList(right)};
    for (long i = 0; i < long(seconds * RATE); ++i) {
        int16_t frame[2];
        for (int c = 0; c < 2; ++c) {
            double v = 0;
            for (double hz : tones[c]) v += amplitude * std::sin(2 * M_PI * hz * i / RATE);
            frame[c] = int16_t(std::lround(32767 * std::clamp(v, -1.0, 1.0)));
        }
        if (std::fwrite(frame, sizeof frame, 1, stdout) != 1) return 1;
    }
    return 0;
}

double windowLevel(const int16_t* x, double hz) {
    const double w = 2 * M_PI * hz / RATE;
    double re = 0, im = 0;
    for (int i = 0; i < WINDOW; ++i) {
        re += x[2 * i] * std::cos(w * i);
        im += x[2 * i] * std::sin(w * i);
    }
    return 2 * std::hypot(re, im) / WINDOW / 32768.0;
}

bool load(const char* file, std::vector<int16_t>& s) {
    FILE* f = std::fopen(file, "rb");
    if (!f) return std::perror(file), false;
    int16_t chunk[4096];
    for (size_t got; (got = std::fread(chunk, 2, 4096, f)) > 0;) s.insert(s.end(), chunk, chunk + got);
    std::fclose(f);
    if (s.size() >= size_t(4 * RATE)) return true;
    std::fprintf(stderr, "signal: %s holds less than 2 s\n", file);
    return false;
}

int jump(const char* file, int channel) {
    std::vector<int16_t> s;
    if (!load(file, s)) return 2;
    int largest = 0;
    for (size_t at = 2 * RATE + 2 + (channel ? 1 : 0); at < s.size(); at += 2)
        largest = std::max(largest, std::abs(s[at] - s[at - 2]));
    std::printf("%.5f\n", largest / 32768.0);
    return 0;
}

int level(const char* file, int channel, double hz) {
    std::vector<int16_t> s;
    if (!load(file, s)) return 2;
    std::vector<double> levels;
    for (size_t at = 2 * RATE; at + 2 * WINDOW <= s.size(); at += 2 * WINDOW)
        levels.push_back(windowLevel(s.data() + at + (channel ? 1 : 0), hz));
    std::nth_element(levels.begin(), levels.begin() + levels.size() / 2, levels.end());
    std::printf("%.5f\n", levels[levels.size() / 2]);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 6 && std::string_view(argv[1]) == "gen")
        return gen(std::atof(argv[2]), std::atof(argv[3]), argv[4], argv[5]);
    if (argc == 5 && std::string_view(argv[1]) == "level")
        return level(argv[2], std::atoi(argv[3]), std::atof(argv[4]));
    if (argc == 4 && std::string_view(argv[1]) == "jump") return jump(argv[2], std::atoi(argv[3]));
    std::fprintf(stderr, "usage: signal gen SECONDS AMPLITUDE LEFT_HZ[,..] RIGHT_HZ[,..] | signal level FILE CHANNEL HZ | signal jump FILE CHANNEL\n");
    return 2;
}
