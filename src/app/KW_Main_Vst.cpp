#include "app/KW_Main_Vst.h"
#include <algorithm>
#include <typeinfo>
#include <cstdio>
#include <cstring>
#include "app/KW_Main_Vst_Editor.h"
#include "core/KW_command.h"
#include "graph/KW_Buffer.h"
#include "graph/KW_Effect.h"
#include "graph/KW_Soundpipe.h"
#include "widgets/KW_Wid_Butt.h"
#include "widgets/KW_Wid_Knob.h"

const char KW_Main_Vst::EFFECT_NAME[] = "3-rd order Butterworth low-pass";
const char KW_Main_Vst::VENDOR[] = "www.tembrix.example";
const char KW_Main_Vst::PRODUCT[] = "www.tembrix.example 3-rd order Butterworth low-pass";
static_assert(sizeof KW_Main_Vst::PRODUCT <= 64, "hosts give the product text 64 bytes");

namespace {

// At most n characters of s after clearing the first `clear` bytes of text.
void write(char* text, size_t clear, const char* s, size_t n) {
    std::memset(text, 0, clear);
    for (size_t i = 0; i < n && s[i]; i++) text[i] = s[i];
}

}  // namespace

KW_Main_Vst::KW_Main_Vst(VstHostCallback host) : AudioEffectX(host, 1, 2) {
    application.build();
    hostSizeWindow(application.width, application.height);
    if (application.usesChunks()) programsAreChunks(true);
    setNumInputs(1);
    setNumOutputs(2);
    setUniqueID(UNIQUE_ID);
    setEditor(new KW_Main_Vst_Editor(*this));
}

KW_Main_Vst::~KW_Main_Vst() {
    application.destroy();
}

void KW_Main_Vst::open() {
    if (KW_Soundpipe* pipe = application.pipe()) pipe->reset();
}

// Rates a clock cannot hold (none, negative, beyond 32 bits, not a number) are ignored.
void KW_Main_Vst::setSampleRate(float rate) {
    if (!(rate >= 1.0f && rate < 2147483648.0f)) return;
    AudioEffectX::setSampleRate(rate);
    application.clock = int32_t(rate);
    KW_Soundpipe* pipe = application.pipe();
    if (!pipe) return;
    for (KW_Chain_Item* item = pipe->effects.first(); item != pipe->effects.end(); item = item->next)
        KW_command("KW_Effect %o -clock %i", item->data, application.clock);
}

void KW_Main_Vst::processReplacing(float** inputs, float** outputs, int32_t frames) {
    KW_Soundpipe* pipe = application.pipe();
    KW_Buffer* in = application.input();
    KW_Buffer* out = application.output();
    if (!pipe || !in || !out || !inputs || !outputs || !inputs[0] || !outputs[0] || !outputs[1]) return;
    const float* source = inputs[0];
    for (int32_t pos = 0; pos < frames;) {
        const int32_t n = std::min(frames - pos, application.blockLength);
        int32_t* x = in->samples();
        for (int32_t i = 0; i < n; i++) {
            float s = source[pos + i];
            if (s > 1.0f)
                s = 1.0f;
            else if (!(s >= -1.0f))
                s = -1.0f;
            x[i] = int32_t(s * 1073741824.0f);
        }
        KW_Soundpipe::m_bl(*pipe, KW_value::integer(n));
        pipe->process();
        const int32_t* y = out->samples();
        for (int32_t i = 0; i < n; i++) {
            const float v = float(y[i] * 9.313225746154785e-10);
            outputs[0][pos + i] = v;
            outputs[1][pos + i] = v;
        }
        pos += n;
    }
}

KW_Application::Param* KW_Main_Vst::hostParam(int32_t index) {
    return index >= 0 && index < record.numParams ? &application.param(index) : nullptr;
}

namespace {

// The range of the knob a float parameter shows, or none.
KW_Wid_Knob* knobOf(const KW_Application::Param& p) {
    return dynamic_cast<KW_Wid_Knob*>(p.widget);
}

}  // namespace

