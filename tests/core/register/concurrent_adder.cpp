// Adds equipment items to a register as fast as it can, so that two of these running at once
// show whether items saved at the same moment can end up with one identity.
//
//   concurrent_adder DATABASE PREFIX COUNT
//
// Opens the database, waits for a line on its standard input (so that two can be started
// together), then saves items PREFIX0001 … PREFIXnnnn. Exit code 0 when every item was saved,
// 1 for wrong arguments, 2 when the database cannot be opened, 3 when a save failed.
#include "core/data/Database.h"
#include "core/register/EquipmentStore.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    bool counted = false;
    const int count = arguments.value(3).toInt(&counted);
    if (arguments.size() != 4 || !counted || count < 1) {
        QTextStream(stderr) << "usage: concurrent_adder DATABASE PREFIX COUNT\n";
        return 1;
    }
    Database dm;
    QString error;
    if (!dm.connectTo(arguments[1], &error)) {
        QTextStream(stderr) << error << '\n';
        return 2;
    }
    QTextStream(stdin).readLine();
    for (int i = 1; i <= count; ++i) {
        EquipmentRecord item;
        item.code = arguments[2] + QString::asprintf("%04d", i);
        item.name = QStringLiteral("并发设备 ") + item.code;
        item.beginDate = QDate::currentDate();
        item.editDate = QDate::currentDate();
        if (!SaveEquipment(dm, item, std::nullopt)) {
            QTextStream(stderr) << "saving " << item.code << " failed: " << dm.lastError() << '\n';
            return 3;
        }
    }
    return 0;
}
