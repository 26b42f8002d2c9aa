// Pins the x87 unit's precision and rounding while coefficients are computed. Hosts start threads
// with a precision of their choosing (53 bits on Windows, 64 on Linux), and the coefficients must come
// out the same on every build and in every host.
#pragma once
#include <cstdint>

class KW_Fpu {
public:
    enum Precision : uint16_t {
        DOUBLE = 0x0200,    // 53-bit significands: x87 arithmetic on doubles rounds as SSE does
        EXTENDED = 0x0300,  // 64-bit significands: long double as it is meant
    };

    explicit KW_Fpu(Precision p) {
#if defined(__i386__) || defined(__x86_64__)
        __asm__ volatile("fnstcw %0" : "=m"(saved));
        // Precision bits 8-9 as asked, rounding bits 10-11 to nearest.
        const uint16_t word = uint16_t((saved & ~0x0F00) | p);
        __asm__ volatile("fldcw %0" : : "m"(word));
#else
        (void)p;
#endif
    }
    ~KW_Fpu() {
#if defined(__i386__) || defined(__x86_64__)
        __asm__ volatile("fldcw %0" : : "m"(saved));
#endif
    }
    // Passes v through memory, so that the compiler computes it neither before the precision is
    // pinned (when used on inputs) nor after it is restored (when used on results).
    template <class T>
    static T pin(T v) {
        __asm__ volatile("" : "+m"(v));
        return v;
    }

    KW_Fpu(const KW_Fpu&) = delete;
    KW_Fpu& operator=(const KW_Fpu&) = delete;

private:
    uint16_t saved = 0;
};
