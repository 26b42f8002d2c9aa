// The generated resources and how the builds take them: one file each, the native build's linked-in
// table (KW_blobs.cpp), the Windows resource script (art.rc) and a summary table (summary.md).
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "Image.h"

class Bundle {
public:
    void picture(const std::string& name, const Image& image);
    void strip(const std::string& name, const std::vector<Image>& frames);

    // Writes everything into the folder; throws when a file cannot be written.
    void write(const std::string& folder) const;

private:
    struct Resource {
        std::string name;  // upper case, as the executable stores it
        std::string file;
        std::string geometry;
        std::vector<uint8_t> bytes;
    };
    std::vector<Resource> resources;
};
