#include <gtest/gtest.h>
#include <set>
#include <string>
#include "core/KW_status.h"

// The texts are what users see and what callers show; each status is its own text.
TEST(Status, EachStatusHasItsOwnMessage) {
    const std::pair<KW_status, const char*> all[] = {
        {KW_OK, "Operation OK"},
        {KW_ERROR_UNKNOWN, "Unknown error"},
        {KW_ERROR_FILE_CANNOT_OPEN, "Cannot open file"},
        {KW_ERROR_FILE_CANNOT_READ, "Cannot read file"},
        {KW_ERROR_FILE_CANNOT_CLOSE, "Cannot close file"},
        {KW_ERROR_MEMORY_CANNOT_ALLOCATE, "Cannot allocate memory"},
        {KW_ERROR_MEMORY_CANNOT_REALLOC, "Cannot re-allocate memory"},
        {KW_ERROR_MEMORY_CANNOT_FREE, "Cannot free memory"},
        {KW_ERROR_PARAM_REQUIRED, "Argument required"},
        {KW_ERROR_RESOURCE_CANNOT_LOAD, "Cannot load resource"},
        {KW_ERROR_RESOURCE_CANNOT_FIND, "Cannot find resource"},
        {KW_ERROR_RESOURCE_CANNOT_LOCK, "Cannot lock resource"},
        {KW_ERROR_AUDIO, "Audio operating error"},
        {KW_ERROR_AUDIO_CANNOT_OPEN, "Cannot open audio device"},
        {KW_ERROR_AUDIO_CANNOT_INPUT_STOP, "Cannot stop input audio device"},
        {KW_ERROR_AUDIO_CANNOT_INPUT_CLOSE, "Cannot close input audio device"},
        {KW_ERROR_AUDIO_CANNOT_OUTPUT_RESET, "Cannot reset output audio device"},
        {KW_ERROR_AUDIO_CANNOT_OUTPUT_CLOSE, "Cannot close output audio device"},
        {KW_ERROR_COMMAND_NOT_FOUND, "Command not found"},
        {KW_ERROR_COMMAND_NOT_PARAM, "Param not found"},
        {KW_ERROR_COMMAND_NOT_SPACE, "Not enough space for command result"},
    };
    std::set<const void*> pointers;
    std::set<std::string> texts;
    for (const auto& [status, text] : all) {
        ASSERT_NE(nullptr, status);
        EXPECT_STREQ(text, status);
        pointers.insert(status);
        texts.insert(status);
    }
    EXPECT_EQ(std::size(all), pointers.size());
    EXPECT_EQ(std::size(all), texts.size());
}
