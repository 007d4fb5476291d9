#pragma once
// main: the editor's one window. It holds the stroke document (the stroke
// loaded, its file, its history and its saving) and the preview and mouse
// editing state beside it, binds the controls to them, and runs the user's
// commands in handlers named after the control and the event. Its code lies
// in main_window_<role>.cpp by role, as its private part is grouped: layout,
// browse, load, fields, previews, mouse, history, save; main_window.cpp
// holds its life from creation to closing.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/result.h"
#include "core/save_check.h"
#include "core/stroke_file.h"
#include "document/stroke_document.h"
#include "preview/mouse_editing.h"
#include "preview/preview.h"
#include "ui/all_timings_overlay.h"
#include "ui/arc_layer.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/drop_down_list.h"
#include "ui/form_words.h"
#include "ui/last_run.h"

class QAction;
class QKeyEvent;
class QScreen;
class QShortcut;

namespace orvik {

class DirList;
class DisplayEditor;
class HelpWindow;

// The numbered controls keep the names of the editor's first window (Text2(4),
// Label2(11)), so that each handler can be held beside the command it runs;
// these say what each element is.
//
// Text2(Box::...): the field boxes. Height and Direction are hidden; their
// values show in Label3.
namespace Box {
enum : int {
    Frame = 0,           // Frame no.
    Height = 1,          // hidden: the key frame's Vertical
    Direction = 2,       // hidden
    Power = 3,           // Power
    EdgeProb = 4,        // Nrml. Edge Prb., the whole stroke's
    PowerRange = 5,      // Power Range
    DirectionRange = 6,  // Direction Range
    EdgeProb6 = 7,       // 6-Hit Edge Prb., the whole stroke's
};
}
// Label3(Value::...): the values the mouse sets, which may be typed in place.
namespace Value {
enum : int { Height = 1, Direction = 2 };
}
// Label2(Label::...): the captions, the file count and the stroke's name.
namespace Label {
enum : int {
    FileCount = 0,        // "2 Stroke file(s) found in the directory."
    StrokeType = 1,       // Stroke type
    BowlerClass = 2,      // Stroke Played against
    EdgeProb = 3,         // Nrml. Edge Prb.
    Timing = 4,           // Result of the shot being played
    Frame = 5,            // Frame no.
    Height = 6,           // Height
    Power = 7,            // Power
    Direction = 8,        // Direction
    PowerRange = 9,       // Power Range
    DirectionRange = 10,  // Direction Range
    StrokeName = 11,      // the loaded stroke's name, under the stroke list
    EdgeProb6 = 12,       // 6-Hit Edge Prb.
    Previews = 13,        // Direction and Height of stroke
};
}
// Label1(View::...): the captions under the two previews.
namespace View {
enum : int { Projectile = 0, TopView = 1 };
}

// The frame drawn around a view while its editing is armed, in pixels.
QRect ArmedViewFrame(const TwipRect& view);
class DriveList;
class FileList;

class MainWindow : public QWidget, private EditorControls {
    Q_OBJECT
public:
    // The caption while no stroke is loaded.
    static const char* const NoFileCaption;

    // Creates the controls and runs Form_Load; `dialogs` shows everything modal
    // and must outlive the window.
    explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window's size in twips. Where it would not fit `screen`'s free
    // area at its scale factor, windows created from now on are laid out
    // smaller, just enough to fit.
    static constexpr int FormWidth = 9645, FormHeight = 6825;
    static void FitToScreen(const QScreen* screen);

    // Event handlers.
    void Form_Load();
    void Form_MouseMove(float x, float y);  // twips
    void Form_Click();
    void Timer1_Timer();
    void Combo1_Click();  // stroke type
    void Combo2_Click();  // bowler class
    void Combo3_Click();
    void Text2_LostFocus(int index);
    void Text2_KeyPress(int index, QKeyEvent* event);
    void Command2_Click();  // Open
    void Command3_Click();  // Save
    void Command4_Click();  // Exit
    void Command5_Click();  // About
    void Command6_Click();  // Reset Changes to Current Stroke
    void Command7_Click();  // Help
    void Drive1_Change();
    void Dir1_Change();
    void Combo4_Click();
    void HelpShortcut_Activated();                      // F1: the guide in a window
    void SaveShortcut_Activated();                      // Ctrl+S
    void UndoShortcut_Activated();                      // Ctrl+Z
    void RedoShortcut_Activated();                      // Ctrl+Shift+Z, Ctrl+Y
    void EscapeShortcut_Activated();                    // Esc, while a mouse edit is under way
    void ShowAllTimings_Toggled(bool on);               // Ctrl+T, the previews' menu
    void CopyKeyFrame_Triggered();                      // Ctrl+Shift+C
    void PasteKeyFrame_Triggered();                     // Ctrl+Shift+V
    void Label3_Typed(int index, const QString& text);  // Height (1), Direction (2)
    void Form_OLEDragDrop(const QStringList& paths);    // files dropped on the window

