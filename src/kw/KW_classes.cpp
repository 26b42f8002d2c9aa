// The class table: every class the command language can create or name, in search order.
#include "core/KW_command.h"
#include "graph/KW_Buffer.h"
#include "graph/KW_Effect.h"
#include "graph/KW_Soundpipe.h"
#include "nodes/KW_Effect_Bapass.h"
#include "nodes/KW_Effect_Copy.h"
#include "nodes/KW_Effect_Hipass.h"
#include "nodes/KW_Effect_Lopass.h"
#include "widgets/KW_Wid.h"
#include "widgets/KW_Wid_Butt.h"
#include "widgets/KW_Wid_Knob.h"
#include "widgets/KW_Wid_Pic.h"
#include "widgets/KW_Wid_Text.h"

extern "C" const KW_Class _KW[] = {
    {"KW_Object", KW_Object::options},
    {"KW_Soundpipe", KW_Soundpipe::options},
    {"KW_Buffer", KW_Buffer::options},
    {"KW_Effect", KW_Effect::options},
    {"KW_Effect_Hipass", KW_Effect_Hipass::options},
    {"KW_Effect_Lopass", KW_Effect_Lopass::options},
    {"KW_Effect_Bapass", KW_Effect_Bapass::options},
    {"KW_Effect_Copy", KW_Effect_Copy::options},
    {"KW_Wid", KW_Wid::options},
    {"KW_Wid_Pic", KW_Wid_Pic::options},
    {"KW_Wid_Butt", KW_Wid_Butt::options},
    {"KW_Wid_Knob", KW_Wid_Knob::options},
    {"KW_Wid_Text", KW_Wid_Text::options},
    {nullptr, nullptr},
};
