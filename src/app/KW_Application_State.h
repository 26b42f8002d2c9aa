// The "State" parameter: switches the filter and dims its controls.
#pragma once
#include "app/KW_Application_Param.h"

class KW_Application;

class KW_Application_State : public KW_Application_Param {
public:
    explicit KW_Application_State(KW_Application& a) : app(a) {}
    void apply(void* data) override;

private:
    KW_Application& app;
};
