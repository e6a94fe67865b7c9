#include "core/maintenance/CommandLine.h"
#include "gui/app/StartUp.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (RunsWithoutDesktop(arguments)) {
        QCoreApplication console(argc, argv);
        return *RunCommandLine(arguments);
    }
    QApplication app(argc, argv);
    return RunApplication(app);
}
