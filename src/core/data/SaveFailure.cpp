#include "core/data/SaveFailure.h"

#include "core/data/Database.h"

#include <QCoreApplication>
#include <QRegularExpression>

QString SaveFailureCause(const Database &dm,
                         const std::function<QString(const QString &column)> &fieldCaption) {
    QString cause;
    switch (dm.lastFailure()) {
    case Database::Failure::Busy:
        cause = QCoreApplication::translate("SaveFailure",
                                            "其他操作员正在保存，数据库忙，请稍后再试。");
        break;
    case Database::Failure::ReadOnly:
        cause = QCoreApplication::translate("SaveFailure", "数据库文件是只读的，不能保存。");
        break;
    case Database::Failure::DiskFull:
        cause = QCoreApplication::translate("SaveFailure", "磁盘已满。");
        break;
    case Database::Failure::Damaged:
        cause = QCoreApplication::translate("SaveFailure", "数据库文件已损坏。");
        break;
    case Database::Failure::Constraint: {
        // The schema's checks read "length(F_name) <= 100".
        static const QRegularExpression length(QStringLiteral("length\\((\\w+)\\)\\s*<=\\s*(\\d+)"));
        const QRegularExpressionMatch match = length.match(dm.lastError());
        if (!match.hasMatch())
            break;
        QString field = fieldCaption ? fieldCaption(match.captured(1)) : QString();
        if (field.isEmpty())
            field = match.captured(1);
        cause = QCoreApplication::translate("SaveFailure", "“%1”的内容太长，最多 %2 个字。")
                    .arg(field, match.captured(2));
        break;
    }
    case Database::Failure::Other:
        break;
    }
    return cause.isEmpty() ? QString() : QCoreApplication::translate("SaveFailure", "原因：") + cause;
}
