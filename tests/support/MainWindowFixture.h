#pragma once

#include "TestEnv.h"

#include <functional>
#include <memory>

class MainWindow;

// A main window shown over a fresh register that `seed` fills, with `operatorName` logged in
// and its permissions applied. Closing it at the end answers the exit question.
struct MainWindowFixture {
    TestEnv env;
    std::unique_ptr<MainWindow> window;

    explicit MainWindowFixture(const std::function<void(Database &)> &seed,
                               const QString &operatorName = QStringLiteral("admin"));
    ~MainWindowFixture();
};
