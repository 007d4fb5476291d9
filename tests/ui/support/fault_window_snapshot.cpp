#include "support/fault_window_snapshot.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "ui/main_window.h"

namespace {

QString Bytes(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

QString Number(double value) { return QString::number(value, 'g', 17); }

// Named children of one kind, in name order, so that the snapshot does not
// depend on the order in which the window created them.
template <class Control>
std::vector<Control*> NamedChildren(QWidget& window) {
    std::vector<Control*> controls;
    for (Control* control : window.findChildren<Control*>())
        if (!control->objectName().isEmpty()) controls.push_back(control);
    std::sort(controls.begin(), controls.end(),
              [](const Control* a, const Control* b) { return a->objectName() < b->objectName(); });
    return controls;
}

}  // namespace

QStringList RecordFields(const orvik::StrokeFile& stroke) {
    QStringList fields;
    for (const std::string* text :
         {&stroke.Type, &stroke.Faceing, &stroke.Difficulty, &stroke.Reward, &stroke.Difficulty6, &stroke.Reward6,
          &stroke.Difficulty3, &stroke.Reward3, &stroke.EdgeProb, &stroke.EdgeProb6, &stroke.EdgeProb3, &stroke.Name,
          &stroke.Variation})
        fields << Bytes(*text);
    for (int number : {stroke.BowlerTypes, stroke.StumpPosition, stroke.BatsmanPosition, stroke.PitchPosition})
        fields << QString::number(number);
    for (const orvik::KeyFrame& frame : stroke.KeyFrames) {
        fields << QString::number(frame.Frame) << Number(frame.Vertical) << Number(frame.Direction)
               << Number(frame.DirectionRange) << Number(frame.Power) << Number(frame.PowerRange)
               << Bytes(frame.KeyFrameTag);
    }
    for (int j = orvik::TrailingLineArray::First; j <= orvik::TrailingLineArray::Last; ++j)
        fields << Bytes(stroke.TrailingLines.at(j));
    return fields;
}

QStringList WindowSnapshot(orvik::MainWindow& window) {
    QStringList state{QStringLiteral("caption ") + window.windowTitle(),
                      QStringLiteral("file ") + window.FileDialog().FileName()};
    for (QLineEdit* box : NamedChildren<QLineEdit>(window)) state << box->objectName() + ' ' + box->text();
    for (QLabel* label : NamedChildren<QLabel>(window)) state << label->objectName() + ' ' + label->text();
    for (QComboBox* list : NamedChildren<QComboBox>(window)) {
        state << list->objectName() + QStringLiteral(" selected %1").arg(list->currentIndex());
        for (int i = 0; i < list->count(); ++i) state << list->objectName() + ' ' + list->itemText(i);
    }
    for (QPushButton* button : NamedChildren<QPushButton>(window))
        state << button->objectName() +
                     (button->isEnabled() ? QStringLiteral(" enabled") : QStringLiteral(" disabled"));
    for (const char* name : {"Line1", "Line2", "Line3", "Line4", "Line5"}) {
        const orvik::Line& line = *window.LineNamed(name);
        state << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(QLatin1String(name))
                     .arg(line.X1)
                     .arg(line.Y1)
                     .arg(line.X2)
                     .arg(line.Y2);
    }
    state << QStringLiteral("StrokeLength %1").arg(window.PreviewState().StrokeLength);
    state << RecordFields(window.Stroke());
    return state;
}
