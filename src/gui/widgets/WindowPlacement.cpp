#include "gui/widgets/WindowPlacement.h"

#include <algorithm>

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

QString settingsKey(const QWidget *window, int mode) {
    const QString name = window->objectName().isEmpty()
                             ? QString::fromLatin1(window->metaObject()->className())
                             : window->objectName();
    return QStringLiteral("WindowGeometry/%1-%2").arg(name).arg(mode);
}

QSettings userSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zorbsets"),
                     QStringLiteral("windows"));
}

// Saves the geometry each time the window is hidden, which covers closing it.
class GeometryKeeper final : public QObject {
public:
    GeometryKeeper(QWidget *window, QString key) : QObject(window), m_key(std::move(key)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Hide) {
            auto *window = static_cast<QWidget *>(watched);
            userSettings().setValue(m_key, window->saveGeometry());
        }
        return false;
    }

private:
    QString m_key;
};

} // namespace

namespace {

void centreIn(QWidget *window, const QRect &area) {
    if (area.isEmpty())
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

} // namespace

void CentreOnParent(QWidget *window) {
    if (QWidget *parent = window->parentWidget())
        centreIn(window, parent->window()->frameGeometry());
    else
        CentreOnScreen(window);
}

void CentreOnScreen(QWidget *window) {
    QScreen *screen = window->parentWidget() ? window->parentWidget()->screen()
                                             : QGuiApplication::primaryScreen();
    if (screen)
        centreIn(window, screen->availableGeometry());
}

void DispFormPos(QWidget *window, int mode) {
    if (!window)
        return;
    const QString key = settingsKey(window, mode);
    const QByteArray stored = userSettings().value(key).toByteArray();
    if (stored.isEmpty() || !window->restoreGeometry(stored))
        CentreOnParent(window);
    const QObjectList &children = window->children();
    const bool kept = std::any_of(children.begin(), children.end(), [](const QObject *child) {
        return dynamic_cast<const GeometryKeeper *>(child) != nullptr;
    });
    if (!kept)
        new GeometryKeeper(window, key);
}
