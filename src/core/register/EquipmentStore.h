#pragma once

#include "core/data/SqlStatement.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

class RecordSet;
class Database;

// One equipment item (a row of Sets) as the equipment editor edits it. The columns it has no
// control for (F_buildCode, F_ZF1 .. F_ZF5, F_SZ2 .. F_SZ5) are not part of it: an update
// leaves them as they are and an insert leaves them empty.
struct EquipmentRecord {
    QString code;                   // F_code, required and unique
    QString name;                   // F_name, required
    QString jsCode;                 // F_JScode, the host number
    QString type;                   // F_type, a path of the type tree
    QString spec;                   // F_spec
    QString factory;                // F_factory
    std::optional<QDate> buildDate; // F_buildDate; nothing is "no date"
    std::optional<QDate> buyDate;   // F_buyDate; nothing is "no date"
    double amount = 0;              // F_amount
    double price = 0;               // F_price
    QString unit;                   // F_unit
    double originValue = 0;         // F_OriginValue
    double otherCosts = 0;          // F_SZ1
    double totalPrice = 0;          // F_totalprice
    QDate beginDate;                // F_beginDate
    QString address;                // F_address
    QString useDept;                // F_useDept, a path of the department tree
    QString useStatus;              // F_useStatus
    QString memo1;                  // F_memo1, acceptance and use
    QString useEmp;                 // F_useEmp
    QString operEmp;                // F_OperEmp
    QString memo2;                  // F_memo2, notes
    QDate editDate;                 // F_editDate
    bool stopped = false;           // F_useFlag
    qint64 stamp = 0;               // F_stamp as loaded: an update writes only while it holds
};

// The fields of a row of an open list of Sets. A build or buy date stored below 1901-08-14 (the
// no-date value 1900-08-14, an empty text) is "no date"; a missing begin or edit date is an
// invalid QDate.
EquipmentRecord LoadEquipment(const RecordSet &records, int row);

// Why an item cannot be saved, and the field to put the focus on.
struct EquipmentProblem {
    enum Field { Name, Code };
    Field field;
    QString message;
};

// The checks before a save, in the order the user sees them: a name, a code, and a code no
// other item has (letter case ignored, as the database compares codes). `editId` is the key of
// the item being edited, nothing for a new one.
std::optional<EquipmentProblem> CheckEquipment(Database &dm, const EquipmentRecord &record,
                                               std::optional<qint64> editId);

// What became of a save.
struct EquipmentSave {
    enum Status {
        Saved,
        ChangedMeanwhile, // another user changed the item after it was loaded
        Refused,          // the database refused it (a text longer than its column, say)
    };
    Status status = Refused;
    qint64 id = 0; // the item's key (F_ID) when saved
    explicit operator bool() const { return status == Saved; }
};

// Writes the item in one transaction, texts trimmed. `editId` updates that row, and only while
// it still carries the stamp the record was loaded with; nothing inserts a new one. Either way
// the row's F_cltID ends up equal to its F_ID. Unless saved, nothing is written; nothing is
// shown.
EquipmentSave SaveEquipment(Database &dm, const EquipmentRecord &record,
                            std::optional<qint64> editId);

// The detail rows of the item with key `itemId` (F_ID) for the detail pages: accessories,
// pictures and documents. An invalid key gives statements that find nothing.
SqlStatement AccessoriesOf(const QVariant &itemId);
SqlStatement PicturesOf(const QVariant &itemId);
SqlStatement DocumentsOf(const QVariant &itemId);

// The units items have been given, for the editor's pick-list.
SqlStatement UnitPickListSql();

// Deletes an item with its accessories, documents and picture rows in one transaction; its
// repair, transfer and acceptance records stay. `identity` is its F_cltID; an item without one
// (0, as some imports leave it) is deleted by its key `id`. False, and nothing deleted, when the
// database refused; nothing is shown.
bool DeleteEquipment(Database &dm, qint64 identity, qint64 id);

// Deletes the rows an import left with neither code nor name. Shows the data module's message
// when the database refuses.
bool RemoveEmptyImportedItems(Database &dm);

// The tree path columns of an item that the bulk change sets.
enum class EquipmentPath { Type, Department };

// What became of a change of many items at once.
struct BulkChange {
    enum Outcome {
        Changed,   // every item
        Cancelled, // by the user; nothing changed
        TooLong,   // the value does not fit the column; nothing changed
        Locked,    // another user kept the register busy past the busy wait; nothing changed
        Failed,    // the database refused for another reason (`cause`); nothing changed
    };
    Outcome outcome = Failed;
    QString cause;
};

// Sets the type or department path of the items with the keys `ids`, all in one transaction:
// every one of them, or none. `progress(done)` is told after each item and cancels by returning
// false. Waits for another user's save at most once, at the start. Nothing is shown.
BulkChange SetEquipmentPaths(Database &dm, EquipmentPath column, const QString &path,
                             const QVariantList &ids, const std::function<bool(int)> &progress = {});
