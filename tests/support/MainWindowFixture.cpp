#include "MainWindowFixture.h"

#include "app/PubUnit.h"
#include "register/uFrmMain.h"
#include "security/Permissions.h"

#include <QTest>

MainWindowFixture::MainWindowFixture(const std::function<void(TdmData &)> &seed,
                                     const QString &operatorName) {
    seed(env.dm());
    PubUnit::CurrentOperator = operatorName;
    window = std::make_unique<TFrmMain>(env.dm());
    SetLimits(env.dm(), window.get(), operatorName);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

MainWindowFixture::~MainWindowFixture() {
    env.dialogs().answers << MessYes;
    window->close();
}
