#pragma once

#include "core/app/UserDialogs.h"

// The desktop's dialogs: modal message boxes in the application's language, and the platform's
// file and folder dialogs, each over the window that is active when they are asked for.
class QtUserDialogs final : public UserDialogs {
public:
    int showMessage(const QString &text, int kind, int defaultAnswer) override;
    QString openFileName(const QString &title, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(const QString &title, const QString &folder,
                         const QString &filter) override;
    QString existingFolder(const QString &title, const QString &folder) override;
    std::optional<QString> inputText(const QString &title, const QString &prompt,
                                     const QString &initial) override;
    bool openUrl(const QUrl &url) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
};
