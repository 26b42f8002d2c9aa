// The plug-in's effect object: maps the host's float blocks, normalised parameters and sample rate onto
// the filter application, and owns the application and the editor.
#pragma once
#include "app/KW_Application.h"
#include "vst/AudioEffectX.h"

class KW_Main_Vst : public AudioEffectX {
public:
    static constexpr int32_t UNIQUE_ID = 0x78343465;  // "e44x" in memory
    static const char EFFECT_NAME[];
    static const char VENDOR[];
    static const char PRODUCT[];

    explicit KW_Main_Vst(VstHostCallback host);
    ~KW_Main_Vst() override;

    void open() override;
    void setSampleRate(float rate) override;
    void processReplacing(float** inputs, float** outputs, int32_t frames) override;
    void setParameter(int32_t index, float x) override;
    float getParameter(int32_t index) override;
    int32_t getProgram() override { return 0; }
    void setProgram(int32_t) override {}
    void setProgramName(char*) override {}
    void getProgramName(char* text) override;
    void getParamLabel(int32_t index, char* text) override;
    void getParamDisplay(int32_t index, char* text) override;
    void getParamName(int32_t index, char* text) override;
    int32_t getChunk(void** data, bool isPreset) override;
    int32_t setChunk(void* data, int32_t size, bool isPreset) override;
    bool getProgramNameIndexed(int32_t category, int32_t index, char* text) override;
    bool getEffectName(char* text) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    int32_t getVendorVersion() override { return 1000; }
    int32_t getPlugCategory() override { return 1; }

    KW_Application application;

private:
    // The host's parameter, or none for an index it does not know.
    KW_Application::Param* hostParam(int32_t index);
};
