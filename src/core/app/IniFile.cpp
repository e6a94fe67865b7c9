#include "core/app/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace {

QString &writeFailureForTesting() {
    static QString reason;
    return reason;
}

std::optional<QString> sectionName(const QString &line) {
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return std::nullopt;
}

bool isComment(const QString &line) {
    const QString trimmed = line.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) ||
           trimmed.startsWith(QLatin1Char('#'));
}

bool isValidUtf8(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString decoded = utf8.decode(bytes); // decoding is what finds errors
    return !utf8.hasError();
}

bool sameName(const QString &a, const QString &b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The key of a "key=value" line, or nothing for other lines.
std::optional<QString> keyOf(const QString &line) {
    if (isComment(line) || sectionName(line))
        return std::nullopt;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return std::nullopt;
    return line.left(eq).trimmed();
}

QString valueOf(const QString &line) {
    QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    return value;
}

// A value is one line; a line break inside it would smuggle in keys of its own.
QString singleLine(QString value) {
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

IniFile::Content IniFile::read() const {
    Content content;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return content;
    QByteArray bytes = file.readAll();
    content.endsWithNewline = bytes.isEmpty() || bytes.endsWith('\n');
    // Files from older Windows installations are GB18030; anything that is valid UTF-8 is
    // taken as UTF-8.
    if (!isValidUtf8(bytes) && QStringDecoder("GB18030").isValid())
        content.encoding = "GB18030";
    content.rawLines = bytes.split('\n');
    if (!content.rawLines.isEmpty() && content.rawLines.last().isEmpty())
        content.rawLines.removeLast();
    for (const QByteArray &raw : std::as_const(content.rawLines)) {
        QString line = decode(raw, content.encoding);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        content.lines << line;
    }
    if (!content.lines.isEmpty() && content.lines.first().startsWith(QChar(0xFEFF)))
        content.lines.first().remove(0, 1);
    return content;
}

QString IniFile::decode(const QByteArray &bytes, const QByteArray &encoding) {
    QStringDecoder decoder(encoding.constData());
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromUtf8(bytes);
}

QByteArray IniFile::encode(const QString &text, const QByteArray &encoding) {
    QStringEncoder encoder(encoding.constData());
    return encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toUtf8();
}

QStringList IniFile::readLines() const { return read().lines; }

QString IniFile::readString(const QString &section, const QString &key,
                            const QString &defaultValue) const {
    bool inSection = false;
    for (const QString &line : readLines()) {
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        const auto lineKey = keyOf(line);
        if (lineKey && sameName(*lineKey, key))
            return valueOf(line);
    }
    return defaultValue;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const {
    bool ok = false;
    const int value = readString(section, key).toInt(&ok);
    return ok ? value : defaultValue;
}

// Only the line of the key changes (or one or two lines are added); every other byte of the
// file, its encoding and its line ends stay as they were.
bool IniFile::writeString(const QString &section, const QString &key, const QString &value) {
    Content content = read();
    const QStringList &lines = content.lines;
    const QString newLine = key + QLatin1Char('=') + singleLine(value);
    const bool crlf = !content.rawLines.isEmpty() && content.rawLines.first().endsWith('\r');
    const auto raw = [&](const QString &line) {
        return encode(line, content.encoding) + (crlf ? QByteArray("\r") : QByteArray());
    };

    bool inSection = false;
    qsizetype sectionEnd = -1; // index after the last non-blank line of the section
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (inSection)
                break;
            inSection = sameName(*name, section);
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        const auto lineKey = keyOf(lines[i]);
        if (lineKey && sameName(*lineKey, key)) {
            content.rawLines[i] = raw(newLine);
            sectionEnd = -2;
            break;
        }
        if (!lines[i].trimmed().isEmpty())
            sectionEnd = i + 1;
    }
    if (sectionEnd >= 0) {
        content.rawLines.insert(sectionEnd, raw(newLine));
    } else if (sectionEnd == -1) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            content.rawLines.append(raw(QString()));
        content.rawLines.append(raw(QLatin1Char('[') + section + QLatin1Char(']')));
        content.rawLines.append(raw(newLine));
        content.endsWithNewline = true;
    }

    if (!writeFailureForTesting().isEmpty()) {
        m_lastError = writeFailureForTesting();
        return false;
    }
    QByteArray bytes = content.rawLines.join('\n');
    if (content.endsWithNewline)
        bytes += '\n';
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
        if (file.commit())
            return true;
    }
    m_lastError = file.errorString();
    return false;
}

void IniFile::failWritesForTesting(const QString &reason) { writeFailureForTesting() = reason; }

bool IniFile::writeInteger(const QString &section, const QString &key, int value) {
    return writeString(section, key, QString::number(value));
}
