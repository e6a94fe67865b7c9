#include "uFrmMain.h"

#include "app/DataDm.h"
#include "app/IniFile.h"
#include "app/PubUnit.h"
#include "support/WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

TFrmMain::TFrmMain(TdmData &dm, QWidget *parent)
    : QMainWindow(parent), m_dm(dm), m_clock(new QTimer(this)) {
    setObjectName(QStringLiteral("FrmMain"));
    resize(1024, 700);
    buildMenus();
    buildStatusBar();
    connect(m_clock, &QTimer::timeout, this, &TFrmMain::showClock);
}

void TFrmMain::buildMenus() {
    QMenu *file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->setObjectName(QStringLiteral("mi100"));
    QAction *quit = file->addAction(QStringLiteral("退出系统"));
    quit->setObjectName(QStringLiteral("miExit"));
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void TFrmMain::buildStatusBar() {
    static const int widths[] = {180, 150, 300, 170};
    for (int width : widths) {
        auto *panel = new QLabel(this);
        panel->setMinimumWidth(width);
        statusBar()->addWidget(panel);
        m_panels << panel;
    }
    m_panels[0]->setText(QStringLiteral(" 当前操作员："));
}

QString TFrmMain::statusPanelText(int panel) const {
    return panel >= 0 && panel < m_panels.size() ? m_panels[panel]->text() : QString();
}

void TFrmMain::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        onFirstShow();
    }
}

void TFrmMain::onFirstShow() {
    setWindowTitle(PubUnit::ProductName + PubUnit::ProductVersion);
    m_panels[1]->setText(QLatin1Char(' ') + PubUnit::CurrentOperator);
    showClock();
    m_clock->start(1000);
    PubUnit::BackupPolicy =
        PubUnit::ConfigFile().readInteger(QStringLiteral("config"), QStringLiteral("ibak"), 0);
    DispFormPos(this, 0);
}

void TFrmMain::showClock() {
    m_panels[3]->setText(
        QLatin1Char(' ') +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

void TFrmMain::closeEvent(QCloseEvent *event) {
    if (PubUnit::ConfirmExit())
        event->accept();
    else
        event->ignore();
}

void TFrmMain::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
