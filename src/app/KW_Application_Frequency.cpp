#include "app/KW_Application_Frequency.h"
#include <cstdio>
#include "app/KW_Application.h"
#include "core/KW_command.h"
#include "widgets/KW_Wid.h"
#include "widgets/KW_Wid_Knob.h"

float KW_Application_Frequency::cutoff(float v, float mn, float mx) {
    float t = float((v - mn) / (mx - mn));
    t = float(t * t);
    return float((mx - mn) * t + mn);
}

void KW_Application_Frequency::apply(void*) {
    auto* knob = dynamic_cast<KW_Wid_Knob*>(widget);
    if (!knob || kind != FLOAT) return;
    const float fc = cutoff(f, knob->minimum, knob->maximum);
    KW_command("%o -f %f", app.objects[KW_Application::LOWPASS], double(fc));
    KW_command("%o -f %f", app.objects[KW_Application::BANDPASS], double(fc));
    KW_command("KW_Wid_Knob %o -val %f", knob, double(f));
    // The label keeps its own copy of the text.
    char text[32];
    std::snprintf(text, sizeof text, "%.0f Hz", double(fc));
    KW_Wid* label = app.widgets[KW_Application::VALUE_LABEL];
    KW_command("KW_Wid_Text %o -text %s", label, text);
    if (label) label->redraw();
}