// x is meant to lie in 0 ... 1; values beyond are held at the ends, and a NaN counts as 0.
void KW_Main_Vst::setParameter(int32_t index, float x) {
    KW_Application::Param* p = hostParam(index);
    if (!p) return;
    x = x > 1.0f ? 1.0f : x >= 0.0f ? x : 0.0f;
    switch (p->kind) {
    case KW_value::INTEGER:
        p->i = int32_t(x * (p->maximum - p->minimum + 0.999999999) + p->minimum);
        break;
    case KW_value::FLOAT:
        if (KW_Wid_Knob* knob = knobOf(*p)) p->f = knob->minimum + x * (knob->maximum - knob->minimum);
        break;
    case KW_value::SWITCH: p->i = x > 0.5f ? 1 : 0; break;
    }
    void* data = &application;
    if (p->widget && (typeid(*p->widget) == typeid(KW_Wid_Knob) || typeid(*p->widget) == typeid(KW_Wid_Butt)))
        data = static_cast<KW_Wid_Vid*>(p->widget)->userData;
    p->changed(data);
}

float KW_Main_Vst::getParameter(int32_t index) {
    KW_Application::Param* p = hostParam(index);
    if (!p) return 0.0f;
    switch (p->kind) {
    case KW_value::INTEGER: return float((p->i - p->minimum + 0.5) / (p->maximum - p->minimum + 1.0));
    case KW_value::FLOAT: {
        KW_Wid_Knob* knob = knobOf(*p);
        return knob ? (p->f - knob->minimum) / (knob->maximum - knob->minimum) : 0.0f;
    }
    case KW_value::SWITCH: return p->i ? 1.0f : 0.0f;
    default: return 0.0f;
    }
}

void KW_Main_Vst::getProgramName(char* text) {
    write(text, 24, "Default program", 23);
}

bool KW_Main_Vst::getProgramNameIndexed(int32_t, int32_t, char* text) {
    write(text, 24, "Default program", 23);
    return true;
}

void KW_Main_Vst::getParamName(int32_t index, char* text) {
    KW_Application::Param* p = hostParam(index);
    char name[KW_Application::Param::TEXT_SIZE] = "";
    if (p) p->getName(name, sizeof name);
    write(text, 8, name, 6);
}

void KW_Main_Vst::getParamLabel(int32_t index, char* text) {
    KW_Application::Param* p = hostParam(index);
    char label[64] = "";
    if (p && (p->kind == KW_value::INTEGER || p->kind == KW_value::FLOAT))
        p->getLabel(label, sizeof label);
    else if (p && p->kind == KW_value::SWITCH)
        std::snprintf(label, sizeof label, "%s/%s", p->label(), p->offLabel());
    write(text, 8, label, 6);
}

void KW_Main_Vst::getParamDisplay(int32_t index, char* text) {
    KW_Application::Param* p = hostParam(index);
    char shown[64] = "";
    const char* label = p ? p->label() : "";
    const char* gap = *label ? " " : "";
    if (p && p->kind == KW_value::FLOAT)
        std::snprintf(shown, sizeof shown, "%f%s%s", double(p->f), gap, label);
    else if (p && p->kind == KW_value::INTEGER)
        std::snprintf(shown, sizeof shown, "%d%s%s", int(p->i), gap, label);
    else if (p && p->kind == KW_value::SWITCH)
        std::snprintf(shown, sizeof shown, "%s", p->i ? p->label() : p->offLabel());
    write(text, 8, shown, 6);
}

int32_t KW_Main_Vst::getChunk(void** data, bool) {
    const KW_value chunk = application.getChunk();
    *data = chunk.p;
    return chunk.length;
}

int32_t KW_Main_Vst::setChunk(void* data, int32_t size, bool) {
    KW_value chunk(0, KW_value::EMPTY, size);
    chunk.p = data;
    application.setChunk(chunk);
    return size;
}

bool KW_Main_Vst::getEffectName(char* text) {
    std::strcpy(text, EFFECT_NAME);
    return true;
}

bool KW_Main_Vst::getVendorString(char* text) {
    std::strcpy(text, VENDOR);
    return true;
}

bool KW_Main_Vst::getProductString(char* text) {
    std::strcpy(text, PRODUCT);
    return true;
}
