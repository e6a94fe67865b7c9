#include "core/app/AppSettings.h"

#include "core/app/AppPaths.h"
#include "core/app/IniFile.h"
#include "core/imaging/JpegCodec.h"
#include "core/app/UserDialogs.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QVariant>

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

QObject *findByName(QObject *form, const QString &name) {
    if (form->objectName().compare(name, Qt::CaseInsensitive) == 0)
        return form;
    const QList<QObject *> children = form->findChildren<QObject *>();
    for (QObject *child : children) {
        if (child->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return child;
    }
    return nullptr;
}

} // namespace

IniFile &ConfigFile() {
    auto &handle = configFileHandle();
    if (!handle)
        handle = std::make_unique<IniFile>(AppPaths::configFilePath());
    return *handle;
}

void ResetConfigFile() { configFileHandle().reset(); }

bool ConfirmExit() {
    return ShowMess(QStringLiteral("真的要退出“") + ProductName + QStringLiteral("”软件吗？"),
                    MessQuestion) == MessYes;
}

void EnableNavButtons(QObject *form, bool enabled) {
    static const char *const names[] = {"tbFirst", "tbPrior", "tbNext",  "tbLast",
                                        "tbPrint", "tbSet",   "tbExpert"};
    if (!form)
        return;
    for (const char *name : names) {
        QObject *control = findByName(form, QLatin1String(name));
        if (!control)
            return;
        // Buttons and actions both carry the property, so either may stand under the name.
        control->setProperty("enabled", enabled);
    }
}

bool IsJpegFile(const QString &fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
}

bool LoadJpegToBitmap(const QString &fileName, QImage &bitmap, int scaleDenominator) {
    QImage decoded;
    if (!DecodeJpeg(fileName, decoded, scaleDenominator))
        return false;
    bitmap = decoded;
    return true;
}

// The frame runs from (left, top) to (left + width, top + height) inclusive: the first colour
// from the top right corner along the top and down the left side, the second colour along the
// bottom and up the right side, each corner drawn once.
void DrawBevel(QPainter &canvas, int left, int top, int width, int height, int style) {
    const QColor white(255, 255, 255);
    const QColor grey(128, 128, 128);
    const int right = left + width;
    const int bottom = top + height;
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(QPen(style == 1 ? white : grey, 0));
    canvas.drawLine(right, top, left + 1, top);
    canvas.drawLine(left, top, left, bottom - 1);
    canvas.setPen(QPen(style == 1 ? grey : white, 0));
    canvas.drawLine(left, bottom, right - 1, bottom);
    canvas.drawLine(right, bottom, right, top + 1);
    canvas.restore();
}

} // namespace AppSettings
