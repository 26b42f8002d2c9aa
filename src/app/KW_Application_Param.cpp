#include "app/KW_Application_Param.h"
#include <cstdio>

KW_Application_Param::KW_Application_Param() : KW_value(0, EMPTY) {
    setLabel("Yes");
}

void KW_Application_Param::setName(const char* text) {
    std::snprintf(name, sizeof name, "%s", text);
}

void KW_Application_Param::setLabel(const char* text, const char* offText) {
    std::snprintf(labelText, PAIR_OFFSET, "%s", text);
    std::snprintf(labelText + PAIR_OFFSET, sizeof labelText - PAIR_OFFSET, "%s", offText ? offText : "");
}

void KW_Application_Param::getName(char* text, size_t size) {
    std::snprintf(text, size, "%s", name);
}

void KW_Application_Param::getLabel(char* text, size_t size) {
    std::snprintf(text, size, "%s", labelText);
}

void KW_Application_Param::getDisplay(char* text, size_t size) {
    switch (kind) {
    case INTEGER: std::snprintf(text, size, "%i", int(i)); break;
    case FLOAT: std::snprintf(text, size, "%f", double(f)); break;
    case SWITCH: std::snprintf(text, size, "%s", i ? "On" : "Off"); break;
    default: std::snprintf(text, size, "%s", ""); break;
    }
}
