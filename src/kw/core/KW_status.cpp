// The statuses: each is its own message, so a status is shown as it is and compared by identity.
#include "KW_status.h"

KW_status KW_OK = "Operation OK";
KW_status KW_ERROR_UNKNOWN = "Unknown error";
KW_status KW_ERROR_FILE_CANNOT_OPEN = "Cannot open file";
KW_status KW_ERROR_FILE_CANNOT_READ = "Cannot read file";
KW_status KW_ERROR_FILE_CANNOT_CLOSE = "Cannot close file";
KW_status KW_ERROR_MEMORY_CANNOT_ALLOCATE = "Cannot allocate memory";
KW_status KW_ERROR_MEMORY_CANNOT_REALLOC = "Cannot re-allocate memory";
KW_status KW_ERROR_MEMORY_CANNOT_FREE = "Cannot free memory";
KW_status KW_ERROR_PARAM_REQUIRED = "Argument required";
KW_status KW_ERROR_RESOURCE_CANNOT_LOAD = "Cannot load resource";
KW_status KW_ERROR_RESOURCE_CANNOT_FIND = "Cannot find resource";
KW_status KW_ERROR_RESOURCE_CANNOT_LOCK = "Cannot lock resource";
KW_status KW_ERROR_AUDIO = "Audio operating error";
KW_status KW_ERROR_AUDIO_CANNOT_OPEN = "Cannot open audio device";
KW_status KW_ERROR_AUDIO_CANNOT_INPUT_STOP = "Cannot stop input audio device";
KW_status KW_ERROR_AUDIO_CANNOT_INPUT_CLOSE = "Cannot close input audio device";
KW_status KW_ERROR_AUDIO_CANNOT_OUTPUT_RESET = "Cannot reset output audio device";
KW_status KW_ERROR_AUDIO_CANNOT_OUTPUT_CLOSE = "Cannot close output audio device";
KW_status KW_ERROR_COMMAND_NOT_FOUND = "Command not found";
KW_status KW_ERROR_COMMAND_NOT_PARAM = "Param not found";
KW_status KW_ERROR_COMMAND_NOT_SPACE = "Not enough space for command result";
