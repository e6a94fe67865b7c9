#pragma once

#include "ScriptedDialogs.h"
#include "core/data/Database.h"

#include <QTemporaryDir>

#include <memory>

// A fresh application folder for one test: ZORBSETS_HOME and the user's settings point into a
// temporary folder, scripted dialogs are installed, and (unless asked otherwise) data/ holds a
// new database that the data module has open. Everything is undone when it goes.
class TestEnv {
public:
    enum DatabaseChoice { WithDatabase, WithoutDatabase };

    explicit TestEnv(DatabaseChoice database = WithDatabase);
    ~TestEnv();
    TestEnv(const TestEnv &) = delete;
    TestEnv &operator=(const TestEnv &) = delete;

    QString folder() const { return m_dir.path(); }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    QString databasePath() const;

    Database &dm() { return *m_dm; }
    ScriptedDialogs &dialogs() { return *m_dialogs; }

    // A copy of a new, empty register database at `path` (made once per test run, because
    // hashing the administrator's password is deliberately slow).
    static void copyEmptyDatabase(const QString &path);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_dm;
    ScriptedDialogs *m_dialogs;
    std::unique_ptr<UserDialogs> m_previousDialogs;
};

// The folder of the third-party test files.
QString TestDataPath(const QString &relative);

// One column of a row a test inserts, and its value.
using ColumnValues = QList<QPair<QString, QVariant>>;

// Inserts one equipment item (a row of Sets) with the given columns; false on a database error.
// Column names come from the test, values are bound.
bool InsertItem(Database &dm, const ColumnValues &columns);

// Writes `content` to `path`, replacing any file there: a damaged, empty or foreign file where a
// database is expected.
bool WriteJunkFile(const QString &path, const QByteArray &content);
