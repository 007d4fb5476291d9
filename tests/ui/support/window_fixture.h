#pragma once
// Shared pieces of the window tests: controls by name, the user's picks in a
// list, screenshots, and stroke files written by the core writer.
#include <QComboBox>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/stroke_file.h"

// The control named `name`; ends the test run when there is none.
template <class Control = QWidget>
Control* Find(QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
}

QString TextOf(QWidget& window, const char* name);  // of a text box, label, button or list
QStringList TextsOf(QWidget& window, std::initializer_list<const char*> names);
QStringList EntriesOf(QWidget& window, const char* name);
void SetText(QWidget& window, const char* name, const QString& text);
// The user picks the entry with this text.
void Pick(QWidget& window, const char* name, const QString& entry);
void SaveScreenshot(QWidget& widget, const QString& name);

// Key frame k: Frame 10 + k, Vertical (20 + k) million, Direction 10 k degrees,
// range 5 degrees, Power 1.5 + k, PowerRange 0.25; the six-hit tags given.
orvik::StrokeFile SampleStroke(const std::vector<std::string>& sixHitTags);
QString WriteStroke(const QString& path, const orvik::StrokeFile& stroke, const std::string& type = "Defensive",
                    int bowlerCode = 6);
QByteArray FileBytes(const QString& path);
