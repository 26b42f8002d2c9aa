#include <atomic>
#include <cmath>
#include <thread>
#include <vector>
#include "app/Allocation_counter.h"
#include "app/KW_Main_Vst_Editor.h"
#include "app/Plugin_fixture.h"
#include "graph/KW_Buffer.h"
#include "graph/KW_Soundpipe.h"
#include "widgets/KW_Wid.h"
#include "windows/KW_Win.h"
#if defined(_WIN32)
#include "windows/KW_Win_Win32.h"
#endif

using Allocation_counter::allocations;
using Allocation_counter::counting;

namespace {

struct Block {
    std::vector<float> in, left, right;
    explicit Block(int32_t frames) : in(size_t(frames) + 1), left(in.size(), 7.0f), right(in.size(), 7.0f) {}
    void run(KW_Main_Vst& fx, int32_t frames) {
        float* inputs[] = {in.data()};
        float* outputs[] = {left.data(), right.data()};
        fx.processReplacing(inputs, outputs, frames);
    }
};

TEST_F(PluginTest, LongBlocksGoInPiecesOf512) {
    Block b(1200);
    b.run(*fx, 1200);
    EXPECT_EQ(176, app().pipe()->blockLength());
    EXPECT_EQ(7.0f, b.left[1200]);  // nothing past the block
    b.left[0] = 7.0f;
    b.run(*fx, 0);
    EXPECT_EQ(7.0f, b.left[0]);
}

struct ConversionCase {
    float in;
    int32_t fixed;
};

TEST_F(PluginTest, InputIsLimitedThenConverted) {
    const ConversionCase cases[] = {{1.5f, 1 << 30},       {-1.5f, -(1 << 30)},    {NAN, -(1 << 30)},
                                    {0.5f, 536870912},     {INFINITY, 1 << 30},    {-INFINITY, -(1 << 30)},
                                    {1e-10f, 0},           {-0.25f, -268435456}};
    for (const ConversionCase& c : cases) {
        Block b(1);
        b.in[0] = c.in;
        b.run(*fx, 1);
        EXPECT_EQ(c.fixed, app().input()->samples()[0]) << c.in;
    }
}

TEST_F(PluginTest, UnfilteredOutputIsTheInputOnBothChannels) {
    fx->setParameter(0, 0.0f);
    Block b(2048);
    for (int i = 0; i < 2048; i++) b.in[size_t(i)] = float(std::sin(i * 0.3)) * 0.9f;
    b.run(*fx, 2048);  // the first piece fades, the rest is steady
    for (int i = 512; i < 2048; i++) {
        ASSERT_NEAR(b.in[size_t(i)], b.left[size_t(i)], 1e-8f) << i;
        ASSERT_EQ(b.left[size_t(i)], b.right[size_t(i)]) << i;
    }
}

TEST_F(PluginTest, Parameters) {
    EXPECT_NEAR(0.14829659f, fx->getParameter(1), 1e-7f);
    EXPECT_EQ(1.0f, fx->getParameter(0));
    fx->setParameter(1, 0.0f);
    EXPECT_EQ(20, lowpassF());
    fx->setParameter(1, 1.0f);
    EXPECT_EQ(10000, lowpassF());
    EXPECT_EQ("10000.", text(effGetParamDisplay, 1));
    fx->setParameter(1, NAN);
    EXPECT_EQ(20, lowpassF());
    fx->setParameter(1, 7.0f);
    EXPECT_EQ(10000, lowpassF());
    fx->setParameter(0, 0.5f);
    EXPECT_EQ(0.0f, fx->getParameter(0));
    EXPECT_EQ("Off", text(effGetParamDisplay, 0));
    fx->setParameter(0, 0.51f);
    EXPECT_EQ("On", text(effGetParamDisplay, 0));
    fx->setParameter(-1, 1.0f);
    fx->setParameter(2, 1.0f);
    EXPECT_EQ(0.0f, fx->getParameter(2));
}

TEST_F(PluginTest, Texts) {
    EXPECT_EQ("Freque", text(effGetParamName, 1));
    EXPECT_EQ("State", text(effGetParamName, 0));
    EXPECT_EQ("On/Off", text(effGetParamLabel, 0));
    EXPECT_EQ("Hz", text(effGetParamLabel, 1));
    EXPECT_EQ("1500.0", text(effGetParamDisplay, 1));
    EXPECT_EQ("", text(effGetParamDisplay, 5));
    EXPECT_EQ("Default program", text(effGetProgramName, 0));
    EXPECT_EQ("3-rd order Butterworth low-pass", text(effGetEffectName, 0));
    EXPECT_EQ(std::string(KW_Main_Vst::VENDOR) + " 3-rd order Butterworth low-pass", text(effGetProductString, 0));
    EXPECT_LE(text(effGetProductString, 0).size(), 63u);
}

TEST_F(PluginTest, SampleRatesReachEveryEffect) {
    for (float rate : {8000.0f, 22050.5f, 384000.0f}) {
        fx->setSampleRate(rate);
        EXPECT_EQ(int32_t(rate), app().clock);
        for (int slot : {KW_Application::INPUT_COPY, KW_Application::LOWPASS, KW_Application::BANDPASS,
                         KW_Application::OUTPUT_COPY})
            EXPECT_EQ(std::to_string(int32_t(rate)), answer("KW_Effect %o -clock", object(slot)));
    }
    for (float bad : {0.0f, -44100.0f, NAN, INFINITY, 1e20f}) {
        fx->setSampleRate(bad);
        EXPECT_EQ(384000, app().clock) << bad;
    }
}

// Any input at any rate and cutoff: outputs finite and within the fixed-point range, and no allocation.
TEST_F(PluginTest, AudioPathIsBoundedAndAllocatesNothing) {
    const float odd[] = {NAN, INFINITY, -INFINITY, 1e30f, -1e30f, 1.0f, -1.0f, 0.0f};
    int* volatile probe = new int(1);  // the counter counts
    delete probe;
    counting = true;
    probe = new int(2);
    counting = false;
    delete probe;
    ASSERT_EQ(1, allocations.load());
    Block b(20000);
    for (size_t i = 0; i < b.in.size(); i++) b.in[i] = i % 2 ? odd[i % 8] : (i % 4 ? 1.0f : -1.0f);
    for (float rate : {8000.0f, 44100.0f, 384000.0f}) {
        fx->setSampleRate(rate);
        for (float knob : {0.0f, 0.15f, 0.99f, 1.0f}) {
            fx->setParameter(1, knob);
            allocations = 0;
            counting = true;
            for (int32_t frames : {1, 511, 512, 513, 1200, 8192, 0, 20000}) b.run(*fx, frames);
            counting = false;
            EXPECT_EQ(0, allocations.load());
            for (size_t i = 0; i < 20000; i++) {
                ASSERT_TRUE(std::isfinite(b.left[i]) && std::fabs(b.left[i]) <= 2.0f) << rate << " " << knob << " " << i;
                ASSERT_EQ(b.left[i], b.right[i]);
            }
        }
    }
}

// The host's thread and the editor's change the parameters while the audio thread processes.
TEST_F(PluginTest, ParameterChangesWhileProcessing) {
    std::atomic<bool> done{false};
    std::atomic<bool> sound{true};
    std::atomic<int> blocks{0};
    std::thread audio([&] {
        Block b(1200);
        for (size_t i = 0; i < b.in.size(); i++) b.in[i] = i % 7 ? float(std::sin(double(i))) : NAN;
        while (!done) {
            b.run(*fx, 1200);
            blocks++;
            for (size_t i = 0; i < 1200; i++)
                if (!std::isfinite(b.left[i]) || std::fabs(b.left[i]) > 2.0f) sound = false;
        }
    });
    std::thread editor([&] {
        KW_Application::Param& p = app().param(KW_Application::FREQUENCY);
        for (int n = 0; !done; n++) {
            p.f = 20.0f + float(n % 500) * 19.96f;  // as the knob writes it
            p.changed(&app());
        }
    });
    for (int n = 0; n < 3000 || blocks < 200; n++) {
        fx->setParameter(1, float(n % 101) / 100.0f);
        fx->setParameter(0, n % 13 ? 1.0f : 0.0f);
    }
    done = true;
    audio.join();
    editor.join();
    EXPECT_TRUE(sound.load());
    EXPECT_GE(blocks.load(), 200);
}

TEST_F(PluginTest, EditorSharesOneRectangleAndAttachesOnOpen) {
    KW_Main_Vst second(nullptr);
    ERect *a = nullptr, *b = nullptr;
    AEffect* e = fx->getAeffect();
    EXPECT_EQ(1, e->dispatcher(e, effEditGetRect, 0, 0, &a, 0.0f));
    second.getEditor()->getRect(&b);
    EXPECT_EQ(a, b);
    EXPECT_EQ(236, a->bottom);
    EXPECT_EQ(200, a->right);
    auto* editor = static_cast<KW_Main_Vst_Editor*>(fx->getEditor());
    EXPECT_EQ(1, e->dispatcher(e, effEditOpen, 0, 0, nullptr, 0.0f));
    EXPECT_EQ(editor->window, widget(KW_Application::KNOB)->window);
    EXPECT_FALSE(editor->isOpen());
    e->dispatcher(e, effEditClose, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(nullptr, widget(KW_Application::KNOB)->window);
}

}  // namespace
