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

bool sameName(const QByteArray& a, const QByteArray& b)
{
    return QString::fromUtf8(a).compare(QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

// The section a "[name]" line opens, or a null array for any other line.
QByteArray sectionOf(const QByteArray& line)
{
    const QByteArray trimmed = line.trimmed();
    if (!trimmed.startsWith('['))
        return {};
    const qsizetype close = trimmed.indexOf(']');
    return trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

// The key a "key=value" line sets, or a null array for comments and lines without "=".
QByteArray keyOf(const QByteArray& line)
{
    const QByteArray trimmed = line.trimmed();
    const qsizetype equals = trimmed.indexOf('=');
    if (equals <= 0 || trimmed.startsWith(';') || trimmed.startsWith('#'))
        return {};
    return trimmed.left(equals).trimmed();
}

QByteArray joinLines(const QList<Line>& lines)
{
    QByteArray text;
    for (const Line& line : lines)
        text += line.text + line.end;
    return text;
}

} // namespace

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
