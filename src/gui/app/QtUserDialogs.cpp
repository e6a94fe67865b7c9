#include "gui/app/QtUserDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

struct KindLook {
    QMessageBox::Icon icon;
    const char *title; // marked for translation, translated where the box is made
};

KindLook lookOf(int kind) {
    switch (kind) {
    case MessQuestion:
        return {QMessageBox::Question, QT_TRANSLATE_NOOP("QtUserDialogs", "询问")};
    case MessWarning:
        return {QMessageBox::Warning, QT_TRANSLATE_NOOP("QtUserDialogs", "警告")};
    case MessError:
        return {QMessageBox::Critical, QT_TRANSLATE_NOOP("QtUserDialogs", "错误")};
    default:
        return {QMessageBox::Information, QT_TRANSLATE_NOOP("QtUserDialogs", "提示")};
    }
}

QWidget *activeParent() { return QApplication::activeWindow(); }

} // namespace

int QtUserDialogs::showMessage(const QString &text, int kind, int defaultAnswer) {
    const KindLook look = lookOf(kind);
    QMessageBox box(look.icon, QCoreApplication::translate("QtUserDialogs", look.title), text,
                    QMessageBox::NoButton, activeParent());
    if (kind == MessQuestion) {
        QPushButton *yes = box.addButton(QCoreApplication::translate("QtUserDialogs", "是(&Y)"),
                                          QMessageBox::YesRole);
        QPushButton *no = box.addButton(QCoreApplication::translate("QtUserDialogs", "否(&N)"),
                                         QMessageBox::NoRole);
        box.setDefaultButton(defaultAnswer == MessNo ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MessYes : MessNo;
    }
    box.addButton(QCoreApplication::translate("QtUserDialogs", "确定"), QMessageBox::AcceptRole);
    box.exec();
    return 0;
}

QString QtUserDialogs::openFileName(const QString &title, const QString &folder,
                                    const QString &filter) {
    return QFileDialog::getOpenFileName(activeParent(), title, folder, filter);
}

QString QtUserDialogs::saveFileName(const QString &title, const QString &folder,
                                    const QString &filter) {
    return QFileDialog::getSaveFileName(activeParent(), title, folder, filter);
}

QString QtUserDialogs::existingFolder(const QString &title, const QString &folder) {
    return QFileDialog::getExistingDirectory(activeParent(), title, folder);
}

std::optional<QString> QtUserDialogs::inputText(const QString &title, const QString &prompt,
                                                const QString &initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(activeParent(), title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

bool QtUserDialogs::openUrl(const QUrl &url) { return QDesktopServices::openUrl(url); }

bool QtUserDialogs::startProgram(const QString &program, const QStringList &arguments) {
    return QProcess::startDetached(program, arguments);
}
