// Writes the editor's icon, painted by the code that paints the window's
// icon, as the files of an icon theme:
//
//   make_icon_files <folder> <name> <size>...
//
// gives <folder>/scalable/apps/<name>.svg and <folder>/<size>x<size>/apps/<name>.png
// for each size, and
//
//   make_icon_files --ico <file> <size>...
//
// the Windows program's icon: one .ico file holding an image of each size (at
// most 256), each stored as PNG, as Windows Vista and later read them.
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cstdio>
#include <optional>

#include "ui/icon.h"

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QImage Picture(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    orvik::PaintEditorPicture(painter, size);
    painter.end();
    return image;
}

bool WritePng(const QString& path, int size) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return Picture(size).save(path, "PNG");
}

QByteArray PngBytes(int size) {
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    Picture(size).save(&png, "PNG");
    return png.data();
}

// The icon file's header, a directory entry per image, then the images.
bool WriteIco(const QString& path, const QList<int>& sizes) {
    QList<QByteArray> images;
    for (int size : sizes) images.push_back(PngBytes(size));
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const quint8 side = sizes[i] >= 256 ? 0 : quint8(sizes[i]);  // 0 stands for 256
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(images[i].size())
            << offset;
        offset += images[i].size();
    }
    for (const QByteArray& image : images) out.writeRawData(image.constData(), int(image.size()));
    return Write(path, bytes);
}

// The sizes from argv[first] on, or nothing when one is no size.
std::optional<QList<int>> Sizes(int argc, char** argv, int first, int largest) {
    QList<int> sizes;
    for (int i = first; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        if (size < 1 || size > largest) {
            std::fprintf(stderr, "make_icon_files: not a size: %s\n", argv[i]);
            return std::nullopt;
        }
        sizes.push_back(size);
    }
    return sizes;
}

bool WriteSvg(const QString& path) {
    QBuffer document;
    QSvgGenerator picture;
    picture.setOutputDevice(&document);
    picture.setSize(QSize(32, 32));
    picture.setViewBox(QRect(0, 0, 32, 32));
    picture.setTitle(QStringLiteral("Orvik Stroke Editor"));
    QPainter painter(&picture);
    orvik::PaintEditorPicture(painter, 32);
    painter.end();
    return Write(path, document.data());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: make_icon_files <folder> <name> <size>...\n       make_icon_files --ico <file> <size>...\n",
                   stderr);
        return 2;
    }
    const bool ico = QByteArray(argv[1]) == "--ico";
    const std::optional<QList<int>> sizes = Sizes(argc, argv, 3, ico ? 256 : 1024);
    if (!sizes) return 2;
    bool written = true;
    if (ico) {
        written = WriteIco(QString::fromLocal8Bit(argv[2]), *sizes);
    } else {
        const QString folder = QString::fromLocal8Bit(argv[1]);
        const QString name = QString::fromLocal8Bit(argv[2]);
        written = WriteSvg(QStringLiteral("%1/scalable/apps/%2.svg").arg(folder, name));
        for (int size : *sizes)
            written = WritePng(QStringLiteral("%1/%2x%2/apps/%3.png").arg(folder).arg(size).arg(name), size) && written;
    }
    if (!written) std::fputs("make_icon_files: an icon file could not be written\n", stderr);
    return written ? 0 : 1;
}
