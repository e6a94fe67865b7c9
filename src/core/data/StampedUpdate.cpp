#include "core/data/StampedUpdate.h"

#include "core/data/Database.h"
#include "core/schema/Schema.h"

QString RaiseStamp() {
    return QStringLiteral("%1 = %1 + 1").arg(QLatin1String(Schema::StampColumn));
}

StampedWrite UpdateIfUnchanged(Database &dm, const QString &table, const QStringList &assignments,
                               const QVariantList &values, qint64 id, qint64 stamp) {
    const QString stampColumn = QLatin1String(Schema::StampColumn);
    const SqlStatement update(QStringLiteral("update %1 set %2 where F_ID = ? and %3 = ?")
                                  .arg(table, (assignments + QStringList{RaiseStamp()}).join(u','),
                                       stampColumn),
                              values + QVariantList{id, stamp});
    Transaction transaction(dm);
    if (!transaction.isActive())
        return StampedWrite::Failed;
    const std::optional<int> changed = dm.ExecuteCounting(update);
    if (!changed)
        return StampedWrite::Failed;
    if (*changed == 0) {
        const QString still = dm.GetSQLValue(SqlStatement(
            QStringLiteral("select count(*) from %1 where F_ID = ?").arg(table), {id}));
        return still.toInt() > 0 ? StampedWrite::ChangedMeanwhile : StampedWrite::Gone;
    }
    return transaction.commit() ? StampedWrite::Written : StampedWrite::Failed;
}
