#include "widgets/KW_Wid_Text.h"

namespace {
KW_Object* make() { return new KW_Wid_Text; }
}  // namespace

const KW_Option KW_Wid_Text::options[] = {
    KW_Option(make),
    KW_Option("text", m_text),
    KW_Option("color", m_color),
    KW_Option("font", m_font),
    KW_Option("size", m_size),
    KW_Option("horz", m_horz),
    KW_Option("bold", m_bold),
    KW_Option(KW_Wid::options),
};