    // Open's steps for a file chosen without the dialog: reads it, or tells
    // why it cannot.
    void OpenFile(const QString& path);
    // Start-up from the command line: the window shows the folder `path`, or
    // the folder of the stroke file `path` and loads it.
    void StartIn(const QString& path);
    // Start-up: the command line's `path` as StartIn shows it; without one,
    // the folder of the last run as if the user opened it, and its stroke
    // picked where that folder lists it. A folder gone since leaves the start
    // folder, untold. All timings show as the last run left them.
    void StartAfterLastRun(const LastRun& last, const std::optional<QString>& path);
    // What this run leaves for the next.
    LastRun RunToRemember() const;

    // The stroke loaded, and the state beside the controls.
    const StrokeFile& Stroke() const { return document_.Stroke(); }
    const StrokeDocument& Document() const { return document_; }
    const Preview& PreviewState() const { return preview_; }
    const MouseEditing& Mouse() const { return mouse_; }
    const ArcLayer& Arc() const { return arc_; }
    const CommonDialog& FileDialog() const { return CommonDialog1; }
    bool ShowsAllTimings() const { return allTimings_.IsOn(); }

    // Whether the stroke loaded has edits that Save has not written: steps
    // since the load or the last Save, a mouse edit under way, or typing in a
    // box not yet committed.
    bool HasUnsavedEdits() const;

private:
    // EditorControls: what the timer tick reads and writes.
    int TimingIndex() const override;
    std::string DirectionRangeText() const override;
    void SetVerticalText(const std::string& text) override;
    void SetVerticalCaption(const std::string& caption) override;
    void SetDirectionText(const std::string& text) override;
    void SetDirectionCaption(const std::string& caption) override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class LoadEntry { Open, Reset };

    // Layout: the controls, their tab order and their names.
    void CreateControls();
    void CreatePreviewCaptions();
    void CreateFileSelection();
    void CreateAttributes();
    void CreateFields();
    void CreateCommands();
    void CreateWholeStrokeCommands();
    void SetTabOrder();
    void NameControlsForScreenReaders();

    // Browsing: the folders and the stroke list.
    void ShowStartFolder();
    void TellFolderRefused(const QString& path, const QString& reason);
    // Shows `folder` in Dir1, or gives why it cannot.
    Status<QString> ShowFolderAtStart(const QString& folder);

    // Loading.
    // The file read, or nothing once the user is told why it cannot be.
    std::optional<StrokeFileRead> ReadOrTell(const QString& path);
    // Open's steps for the file `path`, already read.
    void OpenRead(const QString& path, StrokeFileRead read);
    void ShowCaptionForFile();
    void RunResetSteps(const QString& path, StrokeFileRead read);
    // Tells the user of a misread file.
    void TellMisread();
    void LoadBody(LoadEntry entry);

    // Fields: the key frame's displays.
    // The handler that fills a key frame's displays, each in its own order.
    enum class KeyFrameFieldsFor { TimingChosen, Load };
    // Fills the displays of KeyFrames(Combo3.ListIndex): Frame no., Height,
    // Direction, Power and the two ranges.
    void ShowKeyFrameFields(KeyFrameFieldsFor handler);
    // Each number display whose text cannot be committed is marked, with a
    // tooltip that names the problem and the timing; the others are not.
    void MarkUnconvertedBoxes();
    // Whether a number display shows another value than the record holds.
    bool ShowsValueNotInRecord() const;

    // Previews: painting, the other timings, the menu of the whole stroke.
    void RepaintPreview(const PreviewLines& before);
    void RedrawShownTiming();
    void ShowKeyFrameMenu(const QPoint& globalPosition, bool withAllTimings);

    // Mouse editing.
    // Where the pointer is now, in pixels of the window, when it is over the
    // window's own surface (not over a control or another window).
    std::optional<QPointF> PointerOnSurface() const;
    // The frames of the armed views, the pointer's shape, and Esc, which
    // cancels the edit.
    void ShowEditingArmed();
    // A click at `twips` as the user would make it there, the pointer then
    // going back to where it is: the start and the end of a drag.
    void ClickAt(const QPointF& twips);
    void ShowPointerShape(std::optional<QPointF> twips);

