// One parameter of the filter application: a value that widgets and the host write, with the name,
// unit and range the host shows. A change ends in apply, which the concrete parameters override.
#pragma once
#include <cstddef>
#include <cstdint>
#include "core/KW_value.h"

class KW_Wid;

class KW_Application_Param : public KW_value {
public:
    static constexpr size_t TEXT_SIZE = 32;
    static constexpr size_t PAIR_OFFSET = 10;  // a switch's label: the on text, the off text 10 bytes on

    KW_Application_Param();

    void changed(void* data) override { apply(data); }
    virtual void getName(char* text, size_t size);
    virtual void getDisplay(char* text, size_t size);
    virtual void getLabel(char* text, size_t size);
    virtual void apply(void*) {}

    void setName(const char* text);
    // For a switch, the on and off texts of the label pair.
    void setLabel(const char* text, const char* offText = nullptr);
    const char* label() const { return labelText; }
    const char* offLabel() const { return labelText + PAIR_OFFSET; }

    char name[TEXT_SIZE] = {};
    KW_Wid* widget = nullptr;
    int32_t minimum = 0;
    int32_t maximum = 0;

private:
    char labelText[TEXT_SIZE] = {};
};
