#include "core/app/AppSettings.h"

#include "core/app/AppPaths.h"
#include "core/app/IniFile.h"

#include <QCoreApplication>

#include <memory>

namespace AppSettings {

// Functions rather than constants, so the texts follow the translation installed at start-up.
QString ProductName() {
    return QCoreApplication::translate("AppSettings", "檀昕设备管理软件 ");
}
QString ProductVersion() {
    return QCoreApplication::translate("AppSettings", "v2.05(企业版) ");
}
QString ApplicationTitle() {
    return QCoreApplication::translate("AppSettings", "檀昕设备管理软件(企业版)");
}

QString CurrentOperator;
int BackupPolicy = 0;

namespace {

std::unique_ptr<IniFile> &configFileHandle() {
    static std::unique_ptr<IniFile> handle;
    return handle;
}

} // namespace

IniFile &ConfigFile() {
    auto &handle = configFileHandle();
    if (!handle)
        handle = std::make_unique<IniFile>(AppPaths::configFilePath());
    return *handle;
}

void ResetConfigFile() { configFileHandle().reset(); }

} // namespace AppSettings
