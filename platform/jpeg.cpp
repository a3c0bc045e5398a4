#include "jpeg.h"

#include "error.h"
#include "path.h"
#include "wholefile.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace platform {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    manager->base.format_message(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void ignoreMessage(j_common_ptr) {}

// A skin picture fills a screen at most. A header can claim 60,000 x 60,000
// pixels (10 GB of bitmap) in a few hundred bytes; such a picture is refused
// before anything is allocated for it.
constexpr unsigned long maximumSide = 16384;
constexpr unsigned long long maximumPixels = 32'000'000; // 96 MB as RGB

// Decodes into `image` (already sized by the header pass); returns false
// with the reason in manager.message. Only plain data lives in this frame,
// since libjpeg reports errors by longjmp.
bool decode(const unsigned char* data, unsigned long size, QImage* image, ErrorManager& manager)
{
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = onError;
    manager.base.output_message = ignoreMessage;
    if (setjmp(manager.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    if (info.image_width > maximumSide || info.image_height > maximumSide
        || (unsigned long long)info.image_width * info.image_height > maximumPixels) {
        std::snprintf(manager.message, sizeof manager.message, "%u x %u pixels is too large (at most %llu pixels)",
                      info.image_width, info.image_height, maximumPixels);
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image->isNull()) {
        std::snprintf(manager.message, sizeof manager.message, "out of memory for %u x %u pixels",
                      info.output_width, info.output_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage loadJpeg(const QString& path)
{
    const QString native = nativePath(path);
    const QByteArray bytes = readWholeFile(native, maximumPictureFileBytes);
    QImage image;
    ErrorManager manager{};
    if (!decode(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()),
                &image, manager))
        throw Error(QStringLiteral("Cannot decode picture %1: %2").arg(native, QString::fromLocal8Bit(manager.message)));
    return image;
}

} // namespace platform
