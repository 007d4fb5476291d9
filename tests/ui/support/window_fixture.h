#pragma once
// Shared pieces of the window tests: finding controls by name, acting as the
// user on a list, screenshots, and stroke files written by the core writer.
#include <QComboBox>
#include <QDir>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "core/stroke_file.h"
#include "ui/controls.h"
#include "ui/drop_down_list.h"

// The control named `name`; fails the whole test run when there is none.
template <class Control = QWidget>
Control* Find(QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
}

QString TextOf(QWidget& window, const char* name);       // a text box's, label's or list's text
QStringList EntriesOf(QWidget& window, const char* name);  // a list's entries
void SetText(QWidget& window, const char* name, const QString& text);
// The user picks entry `index` of a list.
void Pick(QWidget& window, const char* name, int index);
void PickText(QWidget& window, const char* name, const QString& text);

void SaveScreenshot(QWidget& widget, const QString& name);

// A stroke whose numbers differ per key frame, with these six-hit tags.
orvik::StrokeFile SampleStroke(const std::vector<std::string>& sixHitTags);
// Writes `stroke` to `path`; returns the path.
QString WriteStroke(const QString& path, const orvik::StrokeFile& stroke, const std::string& type = "Defensive",
                    int bowlerCode = 6);
QByteArray FileBytes(const QString& path);
