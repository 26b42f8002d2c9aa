// A plug-in main object built as a host gets it, at 44100 Hz, and the answers of its objects' options.
#pragma once
#include <gtest/gtest.h>
#include <cstring>
#include <memory>
#include <string>
#include "support/Answer.h"
#include "app/KW_Main_Vst.h"
#include "core/KW_command.h"

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        fx = std::make_unique<KW_Main_Vst>(nullptr);
        fx->setSampleRate(44100.0f);
    }

    KW_Application& app() { return fx->application; }
    void* object(int slot) { return app().objects[slot]; }
    KW_Wid* widget(int slot) { return app().widgets[slot]; }

    std::string label() { return answer("KW_Wid_Text %o -text", widget(KW_Application::VALUE_LABEL)); }
    float bandpassF() { return std::stof(answer("%o -f", object(KW_Application::BANDPASS))); }
    int lowpassF() { return std::stoi(answer("%o -f", object(KW_Application::LOWPASS))); }

    std::string text(int32_t opcode, int32_t index) {
        char buffer[64];
        std::memset(buffer, '#', sizeof buffer);
        buffer[63] = 0;
        AEffect* e = fx->getAeffect();
        e->dispatcher(e, opcode, index, 0, buffer, 0.0f);
        return buffer;
    }

    std::unique_ptr<KW_Main_Vst> fx;
};
