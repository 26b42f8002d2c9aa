// Framework start-up entry for the standalone host. Everything the framework needs is set up by
// static initialisation, so there is nothing left to do here; the entry stays for the host's sake.
#include "KW_command.h"

void KW_initall() {}
