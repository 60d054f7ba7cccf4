// PNG decoding with libpng from memory. libpng reports errors by longjmp to the setjmp below;
// only C frames of libpng and the trivial callbacks lie between, so nothing is skipped that
// needs destroying.
#include <png.h>

#include <cstring>

#include "gui/picture_decode.h"
#include "host/memory.h"

namespace gui {

namespace {

struct MemoryReader {
    const unsigned char* data;
    std::size_t size;
    std::size_t position;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
    MemoryReader* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (length > reader->size - reader->position)
        png_error(png, "data ends early");
    std::memcpy(out, reader->data + reader->position, length);
    reader->position += length;
}

void StopOnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

// Warnings of libpng are about damaged ancillary data: treated as corrupt data.
void StopOnWarning(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

bool ReadImage(png_structp png, png_infop info, unsigned maxSide, PixelTarget& target, host::Array<png_bytep>& rows) {
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int depth = 0, colourType = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &colourType, nullptr, nullptr, nullptr);
    if (width == 0 || height == 0 || width > maxSide || height > maxSide)
        return false;

    // Whatever the stored form, rows come out as 8-bit red, green, blue, alpha; a colour key
    // (tRNS) becomes alpha and pictures without alpha get 255.
    png_set_expand(png);
    png_set_strip_16(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4)
        return false;

    unsigned char* const pixels = target.Rows(width, height);
    if (!pixels || !host::Array<png_bytep>::TryMake(height, rows))
        return false;
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = pixels + static_cast<std::size_t>(y) * width * 4;
    png_read_image(png, rows.Data());
    // Reads the chunks after the image up to IEND, so a file cut short there fails too.
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

bool DecodePng(const unsigned char* bytes, std::size_t size, unsigned maxSide, PixelTarget& target) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, StopOnError, StopOnWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    MemoryReader reader = {bytes, size, 0};
    host::Array<png_bytep> rows;
    bool ok = false;
    png_set_user_limits(png, maxSide, maxSide);
    png_set_read_fn(png, &reader, ReadFromMemory);
    if (setjmp(png_jmpbuf(png)) == 0)
        ok = ReadImage(png, info, maxSide, target, rows);
    png_destroy_read_struct(&png, &info, nullptr);
    return ok;
}

}  // namespace gui
