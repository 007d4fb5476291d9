// What screen readers say for the controls. A text box or list is named by
// the caption of the label beside it, a value label by that caption and its
// value; the lists without a label, and the two previews, which are painted
// on the window, get names of their own. Labels and buttons say their
// captions. Nothing here changes what the window shows.
#include <QWidget>

#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/main_window.h"
#include "ui/twips.h"

namespace orvik {
namespace {

// An invisible area over a preview that only carries its name and what the
// mouse does there; the mouse passes through it to the window.
void AddPreviewArea(QWidget* window, const char* name, QRect rect, const QString& accessibleName,
                    const QString& description) {
    auto* area = new QWidget(window);
    area->setObjectName(QString::fromLatin1(name));
    area->setGeometry(rect);
    area->setAttribute(Qt::WA_TransparentForMouseEvents);
    area->setFocusPolicy(Qt::NoFocus);
    area->setAccessibleName(accessibleName);
    area->setAccessibleDescription(description);
}

}  // namespace

void MainWindow::NameControlsForScreenReaders() {
    // Each value control and the Label2 element whose caption names it. On
    // Linux Qt names a list by its selected entry and tells its label through
    // the label's buddy instead; no caption holds a "&", so being a buddy
    // gives no label a shortcut.
    const std::pair<QWidget*, int> named[] = {{&Text2(0), 5}, {&Text2(1), 6}, {&Text2(2), 8}, {&Text2(3), 7},
                                              {&Text2(4), 3}, {&Text2(5), 9}, {&Text2(6), 10}, {&Text2(7), 12},
                                              {Combo1, 1},    {Combo2, 2},    {Combo3, 4}};
    for (const auto& [control, label] : named) {
        control->setAccessibleName(Label2(label).text().trimmed());
        Label2(label).setBuddy(control);
    }
    Label3(1).SetValueName(Label2(6).text().trimmed());
    Label3(2).SetValueName(Label2(8).text().trimmed());

    Drive1->setAccessibleName(tr("Drive"));
    Dir1->setAccessibleName(tr("Folder"));
    Combo4->setAccessibleName(tr("Stroke"));

    // The rectangles in which a click arms the mouse editing.
    AddPreviewArea(this, "TopViewArea", TwipsRect(360, 2280, 3961, 3961), Label1(1).text(),
                   tr("A click starts or stops setting the direction of the stroke: while it is on, the direction "
                      "follows the mouse pointer."));
    AddPreviewArea(this, "ProjectileViewArea", TwipsRect(300, 300, 4021, 1381), Label1(0).text(),
                   tr("A click starts or stops setting the height of the stroke: while it is on, the height follows "
                      "the mouse pointer."));
}

}  // namespace orvik
