// Writes the editor's icon, painted by the code that paints the window's
// icon, as the files of an icon theme:
//
//   make_icon_files <folder> <name> <size>...
//
// gives <folder>/scalable/apps/<name>.svg and <folder>/<size>x<size>/apps/<name>.png
// for each size.
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cstdio>

#include "ui/icon.h"

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool WritePng(const QString& path, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    orvik::PaintEditorPicture(painter, size);
    painter.end();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "PNG");
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
        std::fputs("usage: make_icon_files <folder> <name> <size>...\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    bool written = WriteSvg(QStringLiteral("%1/scalable/apps/%2.svg").arg(folder, name));
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        if (size < 1 || size > 1024) {
            std::fprintf(stderr, "make_icon_files: not a size: %s\n", argv[i]);
            return 2;
        }
        written = WritePng(QStringLiteral("%1/%2x%2/apps/%3.png").arg(folder).arg(size).arg(name), size) && written;
    }
    if (!written) std::fputs("make_icon_files: an icon file could not be written\n", stderr);
    return written ? 0 : 1;
}
