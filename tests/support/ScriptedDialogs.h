#pragma once

#include "core/app/UserDialogs.h"

#include <QList>
#include <QStringList>

// The dialogs of a test: every message is recorded, questions take queued answers, file and
// folder dialogs and input boxes take queued results. An exhausted queue answers "no" or
// "cancel" and is recorded as unexpected, so a test that forgot a dialog fails instead of
// hanging on a real one.
class ScriptedDialogs final : public UserDialogs {
public:
    struct Message {
        QString text;
        int kind;
        int defaultAnswer;
    };

    QList<Message> messages;
    QList<int> answers;
    QStringList fileNames; // for open and save dialogs; "" cancels
    QStringList folders;
    QList<std::optional<QString>> inputs;

    QList<QUrl> openedUrls;
    QStringList startedPrograms;
    bool programsStart = true; // what startProgram answers

    QStringList askedTitles; // titles of the file, folder and input dialogs shown, in order
    QStringList unexpected;  // dialogs that found their queue empty

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

    QStringList messageTexts() const;
    bool wasShown(const QString &text, int kind) const;
};
