#include "filtergraph/Sine_gain.h"
#include <cmath>
#include <vector>

double Sine_gain(const std::function<void(const int32_t*, int32_t*, int32_t)>& run, double fs, double f,
                 int32_t block, int64_t settle, int64_t window) {
    const double amplitude = 536870912.0, w = 2.0 * 3.141592653589793 * f / fs;
    std::vector<int32_t> in(static_cast<size_t>(block)), out(static_cast<size_t>(block));
    // Normal equations of out ~ a sin + b cos + c.
    double m[3][3] = {}, r[3] = {};
    for (int64_t start = 0; start < settle + window; start += block) {
        for (int32_t k = 0; k < block; ++k) in[size_t(k)] = int32_t(std::lround(amplitude * std::sin(w * double(start + k))));
        run(in.data(), out.data(), block);
        for (int32_t k = 0; k < block; ++k) {
            const int64_t t = start + k;
            if (t < settle || t >= settle + window) continue;
            const double basis[3] = {std::sin(w * double(t)), std::cos(w * double(t)), 1.0};
            for (int i = 0; i < 3; ++i) {
                r[i] += basis[i] * out[size_t(k)];
                for (int j = 0; j < 3; ++j) m[i][j] += basis[i] * basis[j];
            }
        }
    }
    auto det = [](const double a[3][3]) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
               a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    const double d = det(m);
    double coef[2];
    for (int c = 0; c < 2; ++c) {  // Cramer's rule for a and b
        double t[3][3];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) t[i][j] = j == c ? r[i] : m[i][j];
        coef[c] = det(t) / d;
    }
    return 20.0 * std::log10(std::hypot(coef[0], coef[1]) / amplitude);
}
