#include "gui/app/SplashScreen.h"

#include "core/app/AppSettings.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

SplashScreen::SplashScreen(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_status(new QLabel(this)) {
    setObjectName(QStringLiteral("FrmSplash"));
    setFixedSize(470, 294);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setGeometry(24, 264, 420, 20);
    QFont font = m_status->font();
    font.setPixelSize(14);
    m_status->setFont(font);
    m_status->setAttribute(Qt::WA_TranslucentBackground);
    m_status->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    m_status->setText(tr("系统正在启动，请稍候 ....."));
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString SplashScreen::status() const { return m_status->text(); }

void SplashScreen::setStatus(const QString &text) {
    m_status->setText(text);
    repaint();
}

void SplashScreen::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0.0, QColor(38, 84, 140));
    sky.setColorAt(0.7, QColor(205, 222, 240));
    sky.setColorAt(1.0, QColor(240, 244, 250));
    painter.fillRect(rect(), sky);

    QFont title = font();
    title.setPixelSize(30);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 70, width(), 50), Qt::AlignCenter, AppSettings::ApplicationTitle());

    QFont version = font();
    version.setPixelSize(14);
    painter.setFont(version);
    painter.drawText(QRect(0, 125, width(), 24), Qt::AlignCenter,
                     AppSettings::ProductVersion().trimmed());
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
