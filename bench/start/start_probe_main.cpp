// zorbsets-start-probe: the program's own entry sequence (RunApplication, as main.cpp runs it
// without arguments), with the login answered from inside the way a user answers it: the name
// "admin" typed into the name box, an empty password, 确定 clicked. Once the main window has
// been shown, its list painted and the event loop has nothing left to do, it prints
//   zorbsets-start-probe: idle <ms> ms after main, VmRSS <kB> kB, VmHWM <kB> kB, count <N>,
//   first "<code>"
// on one line (the count label's number and the list's first code, for the caller to check) and
// leaves the event loop. The application folder comes from ZORBSETS_HOME, as for the program.
#include "harness/IdleWatch.h"

#include "gui/app/StartUp.h"
#include "gui/widgets/DataGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto GiveUpAfter = std::chrono::seconds(120);
const QString LoginName = QStringLiteral("admin");

// A line of /proc/self/status, in kB; -1 when missing.
qint64 statusKb(const QByteArray &status, const char *key) {
    const QRegularExpression line(QStringLiteral("^%1:\\s*(\\d+) kB$").arg(QLatin1String(key)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(QString::fromLatin1(status));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

[[noreturn]] void giveUp(const QString &why) {
    std::fprintf(stderr, "zorbsets-start-probe: %s\n", qPrintable(why));
    std::fflush(stderr);
    std::_Exit(2);
}

class StartProbe final : public QObject {
public:
    explicit StartProbe(Clock::time_point started)
        : m_started(started),
          // Shown means the list painted and its count, read on the second connection, there.
          m_idle([this] { return m_listPainted && m_grid && m_grid->totalsFinal(); },
                 [this] { report(); }) {
        qApp->installEventFilter(this);
        m_login.setSingleShot(true);
        connect(&m_login, &QTimer::timeout, this, &StartProbe::answerLogin);
        QTimer::singleShot(GiveUpAfter, this, [] {
            giveUp(QStringLiteral("no idle main window after %1 s").arg(GiveUpAfter.count()));
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            onShow(static_cast<QWidget *>(watched));
        else if (event->type() == QEvent::Paint && m_grid && watched == m_grid->viewport())
            m_listPainted = true;
        return false;
    }

private:
    void onShow(QWidget *widget) {
        if (!widget->isWindow())
            return;
        const QString name = widget->objectName();
        if (name == QLatin1String("frmOperLogin")) {
            m_login.start(0);
        } else if (name == QLatin1String("FrmMain")) {
            m_main = widget;
            m_grid = widget->findChild<DataGrid *>(QStringLiteral("DBGridEh1"));
            m_idle.start();
        } else if (const auto *box = qobject_cast<QMessageBox *>(widget)) {
            giveUp(QStringLiteral("unexpected message \"%1\"").arg(box->text()));
        } else if (qobject_cast<QDialog *>(widget)) {
            giveUp(QStringLiteral("unexpected dialog %1 \"%2\"").arg(name, widget->windowTitle()));
        }
    }

    // The dialog is found the way a user finds it: the window in front, waiting for an answer.
    void answerLogin() {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->objectName() != QLatin1String("frmOperLogin")) {
            m_login.start(5);
            return;
        }
        auto *name = dialog->findChild<QComboBox *>(QStringLiteral("cbbOperName"));
        auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("btnOk"));
        if (!name || !name->lineEdit() || !ok)
            giveUp(QStringLiteral("the login dialog lacks cbbOperName or btnOk"));
        QLineEdit *edit = name->lineEdit();
        edit->setFocus();
        edit->selectAll();
        for (const QChar c : LoginName) {
            const int key = c.toUpper().unicode();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(edit, &press);
            QCoreApplication::sendEvent(edit, &release);
        }
        if (name->currentText() != LoginName)
            giveUp(QStringLiteral("typed \"%1\" into the name box").arg(name->currentText()));
        ok->click();
    }

    void report() {
        const double ms =
            std::chrono::duration<double, std::milli>(Clock::now() - m_started).count();
        QFile file(QStringLiteral("/proc/self/status"));
        const QByteArray status = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const auto *count = m_main->findChild<QLabel *>(QStringLiteral("lblSETnum"));
        static const QRegularExpression number(QStringLiteral("\\d+"));
        const QRegularExpressionMatch counted =
            count ? number.match(count->text()) : QRegularExpressionMatch();
        QString first;
        if (m_grid && m_grid->model()->rowCount() > 0)
            first = m_grid->cellText(0, m_grid->columnIndex(QStringLiteral("F_code")));
        std::printf("zorbsets-start-probe: idle %.1f ms after main, VmRSS %lld kB, VmHWM %lld kB, "
                    "count %s, first \"%s\"\n",
                    ms, statusKb(status, "VmRSS"), statusKb(status, "VmHWM"),
                    counted.hasMatch() ? qPrintable(counted.captured()) : "-1",
                    first.toUtf8().constData());
        std::fflush(stdout);
        // Straight out of the loop: closing the window would ask whether to leave.
        QCoreApplication::exit(0);
    }

    Clock::time_point m_started;
    IdleWatch m_idle;
    QTimer m_login;
    QWidget *m_main = nullptr;
    DataGrid *m_grid = nullptr;
    bool m_listPainted = false;
};

} // namespace

int main(int argc, char *argv[]) {
    const Clock::time_point started = Clock::now();
    QApplication app(argc, argv);
    StartProbe probe(started);
    return RunApplication(app);
}
