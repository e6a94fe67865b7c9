// Shows the register's windows on a sample register and saves what they look like:
//   zorbsets-screenshots OUTPUT-FOLDER
// Run it on a real display server (scripts/screenshots uses Xvfb) to see what users see.
#include "SampleRegister.h"
#include "core/app/AppPaths.h"
#include "core/data/Database.h"
#include "core/app/AppSettings.h"
#include "gui/register/MainWindow.h"
#include "core/schema/DatabaseFile.h"
#include "gui/register/EquipmentEditor.h"
#include "gui/security/CommandPermissions.h"
#include "gui/settings/TreeCodeWindow.h"
#include "gui/widgets/DataGrid.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

namespace {

void settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

bool save(QWidget *window, const QString &path) {
    settle();
    const bool ok = window->grab().save(path);
    QTextStream(stdout) << (ok ? "wrote " : "could not write ") << path << Qt::endl;
    return ok;
}

// Saves the modal window that `open` shows, then closes it.
bool saveModal(const QString &path, const std::function<void()> &open,
               const std::function<void(QWidget *)> &prepare = {}) {
    bool ok = false;
    QTimer::singleShot(300, [&] {
        if (QWidget *window = QApplication::activeModalWidget()) {
            if (prepare)
                prepare(window);
            ok = save(window, path);
            window->close();
        }
    });
    open();
    return ok;
}

void useApplicationFont(QApplication &app) {
    if (QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK SC"))) {
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPointSize(10);
        app.setFont(font);
    }
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: zorbsets-screenshots OUTPUT-FOLDER" << Qt::endl;
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(output.path());
    QTemporaryDir home;
    qputenv(AppPaths::HomeVariable, QFile::encodeName(home.path()));
    useApplicationFont(app);

    const QString database = AppPaths::databaseFileIn(AppPaths::defaultDataFolder());
    Database dm;
    QString error;
    if (!DatabaseFile::create(database, &error) || !dm.connectTo(database, &error) ||
        !FillSampleRegister(dm)) {
        QTextStream(stderr) << "cannot prepare the sample register: " << error << Qt::endl;
        return 1;
    }

    AppSettings::CurrentOperator = QStringLiteral("admin");
    MainWindow main(dm);
    SetLimits(dm, &main, AppSettings::CurrentOperator);
    main.showOperator(AppSettings::CurrentOperator, QDateTime::currentDateTime());
    main.resize(1280, 800);
    main.show();
    settle();
    if (auto *grid = main.findChild<DataGrid *>(QStringLiteral("DBGridEh1")))
        grid->setCurrentRow(2);
    bool ok = save(&main, output.filePath(QStringLiteral("main-window.png")));
    ok = saveModal(output.filePath(QStringLiteral("equipment-editor.png")),
                   [&] { main.openEquipmentEditor(EquipmentEditor::Mode::EditItem, main.treePicker()); }) &&
         ok;
    ok = saveModal(output.filePath(QStringLiteral("tree-window.png")),
                   [&] { ManageTreeCodes(dm, TreeMode::ManageTypes, &main); },
                   [](QWidget *window) {
                       if (auto *tree = window->findChild<QTreeWidget *>())
                           tree->expandAll();
                   }) &&
         ok;
    main.hide();
    return ok ? 0 : 1;
}
