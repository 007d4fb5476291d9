// Save writes the record in the game's format with the type, bowler class and
// edge probabilities from their controls; a save that fails leaves the file as
// it was and confirms nothing.
#include <QComboBox>
#include <QTemporaryDir>
#include <QtTest>

#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

class MainWindowSaveTest : public QObject {
    Q_OBJECT
private slots:
    void writesTheStrokeOrLeavesTheFileAsItWas() {
        QTemporaryDir folder;
        FakeDialogs dialogs;
        orvik::MainWindow window(dialogs);
        const QString path = WriteStroke(folder.filePath("a-Cc031.atr"), SampleStroke({"3"}));
        dialogs.openAnswers = {path};
        window.Command2_Click();
        Pick(window, "Combo1", "Aggressive");
        Pick(window, "Combo2", "Fast Bowler");
        SetText(window, "Text2(4)", "0.45");
        SetText(window, "Text2(7)", "x y");
        window.Command3_Click();
        QByteArray expected =
            "StrokeAttr\r\n\r\nType Aggressive\r\nFaceing 1\r\nDifficulty 5 Reward 3\r\nDifficulty6 6 Reward6 4\r\n"
            "Difficulty3 7 Reward3 2\r\nEdgeProb 0.45 EdgeProb6 x y EdgeProb3 0.3\r\nBowlerTypes 1\r\n"
            "StumpPosition 10\r\nBatsmanPosition -20\r\nPitchPosition 30\r\nName drive Variation 2\r\n\r\n";
        for (int k = 0; k <= 5; ++k)
            expected += (k < 5 ? "Mode Normal KeyFrame " + QByteArray::number(k) : "Mode 6Hit KeyFrame 3") +
                        "\r\n Frame " + QByteArray::number(10 + k) + "\r\n Vertical " + QByteArray::number(20 + k) +
                        "000000\r\n Direction " + QByteArray::number(7500000 * k) + " Range 3750000\r\n Power " +
                        QByteArray::number(1.5 + k) + " Range 0.25\r\n\r\n";
        expected += "\r\n\r\n\r\n";
        QCOMPARE(FileBytes(path), expected);
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
        QCOMPARE(dialogs.messages[0].title + ": " + dialogs.messages[0].text,
                 QStringLiteral("Saved!: Stroke Saved Successfully to %1 (Pull).").arg(path));
        QCOMPARE(dialogs.messages[0].icon, orvik::MessageIcon::Information);

        // No bowler class chosen; then a folder under the file's name. Each is
        // told, and nothing is written.
        SetText(window, "Text2(4)", "0.99");
        Find<QComboBox>(window, "Combo2")->setCurrentIndex(-1);
        window.Command3_Click();
        QCOMPARE(FileBytes(path), expected);
        Pick(window, "Combo2", "Spinners");
        QVERIFY(QFile::remove(path) && QDir(folder.path()).mkdir("a-Cc031.atr"));
        window.Command3_Click();
        QVERIFY(QFileInfo(path).isDir() && QDir(path).isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"a-Cc031.atr"});
        QCOMPARE(dialogs.messages.size(), std::size_t{3});
        QVERIFY(dialogs.messages[1].text.contains(QStringLiteral("bowler class")));
        for (const RecordedMessage& failed : {dialogs.messages[1], dialogs.messages[2]})
            QVERIFY2(failed.text.contains(path) && failed.icon == orvik::MessageIcon::Critical, qPrintable(failed.text));
    }
};

QTEST_MAIN(MainWindowSaveTest)
#include "main_window_save_test.moc"
