#include "ScriptedDialogs.h"

namespace {

template <typename T> T takeOr(QList<T> &queue, T fallback, QStringList &unexpected,
                               const QString &what) {
    if (queue.isEmpty()) {
        unexpected << what;
        return fallback;
    }
    return queue.takeFirst();
}

} // namespace

int ScriptedDialogs::showMessage(const QString &text, int kind, int defaultAnswer) {
    messages.append({text, kind, defaultAnswer});
    if (kind != MessQuestion)
        return 0;
    return takeOr(answers, int(MessNo), unexpected, QStringLiteral("question: ") + text);
}

QString ScriptedDialogs::openFileName(const QString &title, const QString &, const QString &) {
    askedTitles << title;
    return takeOr(fileNames, QString(), unexpected, QStringLiteral("open file: ") + title);
}

QString ScriptedDialogs::saveFileName(const QString &title, const QString &, const QString &) {
    askedTitles << title;
    return takeOr(fileNames, QString(), unexpected, QStringLiteral("save file: ") + title);
}

QString ScriptedDialogs::existingFolder(const QString &title, const QString &) {
    askedTitles << title;
    return takeOr(folders, QString(), unexpected, QStringLiteral("folder: ") + title);
}

std::optional<QString> ScriptedDialogs::inputText(const QString &title, const QString &,
                                                  const QString &) {
    askedTitles << title;
    return takeOr(inputs, std::optional<QString>(), unexpected,
                  QStringLiteral("input: ") + title);
}

QStringList ScriptedDialogs::messageTexts() const {
    QStringList texts;
    for (const Message &message : messages)
        texts << message.text;
    return texts;
}

bool ScriptedDialogs::wasShown(const QString &text, int kind) const {
    for (const Message &message : messages) {
        if (message.text == text && message.kind == kind)
            return true;
    }
    return false;
}

bool ScriptedDialogs::openUrl(const QUrl &url) {
    openedUrls << url;
    return true;
}

bool ScriptedDialogs::startProgram(const QString &program, const QStringList &) {
    startedPrograms << program;
    return programsStart;
}
