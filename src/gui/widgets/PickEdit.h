#pragma once

#include <QLineEdit>

class QAction;

// A text box with a pick button at its right, for values chosen from somewhere else (a code
// tree, say) that may also be typed. The button, and Alt+Down or F4 in the box, ask for a pick;
// whoever handles the request puts the choice into the box.
class PickEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit PickEdit(QWidget *parent = nullptr);

    QAction *pickAction() const { return m_pick; }
    // A box with nothing to pick from keeps its text editable but its button unavailable.
    void setPickEnabled(bool enabled);
    bool isPickEnabled() const;

signals:
    void pickRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QAction *m_pick;
};
