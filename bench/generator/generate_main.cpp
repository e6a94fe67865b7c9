// zorbsets-generate COUNT PATH [SEED]: writes a new register with COUNT generated items.
#include "RegisterGenerator.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2 || args.size() > 3) {
        err << "usage: zorbsets-generate COUNT PATH [SEED]\n";
        return 2;
    }
    RegisterGenerator::Options options;
    bool countOk = false;
    bool seedOk = true;
    options.items = args[0].toLongLong(&countOk);
    if (args.size() == 3)
        options.seed = args[2].toULongLong(&seedOk);
    if (!countOk || options.items < 0 || !seedOk) {
        err << "zorbsets-generate: COUNT must be a whole number >= 0 and SEED a whole number\n";
        return 2;
    }

    RegisterGenerator::Result result;
    QString error;
    if (!RegisterGenerator::generate(args[1], options, &result, &error)) {
        err << "zorbsets-generate: " << error << "\n";
        return 1;
    }
    out << result.items << " items, " << result.repairs << " repair records in "
        << QString::number(result.createSeconds + result.fillSeconds, 'f', 2)
        << " s (empty database " << QString::number(result.createSeconds, 'f', 2) << " s, rows "
        << QString::number(result.fillSeconds, 'f', 2) << " s)\n";
    return 0;
}
