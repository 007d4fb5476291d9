#pragma once
// The window's messages name a stroke's fields as the form does: by the
// caption beside the field's box or list and, for a key frame's field, the
// timing the timing list gives it, with the file's key word beside a caption
// that differs from it: "6-Hit Edge Prb." (EdgeProb6), "Height" (Vertical) of
// Late. orvik-stroke-check keeps the file's words.
#include <QString>
#include <QStringList>
#include <vector>

#include "core/read_report.h"
#include "core/stroke_file.h"
#include "core/stroke_format.h"

namespace orvik {

// The caption of the form's box or list for a field of `kind`; empty for a
// field the form does not show.
QString FormCaption(FieldKind kind);

class FormWords {
public:
    // `timings`: the timing list's entries, whose position is the index of
    // the key frame each shows. `stroke` must outlive the FormWords.
    FormWords(const StrokeFile& stroke, QStringList timings);

    // The field as the window's messages name it; by the file's words where
    // the form does not show it (a key frame without a timing, a trailing line).
    QString Name(const FieldId& field) const;
    // The problem's message and what the fields keep, with each field the
    // form shows named as Name() names it.
    QString Message(const Problem& problem) const;
    QString Keeps(const Problem& problem) const;

private:
    struct Named {
        FieldId Field;
        QString FileKey;  // "Power of normal key frame 1"
        QString Name;
    };

    const StrokeFile& stroke_;
    QStringList timings_;
    std::vector<Named> named_;  // every field the form shows
};

}  // namespace orvik
