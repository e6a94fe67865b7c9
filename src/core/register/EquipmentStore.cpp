#include "core/register/EquipmentStore.h"

#include "core/data/Database.h"
#include "core/data/RecordSet.h"
#include "core/data/StampedUpdate.h"
#include "core/schema/Schema.h"

#include <QCoreApplication>
#include <QRandomGenerator>

namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd");

// The columns the editor writes, in the order of recordValues().
const QStringList EditedColumns = {
    "F_code",      "F_name",    "F_JScode",   "F_type",      "F_spec",  "F_factory",
    "F_buildDate", "F_buyDate", "F_amount",   "F_price",     "F_unit",  "F_OriginValue",
    "F_beginDate", "F_address", "F_useDept",  "F_useStatus", "F_memo1", "F_useEmp",
    "F_OperEmp",   "F_memo2",   "F_editDate", "F_useFlag",   "F_SZ1",   "F_totalprice"};

QVariant openDate(const std::optional<QDate> &date) {
    return date ? date->toString(DateFormat) : QString::fromLatin1(Schema::NoDate);
}

QVariant requiredDate(const QDate &date) {
    return date.isValid() ? QVariant(date.toString(DateFormat))
                          : QVariant(QMetaType::fromType<QString>());
}

// A text left empty is stored as empty text, never as NULL, so a search for '' finds it.
QString text(const QString &value) {
    const QString trimmed = value.trimmed();
    return trimmed.isNull() ? QStringLiteral("") : trimmed;
}

QVariantList recordValues(const EquipmentRecord &r) {
    return {text(r.code),              text(r.name),          text(r.jsCode),
            text(r.type),              text(r.spec),          text(r.factory),
            openDate(r.buildDate),     openDate(r.buyDate),   r.amount,
            r.price,                   text(r.unit),          r.originValue,
            requiredDate(r.beginDate), text(r.address),       text(r.useDept),
            text(r.useStatus),         text(r.memo1),         text(r.useEmp),
            text(r.operEmp),           text(r.memo2),         requiredDate(r.editDate),
            int(r.stopped),            r.otherCosts,          r.totalPrice};
}

std::optional<QDate> storedOpenDate(const QVariant &value) {
    const QString text = value.toString();
    if (text.left(10) < QLatin1String(Schema::FirstRealDate))
        return std::nullopt;
    const QDate date = QDate::fromString(text.left(10), DateFormat);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

QDate storedDate(const QVariant &value) {
    return QDate::fromString(value.toString().left(10), DateFormat);
}

// A value no row's F_cltID holds, that marks the row an insert wrote until the row's own key
// replaces it. Keys are positive and rows not yet given an identity hold 0, so it is negative.
qint64 provisionalIdentity() {
    return -qint64(QRandomGenerator::system()->generate64() >> 2) - 1;
}

// The key the database gives a new row cannot be known beforehand (with AUTOINCREMENT it is not
// the largest key plus one once the newest item has been deleted, and other users may insert at
// the same moment), nor read back through a statement both SQLite and PostgreSQL know. So the
// row is inserted with a provisional identity no other row can hold, and the same transaction
// then copies the row's own key over it: the identity is right whoever else is inserting.
std::optional<qint64> insertEquipment(Database &dm, const EquipmentRecord &record) {
    const qint64 provisional = provisionalIdentity();
    const QString placeholders = QStringLiteral("?,").repeated(EditedColumns.size()) + u'?';
    const SqlStatement insert(QStringLiteral("insert into Sets(F_cltID,%1) values(%2)")
                                  .arg(EditedColumns.join(u','), placeholders),
                              QVariantList{provisional} + recordValues(record));
    const SqlStatement identity(QStringLiteral("update Sets set F_cltID = F_ID where F_cltID = ?"),
                                {provisional});
    if (!dm.ExecuteAll({insert, identity}))
        return std::nullopt;
    // The code was just checked to be unique; should another user have saved the same code at
    // the same moment, the newer of the two rows is the one to show.
    const QString key = dm.GetSQLValue(
        SqlStatement(QStringLiteral("select max(F_ID) from Sets where F_code = ? and "
                                    "F_cltID = F_ID"),
                     {record.code.trimmed()}));
    return key.isEmpty() ? std::nullopt : std::optional<qint64>(key.toLongLong());
}

EquipmentSave updateEquipment(Database &dm, const EquipmentRecord &record, qint64 id) {
    QStringList assignments = {QStringLiteral("F_cltID = F_ID")};
    for (const QString &column : EditedColumns)
        assignments << column + QStringLiteral(" = ?");
    switch (UpdateIfUnchanged(dm, QStringLiteral("Sets"), assignments, recordValues(record), id,
                              record.stamp)) {
    case StampedWrite::Written:
        return {EquipmentSave::Saved, id};
    case StampedWrite::ChangedMeanwhile:
        return {EquipmentSave::ChangedMeanwhile, id};
    case StampedWrite::Gone: // deleted by another user: there is nothing to save into
    case StampedWrite::Failed:
        break;
    }
    return {EquipmentSave::Refused, id};
}

} // namespace

