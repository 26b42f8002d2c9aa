// Test signals for the wave stream's pass-through test, as raw 16-bit stereo at 48 kHz.
//   tone gen SECONDS LEFT_HZ RIGHT_HZ AMPLITUDE    writes the two tones to standard output
//   tone check FILE LEFT_HZ RIGHT_HZ AMPLITUDE     passes when, for at least 1.5 s of the file, the left
//                                                  channel holds LEFT_HZ and the right RIGHT_HZ at the
//                                                  amplitude (within 1 dB), each without the other tone
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

const int RATE = 48000, WINDOW = RATE / 10;

// Amplitude of the frequency hz in n samples spaced stride apart.
double level(const int16_t* x, int n, int stride, double hz) {
    const double w = 2 * M_PI * hz / RATE;
    double re = 0, im = 0;
    for (int i = 0; i < n; ++i) {
        re += x[i * stride] * std::cos(w * i);
        im += x[i * stride] * std::sin(w * i);
    }
    return 2 * std::hypot(re, im) / n / 32768.0;
}

int gen(double seconds, double left, double right, double amplitude) {
    const long n = long(seconds * RATE);
    for (long i = 0; i < n; ++i) {
        int16_t frame[2] = {int16_t(std::lround(32767 * amplitude * std::sin(2 * M_PI * left * i / RATE))),
                            int16_t(std::lround(32767 * amplitude * std::sin(2 * M_PI * right * i / RATE)))};
        if (std::fwrite(frame, sizeof frame, 1, stdout) != 1) return 1;
    }
    return 0;
}

int check(const char* file, double left, double right, double amplitude) {
    FILE* f = std::fopen(file, "rb");
    if (!f) return std::perror(file), 2;
    std::vector<int16_t> s;
    int16_t chunk[4096];
    for (size_t got; (got = std::fread(chunk, 2, 4096, f)) > 0;) s.insert(s.end(), chunk, chunk + got);
    std::fclose(f);
    const double low = amplitude * std::pow(10, -1 / 20.0), high = amplitude * std::pow(10, 1 / 20.0);
    const double quiet = amplitude / 100;  // 40 dB down
    int good = 0, windows = 0;
    for (size_t at = 0; at + 2 * WINDOW <= s.size(); at += 2 * WINDOW, ++windows) {
        const int16_t* w = s.data() + at;
        double ll = level(w, WINDOW, 2, left), lr = level(w, WINDOW, 2, right);
        double rl = level(w + 1, WINDOW, 2, left), rr = level(w + 1, WINDOW, 2, right);
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
    if (argc == 6 && std::string_view(argv[1]) == "gen")
        return gen(std::atof(argv[2]), std::atof(argv[3]), std::atof(argv[4]), std::atof(argv[5]));
    if (argc == 6 && std::string_view(argv[1]) == "check")
        return check(argv[2], std::atof(argv[3]), std::atof(argv[4]), std::atof(argv[5]));
    std::fprintf(stderr, "usage: tone gen SECONDS LEFT_HZ RIGHT_HZ AMPLITUDE | tone check FILE LEFT_HZ RIGHT_HZ AMPLITUDE\n");
    return 2;
}
