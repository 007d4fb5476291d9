#pragma once
// Stroke files are single-byte text. The record keeps their bytes as they are;
// the controls show them one character per byte (Latin-1), so that a value
// read and saved again keeps every byte. A character typed that has no
// single-byte form is stored as "?".
#include <QString>
#include <string>
#include <string_view>

namespace orvik {

inline QString QtText(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string FileText(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace orvik
