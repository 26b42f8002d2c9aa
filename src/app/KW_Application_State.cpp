#include "app/KW_Application_State.h"
#include <initializer_list>
#include "app/KW_Application.h"
#include "core/KW_command.h"

// The button writes the wanted state as an integer; the parameter stays a switch.
void KW_Application_State::apply(void*) {
    const int32_t s = i != 0;
    i = s;
    kind = SWITCH;
    KW_command("KW_Wid_Butt %o -val %i", app.widgets[KW_Application::BUTTON], s);
    for (int slot : {KW_Application::CAPTION, KW_Application::KNOB, KW_Application::VALUE_LABEL})
        if (app.widgets[slot]) KW_command("KW_Wid %o -enabled %i", app.widgets[slot], s);
    KW_command("KW_Effect %o -on %i", app.objects[KW_Application::LOWPASS], s);
    KW_command("KW_Effect %o -on %i", app.objects[KW_Application::BANDPASS], s);
}
