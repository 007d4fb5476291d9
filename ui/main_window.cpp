// The window's life: its creation and Form_Load, Help, About, Exit and the
// close box.
#include "ui/main_window.h"

#include <QCloseEvent>
#include <QDir>

#include "document/file_access.h"
#include "document/resolved_path.h"
#include "ui/about_box.h"
#include "ui/colours.h"
#include "ui/file_drop.h"
#include "ui/fonts.h"
#include "ui/help_window.h"
#include "ui/icon.h"
#include "ui/twips.h"

namespace orvik {

const char* const MainWindow::NoFileCaption = "Orvik stroke editor (No File Loaded)";

MainWindow::MainWindow(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      // Every point of the arc lies above its base line (y = 1500 twips), and
      // the erase pen reaches 4 pixels below that: the layer covers the strip
      // of the window above the ground, not the whole window.
      arc_(TwipsSize(9645, 1620), devicePixelRatioF()),
      document_(StrokeFileStore{[](const QString& path) { return QDir::toNativeSeparators(ResolvedPath(path)); },
                                ReadStrokeFileBytes, WriteWholeFile}),
      CommonDialog1(tr("Open Orvik Stroke file"), tr("Orvik Stroke files (*.atr);;All Files (*.*)")) {
    setObjectName(QStringLiteral("main"));
    setWindowTitle(tr(NoFileCaption));
    setWindowIcon(EditorIcon());
    setFont(WindowFont());
    // Fixed single border: the client area never changes size.
    setFixedSize(TwipsSize(FormWidth, FormHeight));
    // Mouse moves reach the window without a button held: the mouse editing
    // follows the pointer.
    setMouseTracking(true);
    // The window paints its own white: its captions and the arc are dark on it.
    FixTextColour(*this);
    arc_.SetForeColor(palette().color(QPalette::WindowText));

    CreateControls();
    new FileDrop(*this, [this](const QStringList& paths) { Form_OLEDragDrop(paths); });
    // The open dialog starts at the file loaded last.
    connect(&document_, &StrokeDocument::PathChanged, this,
            [this](const QString& path) { CommonDialog1.SetFileName(path); });
    connect(&document_, &StrokeDocument::ValuesPutBack, this, &MainWindow::ShowValuesPutBack);
    connect(&document_, &StrokeDocument::ModifiedChanged, this, &MainWindow::UpdateUnsavedMark);
    ShowStartFolder();
    Form_Load();

    Timer1.setParent(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(15);
    connect(&Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
    Timer1.start();
}

MainWindow::~MainWindow() = default;

void MainWindow::FitToScreen(const QScreen* screen) {
    SetLayoutScale(1);
    FitLayoutToScreen(screen, TwipsSize(FormWidth, FormHeight));
}

// The one StrokeFile takes the start values: TrailingLines -10 to 0 "43".
void MainWindow::Form_Load() { document_.StartRecord(); }

int MainWindow::TimingIndex() const { return Combo3->ListIndex(); }

std::string MainWindow::DirectionRangeText() const { return Text2(Box::DirectionRange).Text(); }

void MainWindow::SetVerticalText(const std::string& text) { Text2(Box::Height).SetText(text); }

void MainWindow::SetVerticalCaption(const std::string& caption) { Label3(Value::Height).SetCaption(caption); }

void MainWindow::SetDirectionText(const std::string& text) { Text2(Box::Direction).SetText(text); }

void MainWindow::SetDirectionCaption(const std::string& caption) { Label3(Value::Direction).SetCaption(caption); }

// Help, About and Exit.
void MainWindow::Command7_Click() {
    dialogs_.ShowMessage(this, tr("Please see Help.txt for help on Orvik Stroke Editor."), tr("Help"),
                         MessageIcon::Information);
}

// F1: the guide in a window beside the editor, one at a time; Help's message
// stays as it is.
void MainWindow::HelpShortcut_Activated() {
    if (!helpWindow_) helpWindow_ = new HelpWindow(this);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

// The about box is made afresh for every showing and gone when it closes.
void MainWindow::Command5_Click() {
    AboutBox abt(this);
    dialogs_.ShowModal(abt);
}

// Ends the program, as the close box does.
void MainWindow::Command4_Click() { close(); }

// With unsaved edits the user is asked first, and may keep the window open.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!MayDropEdits()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace orvik
