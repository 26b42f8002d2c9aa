// Test signals for the programs that play and record through the bench's sinks: raw 16-bit stereo at
// 48 kHz.
//   signal gen SECONDS AMPLITUDE LEFT_HZ[,HZ...] RIGHT_HZ[,HZ...]   sums of sines, each at AMPLITUDE
//   signal level FILE CHANNEL HZ     the amplitude of HZ on CHANNEL (0 left, 1 right): the median over the
//                                    100 ms windows after the first second, so start and end do not count
//   signal jump FILE CHANNEL         the largest step between neighbouring samples after the first second
//   signal check FILE LEFT_HZ RIGHT_HZ AMPLITUDE   passes when, for at least 1.5 s of the file, the left
//                                    channel holds LEFT_HZ and the right RIGHT_HZ at the amplitude (within
//                                    1 dB), each without the other tone
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

const int RATE = 48000, WINDOW = RATE / 10;
const double PI = 3.141592653589793;

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
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);  // samples, not text
#endif
    const std::vector<double> tones[2] = {parseList(left), parseList(right)};
    for (long i = 0; i < long(seconds * RATE); ++i) {
        int16_t frame[2];
        for (int c = 0; c < 2; ++c) {
            double v = 0;
            for (double hz : tones[c]) v += amplitude * std::sin(2 * PI * hz * i / RATE);
            frame[c] = int16_t(std::lround(32767 * std::clamp(v, -1.0, 1.0)));
        }
        if (std::fwrite(frame, sizeof frame, 1, stdout) != 1) return 1;
    }
    return 0;
}

// Amplitude of the frequency hz in one 100 ms window of a channel (x points at its first sample).
double level(const int16_t* x, double hz) {
    const double w = 2 * PI * hz / RATE;
    double re = 0, im = 0;
    for (int i = 0; i < WINDOW; ++i) {
        re += x[2 * i] * std::cos(w * i);
        im += x[2 * i] * std::sin(w * i);
    }
    return 2 * std::hypot(re, im) / WINDOW / 32768.0;
}

bool load(const char* file, std::vector<int16_t>& s, double seconds) {
    FILE* f = std::fopen(file, "rb");
    if (!f) return std::perror(file), false;
    int16_t chunk[4096];
    for (size_t got; (got = std::fread(chunk, 2, 4096, f)) > 0;) s.insert(s.end(), chunk, chunk + got);
    std::fclose(f);
    if (s.size() >= size_t(2 * seconds * RATE)) return true;
    std::fprintf(stderr, "signal: %s holds less than %g s\n", file, seconds);
    return false;
}

int jump(const char* file, int channel) {
    std::vector<int16_t> s;
    if (!load(file, s, 2)) return 2;
    int largest = 0;
    for (size_t at = 2 * RATE + 2 + (channel ? 1 : 0); at < s.size(); at += 2)
        largest = std::max(largest, std::abs(s[at] - s[at - 2]));
    std::printf("%.5f\n", largest / 32768.0);
    return 0;
}

int median(const char* file, int channel, double hz) {
    std::vector<int16_t> s;
    if (!load(file, s, 2)) return 2;
    std::vector<double> levels;
    for (size_t at = 2 * RATE; at + 2 * WINDOW <= s.size(); at += 2 * WINDOW)
        levels.push_back(level(s.data() + at + (channel ? 1 : 0), hz));
    std::nth_element(levels.begin(), levels.begin() + levels.size() / 2, levels.end());
    std::printf("%.5f\n", levels[levels.size() / 2]);
    return 0;
}

int check(const char* file, double left, double right, double amplitude) {
    std::vector<int16_t> s;
    if (!load(file, s, 0)) return 2;
    const double low = amplitude * std::pow(10, -1 / 20.0), high = amplitude * std::pow(10, 1 / 20.0);
    const double quiet = amplitude / 100;  // 40 dB down
    int good = 0, windows = 0;
    for (size_t at = 0; at + 2 * WINDOW <= s.size(); at += 2 * WINDOW, ++windows) {
        const int16_t* w = s.data() + at;
        double ll = level(w, left), lr = level(w, right);
        double rl = level(w + 1, left), rr = level(w + 1, right);
        bool ok = ll > low && ll < high && rr > low && rr < high && lr < quiet && rl < quiet;
        good += ok;
        if (windows % 10 == 0)
            std::printf("%5.1f s: left %.4f (%.4f), right %.4f (%.4f)%s\n", windows / 10.0, ll, lr, rr, rl,
                        ok ? "" : " x");
    }
    std::printf("%d of %d windows of 100 ms carry both tones as expected\n", good, windows);
    return good >= 15 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view verb = argc > 1 ? argv[1] : "";
    if (argc == 6 && verb == "gen") return gen(std::atof(argv[2]), std::atof(argv[3]), argv[4], argv[5]);
    if (argc == 5 && verb == "level") return median(argv[2], std::atoi(argv[3]), std::atof(argv[4]));
    if (argc == 4 && verb == "jump") return jump(argv[2], std::atoi(argv[3]));
    if (argc == 6 && verb == "check")
        return check(argv[2], std::atof(argv[3]), std::atof(argv[4]), std::atof(argv[5]));
    std::fprintf(stderr,
                 "usage: signal gen SECONDS AMPLITUDE LEFT_HZ[,..] RIGHT_HZ[,..] | signal level FILE CHANNEL HZ"
                 " | signal jump FILE CHANNEL | signal check FILE LEFT_HZ RIGHT_HZ AMPLITUDE\n");
    return 2;
}
