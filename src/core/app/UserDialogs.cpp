#include "core/app/UserDialogs.h"

#include <QTextStream>

namespace {

class ConsoleDialogs final : public UserDialogs {
public:
    int showMessage(const QString &text, int kind, int) override {
        QTextStream(stderr) << text << Qt::endl;
        return kind == MessQuestion ? MessNo : 0;
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString existingFolder(const QString &, const QString &) override { return {}; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override {
        return std::nullopt;
    }
    bool openUrl(const QUrl &) override { return false; }
    bool startProgram(const QString &, const QStringList &) override { return false; }
};

std::unique_ptr<UserDialogs> &installed() {
    static std::unique_ptr<UserDialogs> dialogs = std::make_unique<ConsoleDialogs>();
    return dialogs;
}

} // namespace

UserDialogs &UserDialogs::current() { return *installed(); }

std::unique_ptr<UserDialogs> UserDialogs::install(std::unique_ptr<UserDialogs> dialogs) {
    if (!dialogs)
        dialogs = std::make_unique<ConsoleDialogs>();
    std::swap(installed(), dialogs);
    return dialogs;
}

int ShowMess(const QString &text, int kind, int defaultAnswer) {
    const int answer = UserDialogs::current().showMessage(text, kind, defaultAnswer);
    if (kind == MessQuestion)
        return answer == MessYes ? MessYes : MessNo;
    return answer;
}
