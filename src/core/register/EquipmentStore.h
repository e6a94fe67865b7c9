#pragma once

#include <QDate>
#include <QString>

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

// Writes the item in one transaction, texts trimmed, and returns its key (F_ID); nothing when
// the database refused it (a text longer than its column, say), in which case nothing is
// written and nothing is shown. `editId` updates that row, nothing inserts a new one. Either way
// the row's F_cltID ends up equal to its F_ID.
std::optional<qint64> SaveEquipment(Database &dm, const EquipmentRecord &record,
                                    std::optional<qint64> editId);
