// The text label commands create: the platform's rendering label where there is one.
#pragma once
#if defined(_WIN32)
#include "widgets/KW_Wid_Text_Win32.h"
typedef KW_Wid_Text_Win32 KW_Wid_Text_Platform;
#else
#include "widgets/KW_Wid_Text_Base.h"
typedef KW_Wid_Text_Base KW_Wid_Text_Platform;
#endif

class KW_Wid_Text : public KW_Wid_Text_Platform {
public:
    static const KW_Option options[];
};
