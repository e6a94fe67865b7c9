#pragma once

#include "gui/dialogs/TreePicker.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Asks for one line of text. A blank text is never accepted. Two designs share it, told apart by
// their object names:
// - the value prompt (DLGeditCurList): the value a column of the selected rows is set to, or the
//   name a new picture is saved under in the images folder, which is refused when a picture of
//   that name is already there;
// - the name prompt (DLGenterCaption): the name of a new or renamed tree node, or the type or
//   department the selected equipment is moved to. Its tree button, shown only when the caller
//   gives a tree picker, fills the edit with a path chosen from the type tree (caption
//   "设备类型") or else the department tree.
class TextPromptDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Value, Name };

    explicit TextPromptDialog(Kind kind, QWidget *parent = nullptr);

    // The value prompt. Each returns the text as typed when the user confirms, an empty text
    // when they cancel.
    void SetValuePrompt(const QString &text);
    QString AskValue(const QString &initial);
    QString AskPictureName(const QString &initial);
    // Appended to a picture name to make the file name (".jpg"); empty by default.
    void setPictureExtension(const QString &extension) { m_pictureExtension = extension; }
    QString pictureExtension() const { return m_pictureExtension; }

    // The name prompt: `caption` is the window title.
    QString AskText(const QString &caption, const QString &initial);
    // Shows the tree button, choosing through `picker`; an empty picker hides it.
    void setTreePicker(TreePicker picker);

private:
    void buildControls();
    void buildLayout();
    QString ask(const QString &initial, bool pictureName);
    bool asksForPicture() const;
    void confirm();
    void chooseFromTree();

    const Kind m_kind;
    TreePicker m_picker;
    QString m_pictureExtension;
    bool m_pictureName = false;
    QLabel *Label1 = nullptr;
    QLineEdit *edtCurValue = nullptr;
    QToolButton *sbtype = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};

// Shows the name prompt modally with `caption` as its title and `initial` in the edit. Returns
// the text as typed, or an empty text when the user cancels. With a tree picker the dialog
// offers its tree button.
QString AskText(const QString &caption, const QString &initial = {}, TreePicker picker = {},
                QWidget *parent = nullptr);
