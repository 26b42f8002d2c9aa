// The application template: what the plug-in main object drives.
#pragma once
#include "KW_status.h"
#include "KW_value.h"

class KW_Win;

class KW_Apptpl {
public:
    virtual KW_status build() = 0;
    virtual KW_status attach(KW_Win* window) = 0;
    virtual KW_status detach() = 0;
    virtual KW_status destroy() = 0;
    // Non-zero when the state is saved as one opaque block.
    virtual int usesChunks() { return 0; }
    virtual KW_value getChunk() { return KW_EMPTY; }
    virtual void setChunk(KW_value chunk) { (void)chunk; }

protected:
    ~KW_Apptpl() = default;
};
