#pragma once
// Stroke files are single-byte text. The record keeps their bytes as they are;
// the controls show them one character per byte (Latin-1), so that a value
// read and saved again keeps every byte. A character beyond Latin-1 has no
// single-byte form: FileText would turn it into "?", so whatever goes to a file
// from a control is asked first (FirstCharacterWithoutSingleByteForm).
#include <QString>
#include <string>
#include <string_view>

namespace orvik {

inline QString QtText(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string FileText(const QString& text) { return text.toLatin1().toStdString(); }

// The first character of `text` that has no single-byte form (a surrogate pair
// counts as one character); empty when every character has one.
inline QString FirstCharacterWithoutSingleByteForm(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() <= 0xFF) continue;
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        return text.mid(i, pair ? 2 : 1);
    }
    return {};
}

}  // namespace orvik
