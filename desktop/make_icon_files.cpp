// Writes the editor's icon, painted by the code that paints the window's
// icon, as the files of an icon theme:
//
//   make_icon_files <folder> <name> <size>...
//
// gives <folder>/scalable/apps/<name>.svg and <folder>/<size>x<size>/apps/<name>.png
// for each size.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <cstdio>

#include "svg_picture.h"
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
    orvik::SvgPicture picture(32);
    QPainter painter(&picture);
    orvik::PaintEditorPicture(painter, 32);
    painter.end();
    return Write(path, picture.Document().toUtf8());
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
