// artpreview FOLDER: writes a PNG of every embedded picture, a contact sheet of every frame strip (its
// frames in a grid over the panel texture) and the composed editor, all read back through the framework's
// own readers, so what is seen is what the program draws.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include "Editor.h"
#include "Png.h"
#include "core/KW_resource.h"
#include "graphics/KW_Pic.h"
#include "graphics/KW_Vid.h"

namespace {

using Picture = KW_Pic<KW_Pix_A32>;

// Every frame of the strip in rows of up to 16, 4 pixels apart, over the panel texture.
bool sheet(const std::string& path, const char* name) {
    KW_Vid vid;
    Picture panel, out;
    if (!vid.mapResource(name) || !panel.mapResource("GMM")) return false;
    const int32_t gap = 4, columns = std::min(vid.frameCount, 16), rows = (vid.frameCount + columns - 1) / columns;
    out.resize(gap + columns * (vid.width + gap), gap + rows * (vid.height + gap));
    const KW_Rect all{0, 0, out.width, out.height};
    Picture::composite(panel, out, 0, 0, &all);
    for (int32_t f = 0; f < vid.frameCount; ++f)
        vid.drawFrame(f, out, gap + f % columns * (vid.width + gap), gap + f / columns * (vid.height + gap),
                      {0, 0, vid.width, vid.height});
    return writePng(path, out);
}

bool picture(const std::string& path, const char* name) {
    Picture pic;
    return pic.mapResource(name) && writePng(path, pic);
}

// The editor at its own size and enlarged three times, pixel for pixel.
bool editor(const std::string& folder) {
    Picture actual, large;
    composeEditor(actual, 100);
    const int zoom = 3;
    large.resize(actual.width * zoom, actual.height * zoom);
    for (int32_t y = 0; y < large.height; ++y)
        for (int32_t x = 0; x < large.width; ++x) large.row(y)[x] = actual.row(y / zoom)[x / zoom];
    return writePng(folder + "/editor.png", actual) && writePng(folder + "/editor-x3.png", large);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: artpreview FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = editor(folder);
    for (const KW_Blob* blob = KW_blobs; blob->name; ++blob) {
        const std::string path = folder + "/" + blob->name + ".png";
        const bool isStrip = blob->size >= 4 && std::memcmp(blob->data, "KWVF", 4) == 0;
        ok = (isStrip ? sheet(path, blob->name) : picture(path, blob->name)) && ok;
    }
    if (!ok) std::fprintf(stderr, "artpreview: some previews could not be written\n");
    return ok ? 0 : 1;
}
