// Embedded resources: found whatever the case of the name, the same bytes every time, and a missing
// one reported by its name.
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include "core/KW_resource.h"
#include "support/ReportCatcher.h"

// The test program's resource, the same bytes on both platforms (core_tests.rc on Windows).
static const char fixture[] = "KW test data\0with a NUL";

#if !defined(_WIN32)
const KW_Blob KW_blobs[] = {
    {"OTHER", reinterpret_cast<const unsigned char*>("x"), 1},
    {"CORETEST", reinterpret_cast<const unsigned char*>(fixture), sizeof fixture - 1},
    {nullptr, nullptr, 0},
};
#endif

TEST(Resource, AnyCaseFindsTheSameBytes) {
    std::size_t size = 0;
    const void* upper = KW_resource("CORETEST", &size);
    ASSERT_NE(nullptr, upper);
    ASSERT_EQ(sizeof fixture - 1, size);
    EXPECT_EQ(0, std::memcmp(fixture, upper, size));
    for (const char* name : {"coretest", "CoreTest", "CORETEST"}) {
        std::size_t again = 0;
        EXPECT_EQ(upper, KW_resource(name, &again)) << name;
        EXPECT_EQ(size, again) << name;
    }
    EXPECT_EQ(upper, KW_resource("coretest"));
}

TEST(Resource, MissingResourceIsReportedByItsName) {
    for (const char* name : {"NOSUCH", "CORETES", "CORETESTX"}) {
        ReportCatcher catcher;
        std::size_t size = 99;
        EXPECT_EQ(nullptr, KW_resource(name, &size)) << name;
        EXPECT_EQ(0u, size);
        const std::string shown = catcher.text();
        EXPECT_EQ(0u, shown.find(std::string("Error: ") + name + "\nFile: ")) << shown;
        EXPECT_NE(std::string::npos, shown.find("\nProc: KW_resource\n")) << shown;
    }
}
