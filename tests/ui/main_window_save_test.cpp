// Save writes the record in the game's format with the type, bowler class and
// edge probabilities from their controls; a save that fails leaves the file as
// it was and confirms nothing.
#include <QComboBox>
#include <QTemporaryDir>
#include <QtTest>

#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

using orvik::MainWindow;

namespace {

QByteArray ExpectedText() {
    QByteArray text =
        "StrokeAttr\r\n\r\nType Aggressive\r\nFaceing 1\r\nDifficulty 5 Reward 3\r\nDifficulty6 6 Reward6 4\r\n"
        "Difficulty3 7 Reward3 2\r\nEdgeProb 0.45 EdgeProb6 x y EdgeProb3 0.3\r\nBowlerTypes 1\r\nStumpPosition 10\r\n"
        "BatsmanPosition -20\r\nPitchPosition 30\r\nName drive Variation 2\r\n\r\n";
    for (int k = 0; k <= 5; ++k) {
        text += k < 5 ? "Mode Normal KeyFrame " + QByteArray::number(k) : QByteArray("Mode 6Hit KeyFrame 3");
        text += "\r\n Frame " + QByteArray::number(10 + k) + "\r\n Vertical " + QByteArray::number(20 + k) +
                "000000\r\n Direction " + QByteArray::number(7500000 * k) + " Range 3750000\r\n Power " +
                QByteArray::number(1.5 + k) + " Range 0.25\r\n\r\n";
    }
    return text + "\r\n\r\n\r\n";
}

}  // namespace

class MainWindowSaveTest : public QObject {
    Q_OBJECT
private slots:
    void writesTheStrokeAndConfirms();
    void aFailedSaveLeavesTheFileAsItWas();
};

void MainWindowSaveTest::writesTheStrokeAndConfirms() {
    QTemporaryDir folder;
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    const QString path = WriteStroke(folder.filePath("a-Cc031.atr"), SampleStroke({"3"}));
    dialogs.openAnswers = {path};
    window.Command2_Click();
    Pick(window, "Combo1", "Aggressive");
    Pick(window, "Combo2", "Fast Bowler");
    SetText(window, "Text2(4)", "0.45");
    SetText(window, "Text2(7)", "x y");
    window.Command3_Click();

    QCOMPARE(FileBytes(path), ExpectedText());
    QCOMPARE(window.Stroke().EdgeProb6, std::string("x y"));
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("Stroke Saved Successfully to %1 (Pull).").arg(path));
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Saved!"));
    QCOMPARE(dialogs.messages[0].icon, orvik::MessageIcon::Information);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"a-Cc031.atr"});  // no leftovers
}

void MainWindowSaveTest::aFailedSaveLeavesTheFileAsItWas() {
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("game"));
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    const QString path = WriteStroke(folder.filePath("game/a-Cc031.atr"), SampleStroke({}));
    const QByteArray original = FileBytes(path);
    dialogs.openAnswers = {path};
    window.Command2_Click();
    SetText(window, "Text2(4)", "0.99");

    // No bowler class chosen.
    Find<QComboBox>(window, "Combo2")->setCurrentIndex(-1);
    window.Command3_Click();
    QCOMPARE(FileBytes(path), original);
    Pick(window, "Combo2", "Spinners");

    // The file's name is now a folder's.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(folder.path()).mkdir("game/a-Cc031.atr"));
    window.Command3_Click();
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(QDir(path).isEmpty());

    // The folder is gone.
    QVERIFY(QDir(folder.filePath("game")).removeRecursively());
    window.Command3_Click();
    QVERIFY(!QFileInfo::exists(folder.filePath("game")));
    QVERIFY(dialogs.messages.back().text.contains(QStringLiteral("does not exist")));

    QCOMPARE(dialogs.messages.size(), std::size_t{3});
    for (const RecordedMessage& message : dialogs.messages) {
        QVERIFY2(message.text.contains(path), qPrintable(message.text));
        QCOMPARE(message.icon, orvik::MessageIcon::Critical);
        QVERIFY(message.title != QStringLiteral("Saved!"));
    }
    QVERIFY(dialogs.messages[0].text.contains(QStringLiteral("bowler class")));
}

QTEST_MAIN(MainWindowSaveTest)
#include "main_window_save_test.moc"
