#pragma once
// The program's picture, drawn in code: a cricket bat and a red ball on a
// green ground. The windows' icon and the about box use it, and the build
// draws the icon theme's files with it (desktop/). Also the folder list's
// folders, drawn the same way.
#include <QIcon>
#include <QPixmap>

class QPainter;

namespace orvik {

// Paints the picture at `size` x `size` from the painter's origin, antialiased.
void PaintEditorPicture(QPainter& painter, qreal size);

// The picture at `size` x `size` device-independent pixels.
QPixmap EditorPicture(int size, qreal devicePixelRatio = 1.0);

// The window icon with 16 x 16 and 32 x 32 images.
QIcon EditorIcon();

// The folder list's folder pictures, closed and standing open: 16 x 16
// device-independent pixels, with images for screens of one and two device
// pixels to one. Drawn in code like the editor's picture: asking the
// style for its folder icons searches the icon theme on disk, which took a
// third of the start-up.
QIcon FolderIcon(bool open);

}  // namespace orvik
