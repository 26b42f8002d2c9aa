#include <cmath>
#include <vector>
#include "graph/KW_Soundpipe.h"
#include "app/Plugin_fixture.h"
#include "widgets/KW_Wid.h"
#include "windows/KW_Win.h"

namespace {

TEST_F(PluginTest, BuildTunesTheFilterAndTheLabel) {
    EXPECT_EQ(239, lowpassF());
    EXPECT_NEAR(239.47897f, bandpassF(), 1e-4f);
    EXPECT_EQ("239 Hz", label());
    EXPECT_EQ("sub", answer("%o -mode", object(KW_Application::BANDPASS)));
    EXPECT_EQ(200, app().width);
    EXPECT_EQ(236, app().height);
    EXPECT_EQ(44100, app().clock);
    EXPECT_EQ("buf_i", answer("%o -t", object(KW_Application::INPUT)));
    EXPECT_EQ("lpf_buffer", answer("%o -t", object(KW_Application::WORK)));
    EXPECT_EQ("buf_o", answer("%o -t", object(KW_Application::OUTPUT)));
    EXPECT_EQ(nullptr, object(4));
    EXPECT_EQ(nullptr, object(5));
    std::vector<void*> order;
    const KW_Chain& effects = app().pipe()->effects;
    for (KW_Chain_Item* i = effects.first(); i != effects.end(); i = i->next) order.push_back(i->data);
    EXPECT_EQ((std::vector<void*>{object(KW_Application::INPUT_COPY), object(KW_Application::LOWPASS),
                                  object(KW_Application::BANDPASS), object(KW_Application::OUTPUT_COPY)}),
              order);
}

TEST_F(PluginTest, ParametersDescribeThemselves) {
    struct Case {
        int index;
        const char *name, *display, *label;
    };
    const Case cases[] = {{KW_Application::STATE, "State", "On", "On"},
                          {KW_Application::FREQUENCY, "Frequency", "1500.000000", "Hz"},
                          {KW_Application::SAVE_PRESET, "", "", "Yes"}};
    for (const Case& c : cases) {
        char text[8];  // shorter than some answers: they are cut, never overrun
        KW_Application::Param& p = app().param(c.index);
        p.getName(text, sizeof text);
        EXPECT_EQ(std::string(c.name).substr(0, 7), text);
        p.getDisplay(text, sizeof text);
        EXPECT_EQ(std::string(c.display).substr(0, 7), text);
        p.getLabel(text, sizeof text);
        EXPECT_EQ(c.label, std::string(text));
    }
    EXPECT_STREQ("Off", app().param(KW_Application::STATE).offLabel());
}

TEST(Cutoff, FollowsTheSquareOfTheKnob) {
    EXPECT_FLOAT_EQ(239.47897338867188f, KW_Application_Frequency::cutoff(1500, 20, 10000));
    EXPECT_FLOAT_EQ(20.0f, KW_Application_Frequency::cutoff(20, 20, 10000));
    EXPECT_FLOAT_EQ(10000.0f, KW_Application_Frequency::cutoff(10000, 20, 10000));
}

struct KnobCase {
    float value;
    int lowpass;
    const char* label;
};

TEST_F(PluginTest, KnobValuesRetune) {
    const KnobCase cases[] = {{5010, 2515, "2515 Hz"}, {20, 20, "20 Hz"}, {10000, 10000, "10000 Hz"}};
    KW_Application::Param& p = app().param(KW_Application::FREQUENCY);
    for (const KnobCase& c : cases) {
        p.f = c.value;  // as the knob writes it
        p.changed(&app());
        EXPECT_EQ(c.lowpass, lowpassF()) << c.value;
        EXPECT_EQ(c.label, label()) << c.value;
        EXPECT_EQ(c.value, std::stof(answer("KW_Wid_Knob %o -val", widget(KW_Application::KNOB))));
    }
}

TEST_F(PluginTest, ButtonSwitchesTheFilterAndDimsTheControls) {
    KW_Application::Param& s = app().param(KW_Application::STATE);
    s.kind = KW_value::INTEGER;  // as the button writes it
    s.i = 0;
    s.changed(&app());
    EXPECT_EQ(KW_value::SWITCH, s.kind);
    EXPECT_EQ("0", answer("KW_Effect %o -on", object(KW_Application::LOWPASS)));
    EXPECT_EQ("0", answer("KW_Effect %o -on", object(KW_Application::BANDPASS)));
    for (int slot : {KW_Application::CAPTION, KW_Application::KNOB, KW_Application::VALUE_LABEL})
        EXPECT_EQ(0, widget(slot)->enabled) << slot;
    EXPECT_EQ(0.0f, std::stof(answer("KW_Wid_Butt %o -val", widget(KW_Application::BUTTON))));
}

TEST_F(PluginTest, DestroyReportsTheTwoEmptySlots) {
    testing::internal::CaptureStdout();
    fx.reset();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ("NULL WIDGET\nNULL WIDGET\n", out);
}

TEST_F(PluginTest, AttachAndDetach) {
    KW_Win window(200, 236);
    auto attached = [&] {
        int n = 0;
        for (KW_Chain_Item* i = window.widgets.first(); i != window.widgets.end(); i = i->next) n++;
        return n;
    };
    app().attach(&window);
    EXPECT_EQ(25, attached());
    EXPECT_EQ(nullptr, widget(20));
    EXPECT_EQ(nullptr, widget(21));
    app().attach(&window);
    EXPECT_EQ(25, attached());
    app().detach();
    EXPECT_EQ(0, attached());
    app().attach(&window);
    EXPECT_EQ(25, attached());
    app().detach();
}

TEST_F(PluginTest, LogoSitsAtItsPlace) {
    KW_Wid* logo = widget(9);
    ASSERT_NE(nullptr, logo);
    EXPECT_EQ(20, logo->left);
    EXPECT_EQ(8, logo->top);
    EXPECT_GT(logo->width, 0);
}

}  // namespace
