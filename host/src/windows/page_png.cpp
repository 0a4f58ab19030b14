// Pictures of pages as GDI drew them: the surface's own pixels, written with
// stb_image_write.
#include "platform/page_png.h"

#include "display/page.h"
#include "platform/host_paths.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

#include <fstream>

namespace host {
namespace {

void Append(void *context, void *data, int size) {
    static_cast<std::string *>(context)->append(static_cast<const char *>(data),
                                                static_cast<size_t>(size));
}

} // namespace

bool WritePagePng(const Page &page, const std::string &path, std::string *error) {
    const size_t count = static_cast<size_t>(page.width) * page.height;
    if (count == 0 || page.pixels.size() != count) {
        if (error)
            *error = count == 0 ? "the page has no size" : "the page has no pixels";
        return false;
    }
    std::vector<unsigned char> rgb;
    rgb.reserve(count * 3);
    for (uint32_t pixel : page.pixels) {
        rgb.push_back(static_cast<unsigned char>(pixel >> 16));
        rgb.push_back(static_cast<unsigned char>(pixel >> 8));
        rgb.push_back(static_cast<unsigned char>(pixel));
    }
    std::string png;
    const int width = static_cast<int>(page.width), height = static_cast<int>(page.height);
    const bool encoded =
        stbi_write_png_to_func(Append, &png, width, height, 3, rgb.data(), width * 3) != 0;
    std::ofstream out(SystemPath(path), std::ios::binary | std::ios::trunc);
    out.write(png.data(), static_cast<std::streamsize>(png.size()));
    out.close();
    if (!encoded || out.fail()) {
        if (error)
            *error = "cannot write " + path;
        return false;
    }
    return true;
}

} // namespace host
