#include "core/app/IniFile.h"

#include <QFile>
#include <QSaveFile>

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

QStringList IniFile::readLines() const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

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

bool IniFile::writeString(const QString &section, const QString &key, const QString &value) {
    QStringList lines = readLines();
    const QString newLine = key + QLatin1Char('=') + singleLine(value);

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
            lines[i] = newLine;
            sectionEnd = -2;
            break;
        }
        if (!lines[i].trimmed().isEmpty())
            sectionEnd = i + 1;
    }
    if (sectionEnd >= 0) {
        lines.insert(sectionEnd, newLine);
    } else if (sectionEnd == -1) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        lines.append(newLine);
    }

    if (!writeFailureForTesting().isEmpty()) {
        m_lastError = writeFailureForTesting();
        return false;
    }
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
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
