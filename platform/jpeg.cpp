#include "jpeg.h"

#include "error.h"
#include "path.h"

#include <QFile>

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
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
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
    QFile file(native);
    if (!file.open(QIODevice::ReadOnly))
        throw Error::cannotOpenFile(native);
    const QByteArray bytes = file.readAll();
    QImage image;
    ErrorManager manager{};
    if (!decode(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()),
                &image, manager))
        throw Error(QStringLiteral("Cannot decode picture %1: %2").arg(native, QString::fromLocal8Bit(manager.message)));
    return image;
}

} // namespace platform
