#include "Registers.h"

#include "RegisterGenerator.h"
#include "core/schema/Schema.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

std::optional<QString> Registers::path(qint64 items, QString *error) {
    const QString file =
        QDir(m_folder).absoluteFilePath(QStringLiteral("items-%1-schema%2-gen%3.db")
                                            .arg(items)
                                            .arg(Schema::Version)
                                            .arg(RegisterGenerator::Version));
    if (QFileInfo(file).isFile())
        return file;

    QTextStream err(stderr);
    err << "generating " << file << " ...\n";
    err.flush();
    RegisterGenerator::Options options;
    options.items = items;
    RegisterGenerator::Result result;
    if (!RegisterGenerator::generate(file, options, &result, error))
        return std::nullopt;
    err << "  " << result.items << " items, " << result.repairs << " repair records in "
        << QString::number(result.createSeconds + result.fillSeconds, 'f', 2) << " s\n";
    return file;
}
