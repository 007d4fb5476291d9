#include "ui/form_words.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <array>

#include "document/file_text.h"

namespace orvik {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("orvik::FormWords", text); }

constexpr std::array HeaderFields = {FieldKind::Type, FieldKind::BowlerTypes, FieldKind::EdgeProb,
                                     FieldKind::EdgeProb6};
constexpr std::array KeyFrameFields = {FieldKind::Frame, FieldKind::Vertical,       FieldKind::Direction,
                                       FieldKind::Power, FieldKind::DirectionRange, FieldKind::PowerRange};

}  // namespace

QString FormCaption(FieldKind kind) {
    switch (kind) {
        case FieldKind::Type: return Tr("Stroke type");
        case FieldKind::BowlerTypes: return Tr("Stroke Played against");
        case FieldKind::EdgeProb: return Tr("Nrml. Edge Prb.");
        case FieldKind::EdgeProb6: return Tr("6-Hit Edge Prb.");
        case FieldKind::Frame: return Tr("Frame no.");
        case FieldKind::Vertical: return Tr("Height");
        case FieldKind::Direction: return Tr("Direction");
        case FieldKind::DirectionRange: return Tr("Direction Range");
        case FieldKind::Power: return Tr("Power");
        case FieldKind::PowerRange: return Tr("Power Range");
        default: return {};
    }
}

FormWords::FormWords(const StrokeFile& stroke, QStringList timings) : stroke_(stroke), timings_(std::move(timings)) {
    for (const FieldKind kind : HeaderFields)
        named_.push_back({{kind, 0}, QtText(FieldFileKey(stroke, {kind, 0})), {}});
    for (int k = 0; k < KeyFrameCount && k < timings_.size(); ++k)
        for (const FieldKind kind : KeyFrameFields)
            named_.push_back({{kind, k}, QtText(FieldFileKey(stroke, {kind, k})), {}});
    for (Named& named : named_) named.Name = Name(named.Field);
}

QString FormWords::Name(const FieldId& field) const {
    const QString caption = FormCaption(field.Kind);
    const FormatField* format = FormatFieldOf(field.Kind);
    const bool ofKeyFrame = format != nullptr && format->OfKeyFrame();
    if (caption.isEmpty() || (ofKeyFrame && (field.Index < 0 || field.Index >= timings_.size())))
        return QtText(FieldFileKey(stroke_, field));
    const QString key = QtText(FieldName(field.Kind));
    QString name = '"' + caption + '"';
    if (key != caption) name += " (" + key + ")";
    if (ofKeyFrame) name += ' ' + Tr("of %1").arg(timings_[field.Index]);
    return name;
}

QString FormWords::Message(const Problem& problem) const {
    const QString message = QtText(problem.Message);
    const QString field = QtText(problem.Field);
    // The message starts with the field's key word: "Power \"abc\" is not a number".
    for (const Named& named : named_) {
        if (named.FileKey != field) continue;
        for (const QString& key : {QtText(FieldName(named.Field.Kind)), QtText(FormatFieldOf(named.Field.Kind)->Key)})
            if (message.startsWith(key + ' ')) return named.Name + message.mid(key.size());
    }
    return message;
}

QString FormWords::Keeps(const Problem& problem) const {
    // "Power of normal key frame 0 keeps 80, Range of ... keeps 0"
    QString keeps = QtText(problem.Keeps);
    for (const Named& named : named_) {
        const QRegularExpression kept("(^|, )" + QRegularExpression::escape(named.FileKey) + " keeps ");
        keeps.replace(kept, "\\1" + named.Name + " keeps ");
    }
    return keeps;
}

}  // namespace orvik
