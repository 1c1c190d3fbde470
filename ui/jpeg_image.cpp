// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/jpeg_image.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; it jumps back
// into DecodeInto instead.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Return;
};

void OnFatalError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Return, 1);
}

void OnWarning(j_common_ptr, int) {}

// Kept free of objects with destructors: a longjmp out of libjpeg skips them.
bool DecodeInto(const unsigned char* data, unsigned long size, QImage* image) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnFatalError;
    errors.Base.emit_message = OnWarning;
    if (setjmp(errors.Return)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                    QImage::Format_RGB888);
    if (image->isNull() || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

// The pictures are compiled into a static library; naming their initialiser here makes the
// linker keep them.
static void RegisterPictureResources() {
    Q_INIT_RESOURCE(pictures);
}

QImage DecodeJpeg(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {};
    QImage image;
    if (!DecodeInto(reinterpret_cast<const unsigned char*>(bytes.constData()),
                    static_cast<unsigned long>(bytes.size()), &image))
        return {};
    return image;
}

QImage LoadJpegResource(const QString& path) {
    RegisterPictureResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DecodeJpeg(file.readAll());
}
