#pragma once

#include <QMainWindow>

class QLabel;
class QTimer;
class TdmData;

// The main window. For now it carries the caption, the status bar with the operator and the
// clock, and the question asked before the program is left; the register's trees, lists and
// commands are built on it.
class TFrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrmMain(TdmData &dm, QWidget *parent = nullptr);

    // Panels of the status bar: 0 caption, 1 operator, 2 spare, 3 date and time.
    QString statusPanelText(int panel) const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void onFirstShow();
    void showClock();

    TdmData &m_dm;
    QList<QLabel *> m_panels;
    QTimer *m_clock;
    bool m_shown = false;
};
