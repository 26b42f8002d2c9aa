// Fault containment for the audio pass: a node that throws, divides by zero or touches memory it
// must not ends the pass it runs in, and the caller carries on with the next block.
#pragma once

class KW_Faultguard {
public:
    typedef void (*Body)(void* context);

    // Runs body(context); false when it ended by a C++ exception or a processor fault.
    // Allocates nothing and takes no lock, so it may run on the audio thread.
    static bool run(Body body, void* context);

    // Sets up the fault handlers of the process; idempotent. run() calls it too, but callers that can
    // should call it off the audio thread first.
    static void install();

private:
    // Platform part: runs body(context) with a recovery point for processor faults.
    static bool trap(Body body, void* context);
    // Generic part: runs body(context) and swallows any C++ exception.
    static bool call(Body body, void* context) noexcept;
    static void installHandlers();
};
