#include "document/stroke_document.h"

#include <new>
#include <utility>

#include "core/stroke_reader.h"
#include "core/stroke_writer.h"
#include "document/file_text.h"

namespace orvik {

StrokeDocument::StrokeDocument(StrokeFileStore files, QObject* parent)
    : QObject(parent),
      files_(std::move(files)),
      stroke_(StartStroke()),
      history_([this](const EditedValues& values, int keyFrame) { PutBack(values, keyFrame); }) {
    connect(&history_, &EditHistory::Changed, this, &StrokeDocument::TellModified);
}

// The file is read whole into a record at its start values, so that a field
// the file does not give keeps its start value and never one of another file.
Result<StrokeFileRead, QString> StrokeDocument::Read(const QString& path) const try {
    Result<std::string, QString> bytes = files_.ReadWhole(path);
    if (!bytes) return Fail(bytes.Why());
    StrokeFileRead read{StartStroke(), std::move(bytes).Value(), {}};
    ReadStrokeText(read.Bytes, read.Stroke, &read.Report);
    return read;
} catch (const std::bad_alloc&) {
    return Fail(tr("There is not enough memory to read it."));
}

void StrokeDocument::Take(const QString& path, StrokeFileRead read) {
    stroke_ = std::move(read.Stroke);
    fileBytes_ = std::move(read.Bytes);
    misread_ = std::move(read.Report);
    type_ = stroke_.Type;
    bowlerTypes_ = stroke_.BowlerTypes;
    SetEdgeProbs(QtText(stroke_.EdgeProb), QtText(stroke_.EdgeProb6));
    loaded_ = true;
    const QString resolved = files_.Resolve(path);
    const bool otherPath = resolved != path_;
    path_ = resolved;
    history_.Restart(CurrentValues());
    if (otherPath) emit PathChanged(path_);
}

Status<QString> StrokeDocument::Load(const QString& path) {
    Result<StrokeFileRead, QString> read = Read(path);
    if (!read) return Fail(read.Why());
    Take(path, std::move(read).Value());
    return Done{};
}

void StrokeDocument::StartRecord() { stroke_ = StartStroke(); }

EditedValues StrokeDocument::CurrentValues() const {
    return {stroke_.KeyFrames, type_, bowlerTypes_, edgeProb_, edgeProb6_};
}

bool StrokeDocument::RecordStep(const QString& action) {
    const bool recorded = history_.Record(action, CurrentValues());
    TellModified();
    return recorded;
}

void StrokeDocument::Undo() {
    if (history_.CanUndo()) history_.Undo();
}

void StrokeDocument::Redo() {
    if (history_.CanRedo()) history_.Redo();
}

void StrokeDocument::PutBack(const EditedValues& values, int keyFrame) {
    stroke_.KeyFrames = values.KeyFrames;
    type_ = values.Type;
    bowlerTypes_ = values.BowlerTypes;
    SetEdgeProbs(values.EdgeProb, values.EdgeProb6);
    emit ValuesPutBack(keyFrame);
}

bool StrokeDocument::IsModified() const {
    return loaded_ && (!history_.AtSavedState() || !(CurrentValues() == history_.Recorded()));
}

void StrokeDocument::TellModified() {
    const bool modified = IsModified();
    if (modified == modifiedTold_) return;
    modifiedTold_ = modified;
    emit ModifiedChanged(modified);
}

// The edge probabilities go to the file without loss: a character with no
// single-byte form is refused, never turned into "?". Only a text that reads
// back as the stroke shown may replace the file.
FormedStroke StrokeDocument::Form() const {
    FormedStroke formed{stroke_, {}, {}, {}};
    const std::pair<const QString*, FieldKind> edgeProbs[] = {{&edgeProb_, FieldKind::EdgeProb},
                                                              {&edgeProb6_, FieldKind::EdgeProb6}};
    for (const auto& [text, kind] : edgeProbs) {
        if (const QString odd = FirstCharacterWithoutSingleByteForm(*text); !odd.isEmpty())
            formed.Unwritable.push_back({{kind}, tr("'%1' has no single-byte form").arg(odd)});
        else
            (kind == FieldKind::EdgeProb ? formed.Saved.EdgeProb : formed.Saved.EdgeProb6) = FileText(*text);
    }
    formed.Bytes = StrokeFileText(formed.Saved, type_, bowlerTypes_);
    for (const FieldProblem& problem : FieldsThatWouldNotReadBack(formed.Saved, type_, bowlerTypes_, formed.Bytes))
        formed.NotReadBack.push_back({problem.Field, QtText(problem.Reason)});
    return formed;
}

bool StrokeDocument::ChangedOnDisk() const {
    const Result<std::string, QString> onDisk = files_.ReadWhole(path_);
    return onDisk && *onDisk != fileBytes_;
}

Status<QString> StrokeDocument::Write(const FormedStroke& formed) {
    const Status<QString> written = files_.WriteWhole(
        path_, QByteArray::fromRawData(formed.Bytes.data(), static_cast<qsizetype>(formed.Bytes.size())));
    if (!written) return written;
    stroke_.EdgeProb = formed.Saved.EdgeProb;
    stroke_.EdgeProb6 = formed.Saved.EdgeProb6;
    fileBytes_ = formed.Bytes;
    misread_.clear();
    history_.MarkSaved();
    TellModified();
    return Done{};
}

}  // namespace orvik
