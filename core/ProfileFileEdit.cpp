#include "ProfileFileEdit.h"

#include <QList>
#include <QString>

namespace dalto {

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

struct Line {
    QByteArray text; // without its line end
    QByteArray end;  // "\r\n", "\n" or nothing on an unterminated last line
};

QList<Line> splitLines(const QByteArray& text)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype lf = text.indexOf('\n', start);
        if (lf < 0) {
            lines.append({text.mid(start), {}});
            break;
        }
        const bool crlf = lf > start && text[lf - 1] == '\r';
        lines.append({text.mid(start, lf - start - (crlf ? 1 : 0)), crlf ? "\r\n" : "\n"});
        start = lf + 1;
    }
    return lines;
}

// Names match without regard to the case of ASCII letters, as the reader's do.
bool sameName(const QByteArray& a, const QByteArray& b)
{
    return a.toLower() == b.toLower();
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray trimBlanks(const QByteArray& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text[start]))
        ++start;
    while (end > start && isBlank(text[end - 1]))
        --end;
    return text.mid(start, end - start);
}

// A line's text with what would end the reader's line early (a NUL byte, a CR
// that is not part of the line end) made a blank.
QByteArray readable(const QByteArray& line)
{
    return QByteArray(line).replace('\0', ' ').replace('\r', ' ');
}

// The section a "[name]" line opens, or a null array for any other line. A
// header without its "]" opens no section.
QByteArray sectionOf(const QByteArray& line)
{
    const QByteArray trimmed = trimBlanks(readable(line));
    const qsizetype close = trimmed.indexOf(']');
    if (!trimmed.startsWith('[') || close < 0)
        return {};
    return trimBlanks(trimmed.mid(1, close - 1));
}

// The key a "key=value" line sets, or a null array for comments and lines without "=".
QByteArray keyOf(const QByteArray& line)
{
    const QByteArray trimmed = trimBlanks(readable(line));
    const qsizetype equals = trimmed.indexOf('=');
    if (equals <= 0 || trimmed.startsWith(';') || trimmed.startsWith('#') || trimmed.startsWith('['))
        return {};
    return trimBlanks(trimmed.left(equals));
}

QByteArray joinLines(const QList<Line>& lines)
{
    QByteArray text;
    for (const Line& line : lines)
        text += line.text + line.end;
    return text;
}

} // namespace

QByteArray ParseableProfileText(const QByteArray& text)
{
    const QByteArray bom = text.startsWith(Utf8Bom) ? Utf8Bom : QByteArray();
    QByteArray parseable = bom;
    for (const Line& line : splitLines(text.mid(bom.size()))) {
        const QByteArray shown = readable(line.text);
        const QByteArray trimmed = trimBlanks(shown);
        const bool brokenHeader = trimmed.startsWith('[') && !trimmed.contains(']');
        parseable += (brokenHeader ? ';' + shown : shown) + '\n';
    }
    return parseable;
}

QByteArray withProfileValue(const QByteArray& text, const QByteArray& section, const QByteArray& key,
                            const QByteArray& value)
{
    // A byte-order mark stays in front of the first line, apart from its text.
    const QByteArray bom = text.startsWith(Utf8Bom) ? Utf8Bom : QByteArray();
    QList<Line> lines = splitLines(text.mid(bom.size()));
    const QByteArray lineEnd = !lines.isEmpty() && !lines.first().end.isEmpty() ? lines.first().end : "\n";
    const auto terminate = [&](Line& line) {
        if (line.end.isEmpty())
            line.end = lineEnd;
    };

    qsizetype header = 0;
    while (header < lines.size()) {
        const QByteArray name = sectionOf(lines[header].text);
        if (!name.isNull() && sameName(name, section))
            break;
        ++header;
    }
    if (header == lines.size()) {
        if (!lines.isEmpty())
            terminate(lines.last());
        lines.append({'[' + section + ']', lineEnd});
        lines.append({key + '=' + value, lineEnd});
        return bom + joinLines(lines);
    }

    qsizetype lastKey = header;
    for (qsizetype i = header + 1; i < lines.size() && sectionOf(lines[i].text).isNull(); ++i) {
        const QByteArray stored = keyOf(lines[i].text);
        if (stored.isNull())
            continue;
        if (sameName(stored, key)) {
            lines[i].text = stored + '=' + value; // the file's spelling of the key stays
            return bom + joinLines(lines);
        }
        lastKey = i;
    }
    terminate(lines[lastKey]);
    lines.insert(lastKey + 1, {key + '=' + value, lineEnd});
    return bom + joinLines(lines);
}

} // namespace dalto
