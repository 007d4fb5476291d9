#include "support/window_fixture.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <sstream>

#include "core/stroke_writer.h"

QString TextOf(QWidget& window, const char* name) {
    QWidget* control = Find(window, name);
    if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentText();
    qFatal("%s has no text", name);
}

QStringList EntriesOf(QWidget& window, const char* name) {
    auto* list = Find<QComboBox>(window, name);
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    return entries;
}

void SetText(QWidget& window, const char* name, const QString& text) { Find<QLineEdit>(window, name)->setText(text); }

void Pick(QWidget& window, const char* name, int index) {
    auto* list = Find<QComboBox>(window, name);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void PickText(QWidget& window, const char* name, const QString& text) {
    const int index = Find<QComboBox>(window, name)->findText(text);
    if (index < 0) qFatal("no entry %s", qPrintable(text));
    Pick(window, name, index);
}

void SaveScreenshot(QWidget& widget, const QString& name) {
    QDir().mkpath(QStringLiteral(ORVIK_SCREENSHOT_DIR));
    const QString path = QStringLiteral(ORVIK_SCREENSHOT_DIR "/") + name + QStringLiteral(".png");
    QVERIFY2(widget.grab().save(path), qPrintable(path));
}

orvik::StrokeFile SampleStroke(const std::vector<std::string>& sixHitTags) {
    orvik::StrokeFile stroke;
    for (int i = -10; i <= 0; ++i) stroke.TrailingLines.at(i) = "43";
    stroke.Type = "Defensive";
    stroke.Faceing = "1";
    stroke.Difficulty = "5";
    stroke.Reward = "3";
    stroke.Difficulty6 = "6";
    stroke.Reward6 = "4";
    stroke.Difficulty3 = "7";
    stroke.Reward3 = "2";
    stroke.EdgeProb = "0.1";
    stroke.EdgeProb6 = "0.2";
    stroke.EdgeProb3 = "0.3";
    stroke.BowlerTypes = 6;
    stroke.StumpPosition = 10;
    stroke.BatsmanPosition = -20;
    stroke.PitchPosition = 30;
    stroke.Name = "drive";
    stroke.Variation = "2";
    for (int k = 0; k < orvik::KeyFrameCount; ++k) {
        orvik::KeyFrame& frame = stroke.KeyFrames[static_cast<std::size_t>(k)];
        frame.Frame = static_cast<std::int16_t>(10 + k);
        frame.Vertical = 20000000.0 + k * 1000000.0;
        frame.Direction = 750000.0 * (10 * k);  // 10 degrees more per key frame
        frame.DirectionRange = 750000.0 * 5;
        frame.Power = 1.5 + k;
        frame.PowerRange = 0.25;
    }
    for (std::size_t i = 0; i < sixHitTags.size() && i < 5; ++i) stroke.KeyFrames[5 + i].KeyFrameTag = sixHitTags[i];
    return stroke;
}

QString WriteStroke(const QString& path, const orvik::StrokeFile& stroke, const std::string& type, int bowlerCode) {
    std::ostringstream text;
    orvik::WriteStrokeFile(text, stroke, type, bowlerCode);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    file.write(QByteArray::fromStdString(text.str()));
    return path;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}
