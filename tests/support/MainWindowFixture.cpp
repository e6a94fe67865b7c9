#include "MainWindowFixture.h"

#include "core/app/AppSettings.h"
#include "gui/register/MainWindow.h"
#include "gui/security/CommandPermissions.h"

#include <QTest>

MainWindowFixture::MainWindowFixture(const std::function<void(Database &)> &seed,
                                     const QString &operatorName) {
    seed(env.dm());
    AppSettings::CurrentOperator = operatorName;
    window = std::make_unique<MainWindow>(env.dm());
    SetLimits(env.dm(), window.get(), operatorName);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

MainWindowFixture::~MainWindowFixture() {
    env.dialogs().answers << MessYes;
    window->close();
}
