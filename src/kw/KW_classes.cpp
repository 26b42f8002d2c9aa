// The class table: every class the command language can create or name, in search order.
#include "core/KW_command.h"

extern "C" const KW_Class _KW[] = {
    {"KW_Object", KW_Object::options},
    {nullptr, nullptr},
};
