// The questions before a load: Reset's asks Discard first.
#include <QtTest>

#include "support/window_fixture.h"

namespace {

// Dialogs that also record each question's answers, the default in brackets.
struct AnswersSeen : FakeDialogs {
    QStringList offered;
    orvik::Answer Ask(QWidget* owner, const QString& text, const QString& title, const QList<orvik::Answer>& answers,
                      orvik::Answer defaultAnswer, const QString& details) override {
        QStringList names;
        for (const orvik::Answer answer : answers) {
            const QString name = QStringList{"Save", "Discard", "Cancel", "Overwrite"}.value(int(answer));
            names << (answer == defaultAnswer ? "[" + name + "]" : name);
        }
        offered << names.join(' ');
        return FakeDialogs::Ask(owner, text, title, answers, defaultAnswer, details);
    }
};

struct Window {
    QTemporaryDir folder;
    AnswersSeen dialogs;
    orvik::MainWindow window{dialogs};
};

}  // namespace

class ModderTest : public QObject {
    Q_OBJECT
    std::optional<Window> w_;  // a fresh one for each test
private slots:
    void init() { w_.emplace(); }
    void cleanup() { w_.reset(); }

    // Reset offers Discard first, as the default; Open keeps Save.
    void resetAsksDiscardFirst() {
        auto& [folder, dialogs, window] = *w_;
        dialogs.openAnswers = {WriteStroke(folder.filePath("a-Cc031.atr"), orvik::CleanStroke(""))};
        window.Command2_Click();
        SetText(window, Text2Of::Frame, "7");
        window.Text2_LostFocus(orvik::Box::Frame);
        window.Command6_Click();
        window.Command2_Click();
        QCOMPARE(dialogs.offered, (QStringList{"[Discard] Save Cancel", "[Save] Discard Cancel"}));
    }
};

QTEST_MAIN(ModderTest)
#include "modder_test.moc"
