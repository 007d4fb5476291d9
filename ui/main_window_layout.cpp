// The controls of main at their places (twips), with captions, items, fonts,
// colours and start-up state. Shapes and lines are not controls: they are
// painted (main_window_paint.cpp). The controls' names for screen readers are
// given here too.
#include <QAction>
#include <QPalette>
#include <QShortcut>
#include <QWidget>

#include "core/numbers.h"
#include "core/resume_next.h"
#include "core/stroke_lists.h"
#include "document/file_text.h"
#include "preview/mouse_editing.h"
#include "ui/colours.h"
#include "ui/dir_list.h"
#include "ui/display_editor.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/twips.h"

namespace orvik {
namespace {

QString ElementName(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

void SetBackground(QWidget* widget, QPalette::ColorRole background, QPalette::ColorRole text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, palette.color(background));
    palette.setColor(QPalette::WindowText, palette.color(text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetWhiteBackground(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QtColour(White));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    FixTextColour(*widget);
}

struct LabelPlace {
    int index;
    const char* caption;
    int left, top, width, height;
    bool centred;
    bool whiteBackground;
};

CaptionLabel* AddLabel(QWidget* window, ControlArray<CaptionLabel>& array, const char* arrayName,
                       const LabelPlace& place) {
    auto* label = new CaptionLabel(window);
    label->setObjectName(ElementName(arrayName, place.index));
    label->setText(MainWindow::tr(place.caption));
    label->setGeometry(TwipsRect(place.left, place.top, place.width, place.height));
    label->setFont(CaptionFont());
    if (place.centred) label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (place.whiteBackground) SetWhiteBackground(label);
    array.Add(place.index, label);
    return label;
}

DropDownList* AddList(QWidget* window, const char* name, QRect rect) {
    auto* list = new DropDownList(window);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(rect);
    list->setFont(CaptionFont());
    return list;
}

CommandButton* AddButton(QWidget* window, const char* name, const char* caption, QRect rect) {
    auto* button = new CommandButton(MainWindow::tr(caption), window);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    button->setAutoDefault(false);
    return button;
}

// An invisible area over a preview that only carries its name and what the
// mouse does there; the mouse passes through it to the window.
void AddPreviewArea(QWidget* window, const char* name, QRect rect, const QString& accessibleName,
                    const QString& description, const QString& toolTip) {
    auto* area = new QWidget(window);
    area->setObjectName(QString::fromLatin1(name));
    area->setGeometry(rect);
    area->setAttribute(Qt::WA_TransparentForMouseEvents);
    area->setFocusPolicy(Qt::NoFocus);
    area->setAccessibleName(accessibleName);
    area->setAccessibleDescription(description);
    area->setToolTip(toolTip);
}

QAction* AddWindowAction(QWidget* window, const QString& text, const QKeySequence& keys) {
    auto* action = new QAction(text, window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setAutoRepeat(false);
    window->addAction(action);
    return action;
}

// A value with at most two decimals, as the tooltips give degrees and steps.
QString TwoDecimals(double value) { return QtText(NumberText(RoundHalfEven(value, 2))); }

// The tooltip of a display for its caption: the value in the preview's own
// units, and how to type it.
QString DescribeDisplay(const QString& caption, const QString& unit, double (*toUnit)(double),
                        const QString& howToType) {
    QString value;
    if (!ResumeNext([&] { value = unit.arg(TwoDecimals(toUnit(DblFromText(FileText(caption))))); }))
        value = MainWindow::tr("\"%1\" is not a number").arg(caption);
    return value + "\n" + howToType;
}

}  // namespace

void MainWindow::CreateControls() {
    CreatePreviewCaptions();
    CreateFileSelection();
    CreateAttributes();
    CreateFields();
    CreateCommands();
    CreateWholeStrokeCommands();
    SetTabOrder();
    NameControlsForScreenReaders();
    Combo1->setFocus();
}

void MainWindow::CreatePreviewCaptions() {
    AddLabel(this, Label2, "Label2",
             {Label::Previews, QT_TR_NOOP("  Direction and Height of stroke"), 840, 0, 2835, 255, false, true});
    AddLabel(this, Label1, "Label1",
             {View::Projectile, QT_TR_NOOP("Projectile of the stroke"), 360, 1860, 3975, 195, true, true});
    AddLabel(this, Label1, "Label1",
             {View::TopView, QT_TR_NOOP("Top view of the stroke"), 360, 6360, 4035, 195, true, true});
}

void MainWindow::CreateFileSelection() {
    Drive1 = new DriveList(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(TwipsRect(4800, 180, 2415, 315));
    connect(Drive1, &DriveList::Change, this, &MainWindow::Drive1_Change);

    Dir1 = new DirList(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setGeometry(TwipsRect(4800, 660, 2415, 1665));
    connect(Dir1, &DirList::Change, this, &MainWindow::Dir1_Change);
    connect(Dir1, &DirList::OpenRefused, this, &MainWindow::TellFolderRefused);

    File1 = new FileList(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(TwipsRect(7320, 240, 1995, 675));
    File1->hide();

    AddLabel(this, Label2, "Label2", {Label::FileCount, "", 7380, 1920, 1995, 435, true, true});
    // Label2(Label::StrokeName) lies under the stroke list; only its lowest 60 twips show.
    CaptionLabel* strokeName =
        AddLabel(this, Label2, "Label2", {Label::StrokeName, "", 4800, 2700, 4575, 255, true, true});
    Combo4 = AddList(this, "Combo4", TwipsRect(4800, 2580, 4575, 315));
    strokeName->stackUnder(Combo4);
    connect(Combo4, &DropDownList::Click, this, &MainWindow::Combo4_Click);
}

void MainWindow::CreateAttributes() {
    AddLabel(this, Label2, "Label2", {Label::StrokeType, QT_TR_NOOP("Stroke type"), 4800, 3000, 1995, 315, true, true});
    Combo1 = AddList(this, "Combo1", TwipsRect(6900, 3000, 2475, 315));
    for (std::string_view type : StrokeTypes) Combo1->AddItem(std::string(type), 0);
    connect(Combo1, &DropDownList::Click, this, &MainWindow::Combo1_Click);

    AddLabel(this, Label2, "Label2",
             {Label::BowlerClass, QT_TR_NOOP("Stroke Played against"), 4800, 3420, 1995, 315, false, true});
    Combo2 = AddList(this, "Combo2", TwipsRect(6900, 3420, 2475, 315));
    for (const BowlerClass& bowlers : BowlerClasses) Combo2->AddItem(std::string(bowlers.Name), bowlers.Code);
    connect(Combo2, &DropDownList::Click, this, &MainWindow::Combo2_Click);

    AddLabel(this, Label2, "Label2",
             {Label::Timing, QT_TR_NOOP("Result of the shot being played "), 4800, 3900, 2715, 255, false, true});
    Combo3 = AddList(this, "Combo3", TwipsRect(7560, 3840, 1815, 315));
    int timing = 0;
    for (std::string_view name : TimingNames) Combo3->AddItem(std::string(name), timing++);
    connect(Combo3, &DropDownList::Click, this, &MainWindow::Combo3_Click);
}

void MainWindow::CreateFields() {
    // The caption labels of the field grid, each left of its value control.
    const LabelPlace captions[] = {
        {Label::Frame, QT_TR_NOOP("Frame no."), 4860, 4260, 795, 195, false, false},
        {Label::EdgeProb, QT_TR_NOOP("Nrml. Edge Prb."), 7020, 4260, 1395, 255, false, false},
        {Label::Height, QT_TR_NOOP("Height"), 4860, 4560, 795, 255, false, false},
        {Label::EdgeProb6, QT_TR_NOOP("6-Hit Edge Prb."), 7020, 4560, 1335, 195, false, false},
        {Label::Direction, QT_TR_NOOP("Direction"), 4860, 4860, 795, 255, false, false},
        {Label::DirectionRange, QT_TR_NOOP("Direction Range"), 7020, 4860, 1395, 255, false, false},
        {Label::Power, QT_TR_NOOP("Power"), 4860, 5160, 795, 255, false, false},
        {Label::PowerRange, QT_TR_NOOP("Power Range"), 7020, 5160, 1395, 255, false, false},
    };
    for (const LabelPlace& place : captions) AddLabel(this, Label2, "Label2", place);

    struct BoxPlace {
        int index;
        int left, top, width, height;
    };
    const BoxPlace boxes[] = {
        {Box::Frame, 5760, 4200, 1155, 285},    {Box::EdgeProb, 8460, 4230, 915, 285},
        {Box::EdgeProb6, 8460, 4530, 915, 285}, {Box::DirectionRange, 8460, 4830, 915, 285},
        {Box::Power, 5760, 5100, 1155, 315},    {Box::PowerRange, 8460, 5100, 915, 285},
        {Box::Height, 8220, 5580, 975, 225},    {Box::Direction, 8220, 5820, 975, 225},
    };
    for (const BoxPlace& place : boxes) {
        auto* box = new TextBox(this);
        box->setObjectName(ElementName("Text2", place.index));
        box->setGeometry(TwipsRect(place.left, place.top, place.width, place.height));
        const int index = place.index;
        connect(box, &TextBox::LostFocus, this, [this, index] { Text2_LostFocus(index); });
        connect(box, &TextBox::KeyPress, this, [this, index](QKeyEvent* event) { Text2_KeyPress(index, event); });
        // Typing shows the unsaved-edits mark before it is committed.
        connect(box, &QLineEdit::textEdited, this, &MainWindow::UpdateUnsavedMark);
        Text2.Add(index, box);
    }
    // Vertical and Direction out of sight: not tab stops, hidden.
    for (int index : {Box::Height, Box::Direction}) {
        Text2(index).setText(QStringLiteral("Text2"));
        Text2(index).setFocusPolicy(Qt::ClickFocus);
        Text2(index).hide();
    }

    // The two values set with the mouse, in the window's default font.
    auto addValueLabel = [this](int index, int left, int top) {
        auto* label = new CaptionLabel(this);
        label->setObjectName(ElementName("Label3", index));
        label->setGeometry(TwipsRect(left, top, 1035, 195));
        Label3.Add(index, label);
        return label;
    };
    SetWhiteBackground(addValueLabel(Value::Height, 5820, 4560));
    SetBackground(addValueLabel(Value::Direction, 5820, 4860), QPalette::Base, QPalette::Text);
}

void MainWindow::CreateCommands() {
    Command6 =
        AddButton(this, "Command6", QT_TR_NOOP("Reset Changes to Current Stroke"), TwipsRect(4680, 5760, 1635, 855));
    Command3 = AddButton(this, "Command3", QT_TR_NOOP("Save"), TwipsRect(6660, 5760, 1155, 375));
    Command7 = AddButton(this, "Command7", QT_TR_NOOP("Help"), TwipsRect(8160, 5760, 1155, 375));
    Command5 = AddButton(this, "Command5", QT_TR_NOOP("About"), TwipsRect(6660, 6240, 1155, 375));
    Command4 = AddButton(this, "Command4", QT_TR_NOOP("Exit"), TwipsRect(8160, 6240, 1155, 375));
    Command2 = AddButton(this, "Command2", QT_TR_NOOP("Open"), TwipsRect(4740, 5880, 1155, 375));
    Command1 = AddButton(this, "Command1", QT_TR_NOOP("Command1"), TwipsRect(5520, 6000, 315, 195));
    Command6->setEnabled(false);
    Command3->setEnabled(false);
    // Open and Command1 stay hidden for the whole run.
    Command2->hide();
    Command1->hide();

    connect(Command2, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &MainWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &MainWindow::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &MainWindow::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &MainWindow::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &MainWindow::Command7_Click);

    // Ctrl+O runs Open, as the hidden button would; a held key opens one dialog.
    auto* openKey = new QShortcut(QKeySequence::Open, this);
    openKey->setAutoRepeat(false);
    connect(openKey, &QShortcut::activated, this, &MainWindow::Command2_Click);

    // The buttons name the keys that do their work, or (Help) the key of the
    // guide they point to.
    Command3->setToolTip(tr("Save the stroke to its file (Ctrl+S)"));
    Command7->setToolTip(tr("Where to find the guide (F1 opens it in a window)"));

    // F1: the guide.
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    helpKey->setAutoRepeat(false);
    connect(helpKey, &QShortcut::activated, this, &MainWindow::HelpShortcut_Activated);

    // Ctrl+S; a held key saves once.
    auto* saveKey = new QShortcut(QKeySequence::Save, this);
    saveKey->setAutoRepeat(false);
    connect(saveKey, &QShortcut::activated, this, &MainWindow::SaveShortcut_Activated);

    // Undo and redo of the edits; a box being typed in undoes its typing first
    // (TextBox).
    auto* undoKey = new QShortcut(this);
    undoKey->setKeys(QKeySequence::Undo);
    connect(undoKey, &QShortcut::activated, this, &MainWindow::UndoShortcut_Activated);
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redoKeys.contains(key)) redoKeys << key;
    auto* redoKey = new QShortcut(this);
    redoKey->setKeys(redoKeys);
    connect(redoKey, &QShortcut::activated, this, &MainWindow::RedoShortcut_Activated);

    // Esc cancels a mouse edit; while none is under way it is the controls'.
    cancelMouseEdit_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancelMouseEdit_->setObjectName(QStringLiteral("CancelMouseEdit"));
    cancelMouseEdit_->setEnabled(false);
    connect(cancelMouseEdit_, &QShortcut::activated, this, &MainWindow::EscapeShortcut_Activated);
}

// Hidden, disabled and non-tab-stop controls are passed over while they are so.
void MainWindow::SetTabOrder() {
    // The Height and Direction displays hand the focus on to their boxes.
    QWidget* const order[] = {
        Combo1,                       // stroke type
        Combo2,                       // bowler class
        Combo3,                       // timing
        &Text2(Box::Frame),           // Frame no.
        &Label3(Value::Height),       // Height
        &heightEditor_->Box(),        // its box while typed into
        &Label3(Value::Direction),    // Direction
        &directionEditor_->Box(),     // its box while typed into
        &Text2(Box::Power),           // Power
        &Text2(Box::EdgeProb),        // Nrml. Edge Prb.
        &Text2(Box::PowerRange),      // Power Range
        &Text2(Box::DirectionRange),  // Direction Range
        Command3,                     // Save
        Command4,                     // Exit
        Command5,                     // About
        &Text2(Box::EdgeProb6),       // 6-Hit Edge Prb.
        Dir1,                         // folder
        Drive1,                       // drive
        Combo4,                       // the stroke list
        Command6,                     // Reset Changes to Current Stroke
        Command7,                     // Help
    };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

// What screen readers say for the controls. A text box or list is named by
// the caption of the label beside it, a value label by that caption and its
// value; the lists without a label, and the two previews, which are painted
// on the window, get names of their own. Labels and buttons say their
// captions. Nothing here changes what the window shows.
void MainWindow::NameControlsForScreenReaders() {
    // Each value control and the Label2 element whose caption names it. On
    // Linux Qt names a list by its selected entry and tells its label through
    // the label's buddy instead; no caption holds a "&", so being a buddy
    // gives no label a shortcut.
    const std::pair<QWidget*, int> named[] = {{&Text2(Box::Frame), Label::Frame},
                                              {&Text2(Box::Height), Label::Height},
                                              {&Text2(Box::Direction), Label::Direction},
                                              {&Text2(Box::Power), Label::Power},
                                              {&Text2(Box::EdgeProb), Label::EdgeProb},
                                              {&Text2(Box::PowerRange), Label::PowerRange},
                                              {&Text2(Box::DirectionRange), Label::DirectionRange},
                                              {&Text2(Box::EdgeProb6), Label::EdgeProb6},
                                              {Combo1, 1},
                                              {Combo2, 2},
                                              {Combo3, 4}};
    for (const auto& [control, label] : named) {
        control->setAccessibleName(Label2(label).text().trimmed());
        Label2(label).setBuddy(control);
    }
    Label3(Value::Height).SetValueName(Label2(Label::Height).text().trimmed());
    Label3(Value::Direction).SetValueName(Label2(Label::Direction).text().trimmed());

    Drive1->setAccessibleName(tr("Drive"));
    Dir1->setAccessibleName(tr("Folder"));
    Combo4->setAccessibleName(tr("Stroke"));

    // The rectangles in which a click arms the mouse editing.
    AddPreviewArea(this, "TopViewArea", TwipsRect(360, 2280, 3961, 3961), Label1(View::TopView).text(),
                   tr("A click starts or stops setting the direction of the stroke: while it is on, the direction "
                      "follows the mouse pointer."),
                   tr("Click to start setting the direction, move the mouse, click again to stop.\n"
                      "Or drag with the button held. Esc cancels."));
    AddPreviewArea(this, "ProjectileViewArea", TwipsRect(300, 300, 4021, 1381), Label1(View::Projectile).text(),
                   tr("A click starts or stops setting the height of the stroke: while it is on, the height follows "
                      "the mouse pointer."),
                   tr("Click to start setting the height, move the mouse, click again to stop.\n"
                      "Or drag with the button held. Esc cancels."));
}

void MainWindow::CreateWholeStrokeCommands() {
    showAllTimings_ = AddWindowAction(this, tr("Show all timings"), QKeySequence(Qt::CTRL | Qt::Key_T));
    showAllTimings_->setObjectName(QStringLiteral("ShowAllTimings"));
    showAllTimings_->setCheckable(true);
    connect(showAllTimings_, &QAction::toggled, this, &MainWindow::ShowAllTimings_Toggled);

    copyKeyFrame_ = AddWindowAction(this, tr("Copy key frame"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyKeyFrame_->setObjectName(QStringLiteral("CopyKeyFrame"));
    connect(copyKeyFrame_, &QAction::triggered, this, &MainWindow::CopyKeyFrame_Triggered);
    pasteKeyFrame_ = AddWindowAction(this, tr("Paste key frame"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    pasteKeyFrame_->setObjectName(QStringLiteral("PasteKeyFrame"));
    connect(pasteKeyFrame_, &QAction::triggered, this, &MainWindow::PasteKeyFrame_Triggered);

    Combo3->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Combo3, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { ShowKeyFrameMenu(Combo3->mapToGlobal(position), false); });

    heightEditor_ = new DisplayEditor(Label3(Value::Height), QStringLiteral("HeightBox"), [](const QString& caption) {
        return DescribeDisplay(caption, tr("Height step %1 (the side view draws whole steps)"), HeightStepForVertical,
                               tr("Double-click, or Tab from Frame no., to type it."));
    });
    directionEditor_ =
        new DisplayEditor(Label3(Value::Direction), QStringLiteral("DirectionBox"), [](const QString& caption) {
            return DescribeDisplay(caption, tr("%1 degrees (0 up, growing to the left)"), DegreesForDirection,
                                   tr("Double-click, or Tab from Height, to type it."));
        });
    heightEditor_->Box().setAccessibleName(Label2(Label::Height).text().trimmed());
    directionEditor_->Box().setAccessibleName(Label2(Label::Direction).text().trimmed());
    for (DisplayEditor* editor : {heightEditor_, directionEditor_})
        connect(&editor->Box(), &QLineEdit::textEdited, this, &MainWindow::UpdateUnsavedMark);
    connect(heightEditor_, &DisplayEditor::Committed, this,
            [this](const QString& text) { Label3_Typed(Value::Height, text); });
    connect(directionEditor_, &DisplayEditor::Committed, this,
            [this](const QString& text) { Label3_Typed(Value::Direction, text); });
}

}  // namespace orvik
