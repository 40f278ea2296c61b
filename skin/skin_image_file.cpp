#include "skin/skin_image_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>

namespace tavro {

QImage LoadImageFile(const std::filesystem::path& path) {
    QByteArray bytes;
    {
        QFile file(QFile::decodeName(QByteArray::fromStdString(path.native())));
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        bytes = file.readAll();
    }
    if (bytes.isEmpty()) {
        return {};
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    if (!reader.canRead()) {
        return {};
    }
    return reader.read();
}

}  // namespace tavro
