#pragma once
// Shared pieces of the window tests: dialogs that record instead of showing
// anything modal, a fresh window over a folder of its own, controls by name,
// the user's picks in a list, stroke files written by the core writer (the
// clean stroke's by default), a snapshot of the window, and screenshots.
#include <QComboBox>
#include <QDialog>
#include <QTemporaryDir>
#include <functional>
#include <initializer_list>
#include <vector>

#include "clean_stroke.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

// The object name of element `index` of the control array `array`, such as
// "Text2(3)"; kept for the whole run.
const char* ElementName(const char* array, int index);

// The numbered controls by the names the window's legend gives them.
namespace Text2Of {
inline const char* const Frame = ElementName("Text2", orvik::Box::Frame);
inline const char* const Height = ElementName("Text2", orvik::Box::Height);
inline const char* const Direction = ElementName("Text2", orvik::Box::Direction);
inline const char* const Power = ElementName("Text2", orvik::Box::Power);
inline const char* const EdgeProb = ElementName("Text2", orvik::Box::EdgeProb);
inline const char* const PowerRange = ElementName("Text2", orvik::Box::PowerRange);
inline const char* const DirectionRange = ElementName("Text2", orvik::Box::DirectionRange);
inline const char* const EdgeProb6 = ElementName("Text2", orvik::Box::EdgeProb6);
}  // namespace Text2Of
namespace Label3Of {
inline const char* const Height = ElementName("Label3", orvik::Value::Height);
inline const char* const Direction = ElementName("Label3", orvik::Value::Direction);
}  // namespace Label3Of
namespace Label2Of {
inline const char* const FileCount = ElementName("Label2", orvik::Label::FileCount);
inline const char* const StrokeName = ElementName("Label2", orvik::Label::StrokeName);
inline const char* const Height = ElementName("Label2", orvik::Label::Height);
inline const char* const Direction = ElementName("Label2", orvik::Label::Direction);
inline const char* const EdgeProb = ElementName("Label2", orvik::Label::EdgeProb);
}  // namespace Label2Of
namespace Label1Of {
inline const char* const Projectile = ElementName("Label1", orvik::View::Projectile);
inline const char* const TopView = ElementName("Label1", orvik::View::TopView);
}  // namespace Label1Of

// Whether the build checks memory with AddressSanitizer.
inline constexpr bool AddressSanitized = ORVIK_ADDRESS_SANITIZED;

struct RecordedMessage {
    QString text, title;
    orvik::MessageIcon icon;
};

struct FakeDialogs : orvik::Dialogs {
    std::vector<RecordedMessage> messages;
    QStringList openAnswers;                // the file dialog's next answers; none or "" is "cancelled"
    std::function<void(QDialog&)> onModal;  // runs on each modal dialog instead of exec()
    QStringList questions;                  // "<title>: <text>", then its details, of each question asked
    QList<orvik::Answer> answers;           // the next answers; none left is Cancel
    QList<orvik::Answer> defaults;          // the answer Enter gives, of each question asked

    void ShowMessage(QWidget*, const QString& text, const QString& title, orvik::MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    orvik::Answer Ask(QWidget*, const QString& text, const QString& title, const QList<orvik::Answer>&,
                      orvik::Answer defaultAnswer, const QString& details) override {
        defaults << defaultAnswer;
        questions << title + ": " + text + (details.isEmpty() ? QString() : "\n\n" + details);
        return answers.isEmpty() ? orvik::Answer::Cancel : answers.takeFirst();
    }
    std::optional<QString> OpenFileName(QWidget*, const orvik::CommonDialog&) override {
        const QString answer = openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
        return answer.isEmpty() ? std::nullopt : std::optional(answer);
    }
    void ShowModal(QDialog& dialog) override {
        if (onModal) onModal(dialog);
    }
};

QString WriteStroke(const QString& path, const orvik::StrokeFile& stroke, const std::string& type = "Defensive",
                    int bowlerCode = 6);
QByteArray FileBytes(const QString& path);
// Replaces the file's bytes, as another program saving it would.
void WriteBytes(const QString& path, const QByteArray& bytes);

// A fresh window with its recording dialogs, and a folder for stroke files.
struct Editor {
    QTemporaryDir folder;
    FakeDialogs dialogs;
    orvik::MainWindow window{dialogs};
    // Writes `stroke` as `name` in the folder and opens it; returns its path
    // as the window shows it, with the system's separators.
    QString Open(const QString& name, const orvik::StrokeFile& stroke = orvik::CleanStroke(""),
                 const std::string& type = "Defensive", int bowlerCode = 6);
};

// The control named `name`; ends the test run when there is none.
template <class Control = QWidget>
Control* Find(QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
}

// The caption as the title bar shows it: Qt's "[*]" place holder as "*" while
// the window has unsaved edits, else nothing.
QString Caption(QWidget& window);
QString TextOf(QWidget& window, const char* name);  // of a text box, label, button or list
QStringList TextsOf(QWidget& window, std::initializer_list<const char*> names);
QStringList EntriesOf(QWidget& window, const char* name);
void SetText(QWidget& window, const char* name, const QString& text);
// The user picks the entry with this text (as a click does: select, then activate).
void Pick(QWidget& window, const char* name, const QString& entry);
// All a refused load or a cancelled Open leaves as it was: caption, current
// file, the preview lines, the text, entries, selection and state of every
// control, and the record as the writer sees it.
QStringList Snapshot(orvik::MainWindow& window);
void SaveScreenshot(QWidget& widget, const QString& name);
// For a limit that stays with the process: runs `testFunction` (with ":<row>"
// for a data row) in a child process of its own and checks that it passes;
// true there, false in the child, which runs the test itself.
bool RanInChild(const QString& testFunction);
// The messages since the last check as "<title>: <text>", the title of an error
// followed by " (critical)". The check forgets them.
QStringList TakeMessages(FakeDialogs& dialogs);
// Exactly one message since the last check: an error naming `path`, with `why`
// in the reason on its next line. The check forgets the message.
void CheckOneError(FakeDialogs& dialogs, const QString& path, const char* why);
