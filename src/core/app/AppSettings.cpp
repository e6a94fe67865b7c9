#include "core/app/AppSettings.h"

#include "core/app/AppPaths.h"
#include "core/app/IniFile.h"

#include <memory>

namespace AppSettings {

const QString ProductName = QStringLiteral("檀昕设备管理软件 ");
const QString ProductVersion = QStringLiteral("v2.05(企业版) ");
const QString ApplicationTitle = QStringLiteral("檀昕设备管理软件(企业版)");

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
