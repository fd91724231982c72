#include "shell/storage/ini_text.h"

#include <QList>

namespace pipwick {

namespace {

struct Line {
    QByteArray bytes;
    // The section it opens, or for a key's line the key; empty otherwise.
    QString section;
    QString key;
    QByteArray value;
};

QList<Line> SplitLines(const QByteArray& text) {
    QList<Line> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) {
            end = text.size();
        }
        Line line{text.mid(start, end - start), {}, {}, {}};
        QByteArray content = line.bytes;
        if (content.endsWith('\r')) {
            content.chop(1);
        }
        const QByteArray trimmed = content.trimmed();
        if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
            line.section = QString::fromUtf8(trimmed.mid(1, trimmed.size() - 2).trimmed());
        } else if (!trimmed.startsWith(';') && !trimmed.startsWith('#')) {
            const qsizetype equals = content.indexOf('=');
            if (equals > 0) {
                line.key = QString::fromUtf8(content.left(equals).trimmed());
                line.value = content.mid(equals + 1).trimmed();
            }
        }
        lines.append(line);
        start = end + 1;
    }
    return lines;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The character after a backslash at raw[i]; i ends on the escape's last character.
QString Unescaped(const QByteArray& raw, qsizetype& i) {
    const char c = raw[i];
    switch (c) {
        case 'n':
            return QStringLiteral("\n");
        case 't':
            return QStringLiteral("\t");
        case 'r':
            return QStringLiteral("\r");
        case 'x': {
            char16_t code = 0;
            int digits = 0;
            while (digits < 4 && i + 1 < raw.size() && HexDigit(raw[i + 1]) >= 0) {
                code = static_cast<char16_t>(code * 16 + HexDigit(raw[++i]));
                ++digits;
            }
            return digits == 0 ? QStringLiteral("x") : QString(QChar(code));
        }
        default:
            return QString::fromUtf8(&raw.constData()[i], 1);
    }
}

// Quoted runs are taken whole; outside them blanks at either end of an item go and a comma ends
// it. The items are put back together as "a, b".
QString Decoded(const QByteArray& raw) {
    QStringList items;
    QString item;
    QByteArray plain;
    bool quoted = false;
    auto flushPlain = [&] {
        item += QString::fromUtf8(plain);
        plain.clear();
    };
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '\\' && i + 1 < raw.size()) {
            flushPlain();
            ++i;
            item += Unescaped(raw, i);
        } else if (c == '"') {
            flushPlain();
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            flushPlain();
            items.append(item.trimmed());
            item.clear();
        } else {
            plain.append(c);
        }
    }
    flushPlain();
    items.append(items.isEmpty() ? item : item.trimmed());
    QString value = items.join(QStringLiteral(", "));
    if (value.startsWith(QStringLiteral("@@"))) {
        value.remove(0, 1);
    }
    return value;
}

bool NeedsQuotes(const QString& value) {
    if (value.isEmpty()) {
        return false;
    }
    if (value.front().isSpace() || value.back().isSpace()) {
        return true;
    }
    for (const QChar c : value) {
        if (c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('=') ||
            c == QLatin1Char('#') || c == QLatin1Char('"')) {
            return true;
        }
    }
    return false;
}

}  // namespace

QByteArray IniEncoded(const QString& value) {
    // The earlier reader took a leading "@" for a stored type; two of them were one, as text.
    const QString text = value.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + value : value;
    QString escaped;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"')) {
            escaped += QLatin1Char('\\');
            escaped += c;
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            escaped += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            escaped += c;
        }
    }
    const QByteArray encoded = escaped.toUtf8();
    return NeedsQuotes(text) ? '"' + encoded + '"' : encoded;
}

QHash<QString, QString> IniSection(const QByteArray& text, const QString& section) {
    QHash<QString, QString> values;
    QString current;
    for (const Line& line : SplitLines(text)) {
        if (!line.section.isEmpty()) {
            current = line.section;
        } else if (!line.key.isEmpty() && current == section) {
            values.insert(line.key, Decoded(line.value));
        }
    }
    return values;
}

QByteArray WithIniValue(const QByteArray& text, const QString& section, const QString& key,
                        const QString& value) {
    const QByteArray newLine = key.toUtf8() + '=' + IniEncoded(value);
    QList<Line> lines = SplitLines(text);
    QString current;
    qsizetype sectionEnd = -1;
    bool replaced = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].section.isEmpty()) {
            current = lines[i].section;
            if (current == section) {
                sectionEnd = i + 1;
            }
            continue;
        }
        if (current != section) {
            continue;
        }
        if (!lines[i].bytes.trimmed().isEmpty()) {
            sectionEnd = i + 1;
        }
        if (lines[i].key == key) {
            lines[i].bytes = newLine;
            replaced = true;
        }
    }
    if (!replaced && sectionEnd >= 0) {
        lines.insert(sectionEnd, Line{newLine, {}, {}, {}});
    } else if (!replaced) {
        if (!lines.isEmpty() && !lines.back().bytes.trimmed().isEmpty()) {
            lines.append(Line{});
        }
        lines.append(Line{'[' + section.toUtf8() + ']', {}, {}, {}});
        lines.append(Line{newLine, {}, {}, {}});
    }
    QByteArray result;
    for (const Line& line : lines) {
        result += line.bytes + '\n';
    }
    return result;
}

}  // namespace pipwick
