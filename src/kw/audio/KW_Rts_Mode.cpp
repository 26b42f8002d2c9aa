#include <cstdio>
#include "audio/KW_Rts.h"

namespace {

const char* channelWord(int32_t channels) {
    static const char* const words[] = {"", "mono", "stereo", "trio", "quadro"};
    return channels >= 0 && channels < 5 ? words[channels] : "";
}

}  // namespace

// The menu text: the rate, the width and the channels, each only when given, joined by ", ";
// for example " 48.0 kHz, 32 bit, stereo" or " 96.0 kHz, 32 bit, 8 ch". Even extreme values need
// fewer than 50 characters, so every piece fits.
KW_Rts::Mode::Mode(int32_t modeRate, int32_t modeBits, int32_t modeFrames, int32_t modeChannels)
    : rate(modeRate), frames(modeFrames), bits(modeBits), channels(modeChannels) {
    int n = 0;
    auto separator = [&] { return n ? ", " : ""; };
    description[0] = 0;
    if (rate) n += std::snprintf(description + n, sizeof description - n, "%5.1f kHz", rate / 1000.0);
    if (bits) n += std::snprintf(description + n, sizeof description - n, "%s%d bit", separator(), int(bits));
    if (frames) {
        if (channels >= 5)
            std::snprintf(description + n, sizeof description - n, "%s%d ch", separator(), int(channels));
        else
            std::snprintf(description + n, sizeof description - n, "%s%s", separator(), channelWord(channels));
    }
}
