#include "GuiSteps.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <memory>

void onModalDialog(std::function<void(QDialog *)> steps) {
    QTimer::singleShot(0, qApp, [steps = std::move(steps)] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "no modal dialog is open");
        steps(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

void onModalWindow(const QString &name, std::function<void(QWidget *)> steps, bool *opened) {
    auto *poll = new QTimer(qApp);
    auto triesLeft = std::make_shared<int>(500);
    QObject::connect(poll, &QTimer::timeout, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        const bool found = modal && modal->objectName() == name;
        if (!found && --*triesLeft > 0)
            return;
        poll->stop();
        poll->deleteLater();
        if (found) {
            *opened = true;
            steps(modal);
        } else if (modal) {
            modal->close();
        }
    });
    poll->start(10);
}

void typeInto(QWidget *control, const QString &text) {
    QWidget *target = control;
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit())
        target = combo->lineEdit();
    control->setFocus();
    for (const QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(target, character.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}
