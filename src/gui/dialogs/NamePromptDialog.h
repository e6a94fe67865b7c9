#pragma once

#include "gui/dialogs/TreePicker.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Asks for one name: of a new or renamed tree node, or the type or department the selected
// equipment is moved to. A blank name is never accepted. The tree button, shown only when the
// caller gives a tree picker, fills the edit with a path chosen from the type tree (caption
// "设备类型") or else the department tree.
class NamePromptDialog : public QDialog {
    Q_OBJECT
public:
    explicit NamePromptDialog(QWidget *parent = nullptr);

    // Shows the tree button, choosing through `picker`; an empty picker hides it.
    void setTreePicker(TreePicker picker);
    // The text as typed when the user confirms, an empty text when they cancel.
    QString AskText(const QString &caption, const QString &initial);

private:
    void buildControls();
    void buildLayout();
    void confirm();
    void chooseFromTree();

    TreePicker m_picker;
    QLabel *Label1 = nullptr;
    QLineEdit *edtCurValue = nullptr;
    QToolButton *sbtype = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};

// Shows the name-entry dialog modally with `caption` as its title and `initial` in the edit.
// Returns the text as typed, or an empty text when the user cancels. With a tree picker the
// dialog offers its tree button.
QString AskText(const QString &caption, const QString &initial = {}, TreePicker picker = {},
                QWidget *parent = nullptr);
