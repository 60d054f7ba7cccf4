// JPEG decoding with libjpeg from memory. libjpeg's own error handler ends the process; here
// errors and corrupt-data warnings longjmp back to DecodeJpeg instead, over C frames of libjpeg
// only.
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

#include "gui/picture_decode.h"

namespace gui {

namespace {

struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void StopOnError(j_common_ptr decoder) {
    std::longjmp(reinterpret_cast<ErrorTrap*>(decoder->err)->jump, 1);
}

// Level -1 is a warning about corrupt data, such as data that ends before the image does (the
// decoder would fill the rest with grey): such a picture is not shown. Trace messages are ignored.
void StopOnWarning(j_common_ptr decoder, int level) {
    if (level < 0)
        StopOnError(decoder);
}

void PrintNothing(j_common_ptr) {}

bool ReadImage(jpeg_decompress_struct& decoder, unsigned maxSide, PixelTarget& target) {
    if (jpeg_read_header(&decoder, TRUE) != JPEG_HEADER_OK)
        return false;
    if (decoder.image_width == 0 || decoder.image_height == 0 || decoder.image_width > maxSide ||
        decoder.image_height > maxSide)
        return false;
    // Red, green, blue and an alpha byte of 255, straight into the target's rows.
    decoder.out_color_space = JCS_EXT_RGBA;
    if (!jpeg_start_decompress(&decoder))
        return false;
    if (decoder.output_components != 4)
        return false;

    const unsigned width = decoder.output_width, height = decoder.output_height;
    unsigned char* const pixels = target.Rows(width, height);
    if (!pixels)
        return false;
    while (decoder.output_scanline < height) {
        JSAMPROW rows[1] = {pixels + static_cast<std::size_t>(decoder.output_scanline) * width * 4};
        if (jpeg_read_scanlines(&decoder, rows, 1) != 1)
            return false;
    }
    jpeg_finish_decompress(&decoder);
    return true;
}

}  // namespace

bool DecodeJpeg(const unsigned char* bytes, std::size_t size, unsigned maxSide, PixelTarget& target) {
    if (size > 0xFFFFFFFFu)
        return false;  // jpeg_mem_src takes an unsigned long (32 bits on Windows)
    jpeg_decompress_struct decoder = {};
    ErrorTrap trap = {};
    decoder.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = StopOnError;
    trap.manager.emit_message = StopOnWarning;
    trap.manager.output_message = PrintNothing;
    bool ok = false;
    if (setjmp(trap.jump) == 0) {
        jpeg_create_decompress(&decoder);
        jpeg_mem_src(&decoder, const_cast<unsigned char*>(bytes), static_cast<unsigned long>(size));
        ok = ReadImage(decoder, maxSide, target);
    }
    jpeg_destroy_decompress(&decoder);
    return ok;
}

}  // namespace gui
