#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

class Database;

// Editors save with the rule that no one's change is lost without a word: a row carries a change
// stamp (Schema::StampColumn) that every update raises; an editor keeps the stamp it loaded and
// writes only while the row still has it. Every editor saves through this.
enum class StampedWrite {
    Written,          // the row had the stamp and now holds the new values
    ChangedMeanwhile, // another user changed the row after it was loaded; nothing was written
    Gone,             // another user deleted the row; nothing was written
    Failed,           // the database refused (lastError() has why); nothing was written
};

// Sets `assignments` ("F_code = ?", "F_cltID = F_ID", …, their values in `values`) on the row
// `id` of `table` and raises its stamp, in a transaction of its own, only while the row still
// carries `stamp`. `table` and the assignments come from the program, never from the user.
StampedWrite UpdateIfUnchanged(Database &dm, const QString &table, const QStringList &assignments,
                               const QVariantList &values, qint64 id, qint64 stamp);

// The assignment that raises the stamp, for updates that change rows without an editor (a bulk
// change), so that an editor open on one of them learns of it.
QString RaiseStamp();