EquipmentRecord LoadEquipment(const RecordSet &records, int row) {
    const auto text = [&](const char *field) {
        return records.value(row, QString::fromLatin1(field)).toString();
    };
    const auto number = [&](const char *field) {
        return records.value(row, QString::fromLatin1(field)).toDouble();
    };
    const auto raw = [&](const char *field) {
        return records.value(row, QString::fromLatin1(field));
    };
    EquipmentRecord r;
    r.code = text("F_code");
    r.name = text("F_name");
    r.jsCode = text("F_JScode");
    r.type = text("F_type");
    r.spec = text("F_spec");
    r.factory = text("F_factory");
    r.buildDate = storedOpenDate(raw("F_buildDate"));
    r.buyDate = storedOpenDate(raw("F_buyDate"));
    r.amount = number("F_amount");
    r.price = number("F_price");
    r.unit = text("F_unit");
    r.originValue = number("F_OriginValue");
    r.otherCosts = number("F_SZ1");
    r.totalPrice = number("F_totalprice");
    r.beginDate = storedDate(raw("F_beginDate"));
    r.address = text("F_address");
    r.useDept = text("F_useDept");
    r.useStatus = text("F_useStatus");
    r.memo1 = text("F_memo1");
    r.useEmp = text("F_useEmp");
    r.operEmp = text("F_OperEmp");
    r.memo2 = text("F_memo2");
    r.editDate = storedDate(raw("F_editDate"));
    r.stopped = raw("F_useFlag").toBool();
    r.stamp = raw(Schema::StampColumn).toLongLong();
    return r;
}

std::optional<EquipmentProblem> CheckEquipment(Database &dm, const EquipmentRecord &record,
                                               std::optional<qint64> editId) {
    if (record.name.trimmed().isEmpty())
        return EquipmentProblem{
            EquipmentProblem::Name,
            QCoreApplication::translate("EquipmentStore", "当前设备名称不能为空！")};
    const QString code = record.code.trimmed();
    if (code.isEmpty())
        return EquipmentProblem{
            EquipmentProblem::Code,
            QCoreApplication::translate("EquipmentStore", "当前设备编号不能为空！")};
    const int other = dm.GetSQLInt(
        SqlStatement(QStringLiteral("select F_ID from Sets where F_code = ? and F_ID <> ?"),
                     {code, editId.value_or(0)}));
    if (other > 0)
        return EquipmentProblem{
            EquipmentProblem::Code,
            QCoreApplication::translate("EquipmentStore", "设备编号重复，请重新输入！")};
    return std::nullopt;
}

EquipmentSave SaveEquipment(Database &dm, const EquipmentRecord &record,
                                    std::optional<qint64> editId) {
    if (editId)
        return updateEquipment(dm, record, *editId);
    const std::optional<qint64> id = insertEquipment(dm, record);
    return id ? EquipmentSave{EquipmentSave::Saved, *id} : EquipmentSave{};
}

namespace {

// The rows of one detail table that hang on an item; no key finds nothing.
SqlStatement detailRows(const char *table, const QVariant &itemId) {
    return SqlStatement(
        QStringLiteral("select * from %1 where F_mainID = ?").arg(QLatin1String(table)),
        {itemId.isValid() ? itemId : QVariant(-1)});
}

} // namespace

SqlStatement AccessoriesOf(const QVariant &itemId) {
    return detailRows("t_SetREC", itemId);
}

SqlStatement PicturesOf(const QVariant &itemId) {
    return detailRows("t_ImageREC", itemId);
}

SqlStatement DocumentsOf(const QVariant &itemId) {
    return detailRows("t_FileREC", itemId);
}

SqlStatement UnitPickListSql() {
    return SqlStatement(QStringLiteral("select distinct F_unit from Sets where F_unit <> ''"));
}

bool DeleteEquipment(Database &dm, qint64 identity, qint64 id) {
    return dm.ExecuteAll({
        SqlStatement(QStringLiteral("delete from t_setREC where F_mainID = ?"), {identity}),
        SqlStatement(QStringLiteral("delete from t_fileREC where F_mainID = ?"), {identity}),
        SqlStatement(QStringLiteral("delete from t_imageREC where F_mainID = ?"), {identity}),
        identity > 0
            ? SqlStatement(QStringLiteral("delete from SETs where F_cltID = ?"), {identity})
            : SqlStatement(QStringLiteral("delete from SETs where F_ID = ?"), {id}),
    });
}

bool RemoveEmptyImportedItems(Database &dm) {
    return dm.ExecuteSQL(QStringLiteral("delete from sets where F_code = '' and F_name = '' "));
}

BulkChange SetEquipmentPaths(Database &dm, EquipmentPath column, const QString &path,
                             const QVariantList &ids, const std::function<bool(int)> &progress) {
    const auto failure = [&dm] {
        switch (dm.lastFailure()) {
        case Database::Failure::Busy:
            return BulkChange{BulkChange::Locked, dm.lastError()};
        case Database::Failure::Constraint:
            return BulkChange{BulkChange::TooLong, dm.lastError()};
        case Database::Failure::Other:
            break;
        }
        return BulkChange{BulkChange::Failed, dm.lastError()};
    };
    const QString statement =
        QStringLiteral("update Sets set %1 = ?, %2 where F_ID = ?")
            .arg(column == EquipmentPath::Type ? QStringLiteral("F_type")
                                               : QStringLiteral("F_useDept"),
                 RaiseStamp());
    Transaction transaction(dm);
    if (!transaction.isActive())
        return failure();
    for (int done = 0; done < ids.size(); ++done) {
        if (!dm.ExecuteCounting(SqlStatement(statement, {path, ids[done]})))
            return failure();
        if (progress && !progress(done + 1))
            return {BulkChange::Cancelled, {}};
    }
    if (!transaction.commit())
        return failure();
    return {BulkChange::Changed, {}};
}
