#include "app/title_pictures.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

namespace kestra {

namespace {

// libjpeg's error manager with a way back out: a bad file jumps here instead of ending the program.
struct JumpingErrors {
    jpeg_error_mgr mgr{};
    std::jmp_buf back{};
};

// A decoding error returns to the decoder's setjmp point.
[[noreturn]] void JumpBack(j_common_ptr info) {
    auto* errors = reinterpret_cast<JumpingErrors*>(info->err);
    std::longjmp(errors->back, 1);
}

// Warnings and errors are not printed: a broken title picture just stays blank.
void StayQuiet(j_common_ptr) {}

// What the decoder fills; on the heap, so a jump back leaves it well defined.
struct Decoded {
    jpeg_decompress_struct info{};
    JumpingErrors errors;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<unsigned char> rgb;
};

// The RGB rows of an open file into `out`; false when libjpeg gave up part way.
bool DecodeInto(std::FILE* file, Decoded& out) {
    out.info.err = jpeg_std_error(&out.errors.mgr);
    out.errors.mgr.error_exit = JumpBack;
    out.errors.mgr.output_message = StayQuiet;
    if (setjmp(out.errors.back) != 0) {
        jpeg_destroy_decompress(&out.info);
        return false;
    }
    jpeg_create_decompress(&out.info);
    jpeg_stdio_src(&out.info, file);
    jpeg_read_header(&out.info, TRUE);
    out.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&out.info);
    out.width = static_cast<int32_t>(out.info.output_width);
    out.height = static_cast<int32_t>(out.info.output_height);
    const size_t stride = static_cast<size_t>(out.width) * 3;
    out.rgb.resize(stride * static_cast<size_t>(out.height));
    while (out.info.output_scanline < out.info.output_height) {
        JSAMPROW row = out.rgb.data() + stride * out.info.output_scanline;
        jpeg_read_scanlines(&out.info, &row, 1);
    }
    jpeg_finish_decompress(&out.info);
    jpeg_destroy_decompress(&out.info);
    return true;
}

}  // namespace

QImage DecodeJpeg(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (file == nullptr) return {};
    auto decoded = std::make_unique<Decoded>();
    const bool ok = DecodeInto(file, *decoded);
    std::fclose(file);
    if (!ok || decoded->width <= 0 || decoded->height <= 0) return {};
    const QImage view(decoded->rgb.data(), decoded->width, decoded->height, decoded->width * 3, QImage::Format_RGB888);
    return view.copy();
}

TitlePictures LoadTitlePictures(const GameFolder& folder) {
    TitlePictures pictures;
    pictures.frames[0] = DecodeJpeg(folder.cg() / "t10.jpg");
    pictures.frames[1] = DecodeJpeg(folder.cg() / "t1.jpg");
    pictures.frames[2] = DecodeJpeg(folder.cg() / "t2.jpg");
    return pictures;
}

}  // namespace kestra
