#pragma once
// Everything modal goes through Dialogs: message boxes, the file-open dialog
// and the about box. The window holds one and never opens a modal window
// itself, so tests can put a recording Dialogs in its place.
#include <QList>
#include <QString>
#include <optional>

class QDialog;
class QWidget;

namespace orvik {

enum class MessageIcon { Information, Warning, Critical };

// The buttons of a question, and its answer.
enum class Answer { Save, Discard, Cancel, Overwrite };

// CommonDialog1: the file-open dialog's settings and its file name, the file
// loaded last, which the window keeps equal to the stroke document's path. The
// name is held as the file system resolves it (ResolvedPath), as the document
// holds it, whatever links and ".." the path went through.
class CommonDialog {
public:
    CommonDialog(QString title, QString filter) : title_(std::move(title)), filter_(std::move(filter)) {}

    const QString& DialogTitle() const { return title_; }
    // As Qt's file dialogs take it: "Description (pattern);;...".
    const QString& Filter() const { return filter_; }

    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& fileName);

private:
    QString title_;
    QString filter_;
    QString fileName_;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Message boxes and questions show their texts as plain text, whatever
    // they quote (a path, a file's lines, the clipboard): nothing that looks
    // like markup is rendered, and no picture or link is loaded from it.

    // A modal message box with one OK button.
    virtual void ShowMessage(QWidget* owner, const QString& text, const QString& title, MessageIcon icon);
    // A modal question with a button for each of `answers` and the warning
    // icon; Enter presses `defaultAnswer`, Esc and the close box answer Cancel.
    // `details`, where given, is shown in the box's details part.
    virtual Answer Ask(QWidget* owner, const QString& text, const QString& title, const QList<Answer>& answers,
                       Answer defaultAnswer, const QString& details = {});
    // The file-open dialog of `dialog`; the chosen file, or none when cancelled.
    virtual std::optional<QString> OpenFileName(QWidget* owner, const CommonDialog& dialog);
    // Shows `dialog` modally; returns when it is closed.
    virtual void ShowModal(QDialog& dialog);
};

}  // namespace orvik