    // History: undo, redo and the unsaved edits.
    // The stroke type, the bowler class and the edge probabilities as the
    // lists and boxes show them go into the document.
    void TakeListsAndBoxes();
    // Undo and redo put values back into the document: the lists and boxes
    // show them, and the key frame the step changed is shown.
    void ShowValuesPutBack(int keyFrame);
    // One step of the history for the user's action, where it changed
    // anything: called after every action that changes the key frames or a
    // value Save takes from the window (a commit, a list choice, the end of a
    // mouse edit, a key frame put in place at once).
    void RecordEdit(const QString& action);
    // A mouse edit under way becomes a step of its own, so that undo, redo and
    // Save start from the values shown.
    void RecordEditUnderWay();
    void EndMouseEditUnderWay();
    void UpdateUnsavedMark();
    // Before a command drops the stroke shown: with unsaved edits, asks
    // whether to save them first. Returns whether the command goes on: after
    // a Save that succeeded or when the user discards the edits; not when the
    // user cancels or the Save is refused or fails. Reset, chosen to drop the
    // edits, offers Discard first, as the default.
    bool MayDropEdits(Answer first = Answer::Save);
    // Whether a box holds typing not yet committed.
    bool HoldsTyping() const;
    // Typing not yet committed is committed, as leaving its box would.
    void CommitTyping();

    // Save.
    // Save's steps; returns whether the file was written.
    bool SaveStroke();
    bool MayRewriteFile(const QString& fileName, const std::string& bytes, int keyFrames);
    bool MayRewriteMisreadFile(const QString& fileName, const std::string& bytes, int keyFrames);
    void TellSaveFailed(const QString& fileName, const QString& reason);
    QString CaptionOf(const FieldId& field) const;
    // The names of the fields in the window's messages, with the timings the
    // timing list shows.
    FormWords ShownFormWords() const;
    // The displays of the shown key frame's numbers, each with its text.
    struct NumberDisplay {
        QWidget* Display;
        QString Text;
        FieldKind Kind;
    };
    std::vector<NumberDisplay> NumberDisplays() const;
    // Why the display's text cannot be committed; empty where it can.
    static QString NumberProblem(const NumberDisplay& display);
    QStringList UnconvertedNumberBoxes() const;

    Dialogs& dialogs_;
    Preview preview_;
    MouseEditing mouse_;
    ArcLayer arc_;
    StrokeDocument document_;
    CommonDialog CommonDialog1;
    QTimer Timer1;

    DriveList* Drive1 = nullptr;
    DirList* Dir1 = nullptr;
    FileList* File1 = nullptr;
    DropDownList* Combo1 = nullptr;  // stroke type
    DropDownList* Combo2 = nullptr;  // bowler class
    DropDownList* Combo3 = nullptr;  // timing: its ListIndex is the key frame shown
    DropDownList* Combo4 = nullptr;  // the stroke list
    ControlArray<TextBox> Text2;
    ControlArray<CaptionLabel> Label1, Label2, Label3;
    CommandButton* Command1 = nullptr;
    CommandButton* Command2 = nullptr;
    CommandButton* Command3 = nullptr;
    CommandButton* Command4 = nullptr;
    CommandButton* Command5 = nullptr;
    CommandButton* Command6 = nullptr;
    CommandButton* Command7 = nullptr;

    // Show all timings, copying and pasting a key frame, and the boxes for
    // typing the Height and Direction displays.
    AllTimingsOverlay allTimings_;
    QAction* showAllTimings_ = nullptr;
    QAction* copyKeyFrame_ = nullptr;
    QAction* pasteKeyFrame_ = nullptr;
    DisplayEditor* heightEditor_ = nullptr;
    DisplayEditor* directionEditor_ = nullptr;
    // The guide's window, made at the first F1 and shown again by the next.
    QPointer<HelpWindow> helpWindow_;

    // The folder whose strokes the stroke list and the count show; empty
    // before a folder change has listed one.
    QString listedFolder_;
    // The stroke list's entry that names the loaded stroke (-1 for none), shown
    // again when picking another stroke fails.
    int loadedStrokeEntry_ = -1;
    // The name the stroke list gave the loaded stroke, which Save's
    // confirmation names whatever the list shows since.
    QString loadedStrokeName_;
    // The file named on the command line, read once at start and taken by the
    // load of the stroke list's pick that shows it.
    std::optional<std::pair<QString, StrokeFileRead>> readAtStart_;
    // A press on the window's own surface, so that its release is a click;
    // where it was, and whether the pointer has gone beyond a few pixels from
    // there with the button held (a drag, whose release ends the edit).
    bool pressedOnSurface_ = false;
    QPointF pressPosition_;
    bool dragging_ = false;
    // The key frames as they were when a mouse edit began or a step was last
    // recorded during it, which Esc puts back.
    std::array<KeyFrame, KeyFrameCount> keyFramesBeforeMouseEdit_{};
    QShortcut* cancelMouseEdit_ = nullptr;
    // What the window shows of the armed editing.
    bool directionMarked_ = false;
    bool heightMarked_ = false;
    bool crossHairShown_ = false;
};

}  // namespace orvik
