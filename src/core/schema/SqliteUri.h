#pragma once

#include <QFileInfo>
#include <QString>
#include <QUrl>

// The URI that opens a SQLite file in a given mode: "rw" opens an existing file for reading and
// writing and never creates one, "ro" reads only. Any character of the path survives, since the
// path is percent-encoded.
inline QString SqliteFileUri(const QString &path, const char *mode) {
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
           QStringLiteral("?mode=") + QLatin1String(mode);
}

// Connect options that go with SqliteFileUri.
inline QString SqliteUriOptions() {
    return QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000");
}
