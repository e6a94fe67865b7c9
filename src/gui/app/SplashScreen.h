#pragma once

#include <QWidget>

class QLabel;

// The borderless start-up window: a picture with one line of progress text near its lower left.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget *parent = nullptr);

    QString status() const;
    // Shows the text at once, before the next (blocking) start-up step runs.
    void setStatus(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_status;
};
