// The "Frequency" parameter: the knob's value, whose square sets the cutoff of the filter.
#pragma once
#include "app/KW_Application_Param.h"

class KW_Application;

class KW_Application_Frequency : public KW_Application_Param {
public:
    explicit KW_Application_Frequency(KW_Application& a) : app(a) {}
    void apply(void* data) override;

    // The cutoff for knob value v on a knob from mn to mx: mn + (mx - mn) ((v - mn) / (mx - mn))^2,
    // each step rounded to a float.
    static float cutoff(float v, float mn, float mx);

private:
    KW_Application& app;
};
