#include "gui/security/CommandPermissions.h"

#include "core/data/Database.h"
#include "core/schema/Catalogues.h"

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QStringList>
#include <QWidget>

namespace {

// The detail commands of the equipment list repeat the first six editing commands.
constexpr int DetailCommandCount = 6;

QAction *commandAction(QWidget *mainWindow, const QString &code) {
    return mainWindow->findChild<QAction *>(QStringLiteral("Action") + code);
}

// Hidden alone would still let code call trigger(); disabled alone would leave the item on view.
// A command the window marks "unavailable" (its window is not there yet) stays disabled.
void allow(QAction *action, bool allowed) {
    if (!action)
        return;
    action->setVisible(allowed);
    action->setEnabled(allowed && !action->property("unavailable").toBool());
}

// Which catalogue codes the operator may use, by code.
QHash<QString, bool> allowedCodes(Database &dm, const QString &operatorName) {
    const bool everything = IsAdministrator(operatorName);
    QHash<QString, bool> allowed;
    for (const auto &permission : Catalogues::permissions()) {
        const QString code = QString::fromLatin1(permission.code);
        allowed.insert(code, everything || dm.HasPermission(code));
    }
    return allowed;
}

void applyToCommands(QWidget *mainWindow, const QHash<QString, bool> &allowed) {
    for (const auto &permission : Catalogues::permissions()) {
        const QString code = QString::fromLatin1(permission.code);
        allow(commandAction(mainWindow, code), allowed.value(code));
    }
}

// A menu whose every command is forbidden would open empty, so it goes, and with it anything
// else it holds.
void applyToMenus(QWidget *mainWindow, const QHash<QString, bool> &allowed) {
    QStringList menus;
    QHash<QString, bool> shown;
    for (const auto &permission : Catalogues::permissions()) {
        const QString menu = QString::fromLatin1(permission.menu);
        if (!menus.contains(menu))
            menus << menu;
        shown[menu] = shown.value(menu) || allowed.value(QString::fromLatin1(permission.code));
    }
    for (const QString &name : std::as_const(menus)) {
        if (auto *menu = mainWindow->findChild<QMenu *>(name))
            allow(menu->menuAction(), shown.value(name));
    }
}

void applyToDetailCommands(QWidget *mainWindow, const QHash<QString, bool> &allowed) {
    for (int i = 1; i <= DetailCommandCount; ++i) {
        const QString master = QString::number(200 + i);
        allow(commandAction(mainWindow, QString::number(900 + i)), allowed.value(master));
    }
}

} // namespace

void SetLimits(Database &dm, QWidget *mainWindow, const QString &operatorName) {
    if (!mainWindow)
        return;
    const QHash<QString, bool> allowed = allowedCodes(dm, operatorName);
    applyToCommands(mainWindow, allowed);
    applyToMenus(mainWindow, allowed);
    applyToDetailCommands(mainWindow, allowed);
}

bool IsAdministrator(const QString &operatorName) {
    return operatorName.trimmed().toLower() == QLatin1String("admin");
}

bool IsCommandAllowed(const QAction *action) {
    return action && action->isVisible() && action->isEnabled();
}

bool MayManageTree(const QWidget *mainWindow, const QString &operatorName, TreeMode mode) {
    if (IsAdministrator(operatorName))
        return true;
    const QString command = mode == TreeMode::ChooseType || mode == TreeMode::ManageTypes
                                ? QStringLiteral("Action105")
                                : QStringLiteral("Action106");
    const QAction *action = mainWindow ? mainWindow->findChild<QAction *>(command) : nullptr;
    return action && action->isVisible();
}
