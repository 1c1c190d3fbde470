// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes JPEG bytes with libjpeg into an RGB image; a null image when the bytes are not a
// JPEG image libjpeg can read.
QImage DecodeJpeg(const QByteArray& bytes);

// Decodes a JPEG picture of the program's resources, e.g. ":/pictures/tv.jpg".
QImage LoadJpegResource(const QString& path);
