#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace pipwick {

// The settings file's text, read and changed without any decoding of stored types: every value is
// a string, so a value that starts with "@" is just text, and nothing nests. What the earlier
// program's settings library wrote reads as it meant it: a quoted value, the escapes \" \\ \n \t
// \xHHHH, "@@" for a leading "@", and an unquoted list "a, b" as the text "a, b".

// The keys and values of one section. A later line of a key wins over an earlier one.
QHash<QString, QString> IniSection(const QByteArray& text, const QString& section);

// text with key in section set to value: the key's lines replaced, or one added at the end of the
// section, or the section added at the end. Every other line stays byte for byte as it was,
// whatever it holds.
QByteArray WithIniValue(const QByteArray& text, const QString& section, const QString& key,
                        const QString& value);

// A value as a line of the file holds it, quoted where the reader would otherwise split or trim it.
QByteArray IniEncoded(const QString& value);

}  // namespace pipwick
