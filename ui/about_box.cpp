#include "ui/about_box.h"

#include <QCoreApplication>
#include <QPainter>

#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/icon.h"
#include "ui/twips.h"

namespace orvik {
namespace {

CaptionLabel* AddLabel(QWidget* box, const char* name, const QString& text, QRect rect) {
    auto* label = new CaptionLabel(box);
    label->setObjectName(QString::fromLatin1(name));
    label->setText(text);
    label->setGeometry(rect);
    return label;
}

}  // namespace

AboutBox::AboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("abt"));
    setWindowTitle(tr("About Orvik Stroke Editor"));
    setWindowIcon(EditorIcon());
    setModal(true);
    setFont(WindowFont());
    setFixedSize(TwipsSize(5385, 3045));

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(TwipsRect(120, 180, 900, 900));
    image->setPixmap(EditorPicture(image->width(), devicePixelRatioF()));
    image->setScaledContents(true);

    CaptionLabel* title = AddLabel(this, "lblTitle", tr("Orvik Stroke Editor, for the Orvik cricket game"),
                                   TwipsRect(1080, 120, 4125, 660));
    title->setFont(SansSerifFont(12, true));

    AddLabel(this, "lblVersion", tr("Version %1").arg(QCoreApplication::applicationVersion()),
             TwipsRect(1080, 900, 4125, 225));

    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(TwipsRect(4020, 1380, 1260, 405));
    cmdOK_->setDefault(true);
    cmdOK_->setAutoDefault(true);
    // OK closes the box; Esc does the same through the dialog's reject().
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    AddLabel(this, "Label2", tr("Credits :"), TwipsRect(180, 1560, 3495, 255))->setFont(SansSerifFont(9.75, true));
    AddLabel(this, "Label1",
             tr("Edits the batting strokes (.atr files) of the Orvik cricket game: timing, frames, power, edge "
                "probabilities and bowler class."),
             TwipsRect(120, 1920, 5055, 435));
    AddLabel(this, "Label3", tr("Direction and height are set with the mouse in the two previews."),
             TwipsRect(120, 2340, 5055, 255));
    // Its second line, which names the guide's key, reaches down to the box's
    // bottom edge.
    AddLabel(this, "Label4",
             tr("Strokes are saved in place, in the game's own text format.\nF1 opens the guide, Help.txt."),
             TwipsRect(120, 2580, 5055, 450));

    cmdOK_->setFocus();
}

// The etched rule under the title: a grey line with a white one beneath it.
void AboutBox::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    const int y = PixelsFromTwips(1260);
    const int left = PixelsFromTwips(60);
    painter.fillRect(QRect(left, y, PixelsFromTwips(5280) - left + 1, 2), QtColour(White));
    painter.setPen(QPen(QtColour(Grey), 1));
    painter.drawLine(0, y, PixelsFromTwips(5280), y);
}

}  // namespace orvik
