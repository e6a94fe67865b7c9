#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A plain INI file as the register has always used it: section and key names compared without
// regard to letter case, values trimmed, UTF-8 or (from older Windows installations) GB18030
// text, detected; a write changes only the key's line and keeps every other byte. Every call reads the file afresh and every
// write saves at once, so two handles on the same file (or a hand edit) never overwrite each
// other. A missing or unreadable file reads as empty; the first successful write creates it.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue = {}) const;
    int readInteger(const QString &section, const QString &key, int defaultValue = 0) const;

    // False when the file could not be written; the file is then left as it was, and
    // lastError() says why.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    const QString &lastError() const { return m_lastError; }

    // Makes every write fail with `reason` (empty: writes work again), for tests of what the
    // program does when it cannot remember a setting.
    static void failWritesForTesting(const QString &reason);

private:
    // The file as read: its lines as bytes (without the '\n'), decoded, and how to write it back.
    struct Content {
        QList<QByteArray> rawLines;
        QStringList lines;
        QByteArray encoding = "UTF-8";
        bool endsWithNewline = true;
    };
    Content read() const;
    QStringList readLines() const;
    static QString decode(const QByteArray &bytes, const QByteArray &encoding);
    static QByteArray encode(const QString &text, const QByteArray &encoding);

    QString m_path;
    QString m_lastError;
};
