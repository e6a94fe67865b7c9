#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <optional>

// Kinds of ShowMess messages.
enum MessKind { MessInfo = 0, MessQuestion = 1, MessWarning = 2, MessError = 3 };

// Answers of a MessQuestion.
enum MessAnswer { MessYes = 1, MessNo = 2 };

// Everything that asks the user something: message boxes, file and folder dialogs, one-line
// input boxes. The desktop implementation shows real dialogs; tests install a scripted one that
// records messages and returns queued answers, so any window's confirmations are testable.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // Returns MessYes or MessNo for a question; the result of the other kinds means nothing.
    // `defaultAnswer` is what Enter chooses in a question.
    virtual int showMessage(const QString &text, int kind, int defaultAnswer) = 0;
    // Empty text when the user cancels.
    virtual QString openFileName(const QString &title, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(const QString &title, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString existingFolder(const QString &title, const QString &folder) = 0;
    // Nothing when the user cancels.
    virtual std::optional<QString> inputText(const QString &title, const QString &prompt,
                                             const QString &initial) = 0;
    // Opens a document, folder, web or mail address with the desktop's application for it.
    virtual bool openUrl(const QUrl &url) = 0;
    // Starts a program of the desktop, detached; false when it cannot be started.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;

    // The dialogs in use. Until one is installed, messages go to the standard error stream and
    // every question is answered no, which is what a command-line run needs.
    static UserDialogs &current();
    // Takes ownership; returns the previous one so a test can put it back.
    static std::unique_ptr<UserDialogs> install(std::unique_ptr<UserDialogs> dialogs);
};

// Shows a message of the given kind; for a question returns MessYes or MessNo. Questions whose
// yes destroys something pass MessNo as the default, so a reflexive Enter does no harm.
int ShowMess(const QString &text, int kind, int defaultAnswer = MessYes);
