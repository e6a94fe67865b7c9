#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TdmData;

// Asks for one name: of a new or renamed tree node, or the type or department the selected
// equipment is moved to. A blank name is never accepted. The tree button, shown only when the
// caller asks for it, fills the edit with a path chosen from the type tree (caption "设备类型")
// or else the department tree.
class TDLGenterCaption : public QDialog {
    Q_OBJECT
public:
    explicit TDLGenterCaption(TdmData &dm, QWidget *parent = nullptr);

    void setTreeButtonVisible(bool visible);
    // The text as typed when the user confirms, an empty text when they cancel.
    QString AskText(const QString &caption, const QString &initial);

private:
    void buildControls();
    void buildLayout();
    void confirm();
    void chooseFromTree();

    TdmData &m_dm;
    QLabel *Label1 = nullptr;
    QLineEdit *edtCurValue = nullptr;
    QToolButton *sbtype = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};

// Shows the name-entry dialog modally with `caption` as its title and `initial` in the edit.
// Returns the text as typed, or an empty text when the user cancels.
QString AskText(TdmData &dm, const QString &caption, const QString &initial = {},
                bool showTreeButton = false, QWidget *parent = nullptr);
