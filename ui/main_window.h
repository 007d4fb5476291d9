#pragma once
// main: the editor's one window, which owns the one StrokeFile and the
// preview and mouse editing state beside it, and runs the user's commands in
// handlers named after the control and the event.
#include <QTimer>
#include <QWidget>
#include <optional>
#include <string_view>
#include <vector>

#include "core/read_report.h"
#include "core/result.h"
#include "core/save_check.h"
#include "core/stroke_file.h"
#include "preview/mouse_editing.h"
#include "preview/preview.h"
#include "ui/all_timings_overlay.h"
#include "ui/arc_layer.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/drop_down_list.h"
#include "ui/edit_history.h"

class QAction;
class QKeyEvent;

namespace orvik {

class DirList;
class DisplayEditor;

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
    void SaveShortcut_Activated();                      // Ctrl+S
    void UndoShortcut_Activated();                      // Ctrl+Z
    void RedoShortcut_Activated();                      // Ctrl+Shift+Z, Ctrl+Y
    void ShowAllTimings_Toggled(bool on);               // Ctrl+T, the previews' menu
    void CopyKeyFrame_Triggered();                      // Ctrl+Shift+C
    void PasteKeyFrame_Triggered();                     // Ctrl+Shift+V
    void Label3_Typed(int index, const QString& text);  // Height (1), Direction (2)

    // Open's steps for a file chosen without the dialog: reads it, or tells
    // why it cannot.
    void OpenFile(const QString& path);
    // Start-up from the command line: the window shows the folder `path`, or
    // the folder of the stroke file `path` and loads it.
    void StartIn(const QString& path);

    // The state beside the controls.
    const StrokeFile& Stroke() const { return stroke_; }
    const Preview& PreviewState() const { return preview_; }
    const MouseEditing& Mouse() const { return mouse_; }
    const ArcLayer& Arc() const { return arc_; }
    const CommonDialog& FileDialog() const { return CommonDialog1; }
    bool ShowsAllTimings() const { return allTimings_.IsOn(); }
    const EditHistory& History() const { return history_; }

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

    // main_window_layout.cpp
    void CreateControls();
    void CreatePreviewCaptions();
    void CreateFileSelection();
    void CreateAttributes();
    void CreateFields();
    void CreateCommands();
    void SetTabOrder();
    void NameControlsForScreenReaders();
    // main_window_browse.cpp
    void ShowStartFolder();
    void TellFolderRefused(const QString& path, const QString& reason);
    // Shows `folder` in Dir1, or gives why it cannot.
    Status<QString> ShowFolderAtStart(const QString& folder);
    // main_window_fields.cpp
    // The handler that fills a key frame's displays, each in its own order.
    enum class KeyFrameFieldsFor { TimingChosen, Load };
    // Fills the displays of KeyFrames(Combo3.ListIndex): Frame no., Height,
    // Direction, Power and the two ranges.
    void ShowKeyFrameFields(KeyFrameFieldsFor handler);
    // main_window_load.cpp
    // A stroke file as a load read it: the record, the file's bytes and what
    // the reader reported on them.
    struct FileRead {
        StrokeFile Stroke;
        std::string Bytes;
        ReadReport Report;
    };
    // The file read whole into a record at its start values, or why it cannot be.
    static Result<FileRead, QString> ReadStrokeFile(const QString& path);
    // The file read, or nothing once the user is told why it cannot be.
    std::optional<FileRead> ReadOrTell(const QString& path);
    void ShowCaptionForFile();
    void RunResetSteps(FileRead read);
    // Keeps what Save asks about later, and tells the user of a misread file.
    void KeepAsLoaded(FileRead read);
    void LoadBody(StrokeFile read, LoadEntry entry);
    // main_window_history.cpp
    EditedValues CurrentValues() const;
    void ShowEditedValues(const EditedValues& values, int keyFrame);
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
    // main_window_mouse.cpp
    // Where the pointer is now, in pixels of the window, when it is over the
    // window's own surface (not over a control or another window).
    std::optional<QPointF> PointerOnSurface() const;
    // The frames of the armed views and the pointer's shape.
    void ShowEditingArmed();
    void ShowPointerShape(std::optional<QPointF> twips);
    // main_window_paint.cpp
    void RepaintPreview(const PreviewLines& before);
    // main_window_history.cpp
    // Before a command drops the stroke shown: with unsaved edits, asks
    // whether to save them first. Returns whether the command goes on: after
    // a Save that succeeded or when the user discards the edits; not when the
    // user cancels or the Save is refused or fails.
    bool MayDropEdits();
    // Whether a box holds typing not yet committed.
    bool HoldsTyping() const;
    // Typing not yet committed is committed, as leaving its box would.
    void CommitTyping();
    // main_window_whole_stroke.cpp
    void CreateWholeStrokeCommands();
    void ShowKeyFrameMenu(const QPoint& globalPosition, bool withAllTimings);
    void RedrawShownTiming();
    // main_window_save.cpp
    // Save's steps; returns whether the file was written.
    bool SaveStroke();
    bool MayRewriteFile(const QString& fileName, const std::string& bytes, int keyFrames);
    bool MayRewriteMisreadFile(const QString& fileName, const std::string& bytes, int keyFrames);
    void TellSaveFailed(const QString& fileName, const QString& reason);
    QString CaptionOf(const FieldId& field) const;
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
    // main_window_fields.cpp
    // Each number display whose text cannot be committed is marked, with a
    // tooltip that names the problem and the timing; the others are not.
    void MarkUnconvertedBoxes();
    // Whether a number display shows another value than the record holds.
    bool ShowsValueNotInRecord() const;

    Dialogs& dialogs_;
    StrokeFile stroke_;
    Preview preview_;
    MouseEditing mouse_;
    ArcLayer arc_;
    CommonDialog CommonDialog1;
    QTimer Timer1;
    EditHistory history_;

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

    // The file's bytes when it was loaded or last saved: Save asks before it
    // overwrites a file that changed since.
    std::string fileBytes_;
    // What the reader reported on the file loaded, until a Save rewrites it.
    ReadReport misread_;
    // The stroke list's entry that names the loaded stroke (-1 for none), shown
    // again when picking another stroke fails.
    int loadedStrokeEntry_ = -1;
    // The name the stroke list gave the loaded stroke, which Save's
    // confirmation names whatever the list shows since.
    QString loadedStrokeName_;
    // A press on the window's own surface, so that its release is a click.
    bool pressedOnSurface_ = false;
    // What the window shows of the armed editing.
    bool directionMarked_ = false;
    bool heightMarked_ = false;
    bool crossHairShown_ = false;
};

}  // namespace orvik
