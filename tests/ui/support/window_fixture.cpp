#include "support/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>
#include <deque>
#include <string>

#include "core/stroke_writer.h"
#include "ui/program_identity.h"

namespace {
// The name and version the program sets in main(), for the about box.
void SetIdentity() { orvik::SetProgramIdentity(); }
Q_COREAPP_STARTUP_FUNCTION(SetIdentity)
}  // namespace

QString WriteStroke(const QString& path, const orvik::StrokeFile& stroke, const std::string& type, int bowlerCode) {
    WriteBytes(path, QByteArray::fromStdString(orvik::StrokeFileText(stroke, type, bowlerCode)));
    return path;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QString Editor::Open(const QString& name, const orvik::StrokeFile& stroke, const std::string& type, int bowlerCode) {
    dialogs.openAnswers = {WriteStroke(folder.filePath(name), stroke, type, bowlerCode)};
    window.Command2_Click();
    return QDir::toNativeSeparators(folder.filePath(name));
}

QString Caption(QWidget& window) {
    QString caption = window.windowTitle();
    if (caption.endsWith(QStringLiteral("[*]"))) caption.chop(3), caption += window.isWindowModified() ? "*" : "";
    return caption.replace(QStringLiteral("[*][*]"), QStringLiteral("[*]"));
}

QString TextOf(QWidget& window, const char* name) {
    QWidget* control = Find(window, name);
    return control->property(qobject_cast<QComboBox*>(control) ? "currentText" : "text").toString();
}

QStringList TextsOf(QWidget& window, std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names) texts << TextOf(window, name);
    return texts;
}

QStringList EntriesOf(QWidget& window, const char* name) {
    auto* list = Find<QComboBox>(window, name);
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    return entries;
}

void SetText(QWidget& window, const char* name, const QString& text) { Find<QLineEdit>(window, name)->setText(text); }

void Pick(QWidget& window, const char* name, const QString& entry) {
    auto* list = Find<QComboBox>(window, name);
    const int index = list->findText(entry);
    if (index < 0) qFatal("no entry %s", qPrintable(entry));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

QStringList Snapshot(orvik::MainWindow& window) {
    QStringList state{Caption(window), window.FileDialog().FileName()};
    const orvik::PreviewLines& lines = window.PreviewState().Lines;
    for (const orvik::Line* line : {&lines.Line1, &lines.Line2, &lines.Line3, &lines.Line4, &lines.Line5})
        state << QStringLiteral("%1 %2").arg(line->X2).arg(line->Y2);
    for (QWidget* c : window.findChildren<QWidget*>()) {
        state << c->objectName() + ' ' + c->property("text").toString() + c->property("currentIndex").toString() +
                     QString::number(c->isEnabled());
        if (auto* list = qobject_cast<QComboBox*>(c))
            for (int i = 0; i < list->count(); ++i) state << list->itemText(i);
    }
    // The record, with its own type and bowler class.
    const orvik::StrokeFile& record = window.Stroke();
    return state << QString::fromStdString(orvik::StrokeFileText(record, record.Type, record.BowlerTypes));
}

void SaveScreenshot(QWidget& widget, const QString& name) {
    QDir().mkpath(QStringLiteral(ORVIK_SCREENSHOT_DIR));
    QVERIFY(widget.grab().save(QStringLiteral(ORVIK_SCREENSHOT_DIR "/%1.png").arg(name)));
}

bool RanInChild(const QString& testFunction) {
    if (qEnvironmentVariableIsSet("ORVIK_TEST_IN_CHILD")) return false;
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.setEnvironment(QProcess::systemEnvironment() << QStringLiteral("ORVIK_TEST_IN_CHILD=1"));
    child.start(QCoreApplication::applicationFilePath(), {testFunction});
    [&] {
        QVERIFY2(child.waitForFinished(120000) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAll().constData());
    }();
    return true;
}

QStringList TakeMessages(FakeDialogs& dialogs) {
    QStringList messages;
    for (const RecordedMessage& message : std::exchange(dialogs.messages, {}))
        messages << message.title + (message.icon == orvik::MessageIcon::Critical ? " (critical)" : "") + ": " +
                        message.text;
    return messages;
}

void CheckOneError(FakeDialogs& dialogs, const QString& path, const char* why) {
    const auto messages = std::exchange(dialogs.messages, {});
    QCOMPARE(int(messages.size()), 1);
    QCOMPARE(messages[0].title, QStringLiteral("Error"));
    QCOMPARE(messages[0].icon, orvik::MessageIcon::Critical);
    const QString reason = messages[0].text.section('\n', 1, 1);
    QVERIFY2(messages[0].text.contains(path), qPrintable(messages[0].text));
    QVERIFY2(!reason.isEmpty() && reason.contains(why, Qt::CaseInsensitive), qPrintable(messages[0].text));
}

const char* ElementName(const char* array, int index) {
    // A deque never moves the names it holds.
    static std::deque<std::string> names;
    return names.emplace_back(std::string(array) + "(" + std::to_string(index) + ")").c_str();
}
