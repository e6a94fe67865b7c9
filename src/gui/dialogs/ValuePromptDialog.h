#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for one text: the value a column of the selected rows is set to, or the name a new
// picture is saved under in the images folder. A blank text is never accepted, and a picture
// name is refused when a picture of that name is already there.
class ValuePromptDialog : public QDialog {
    Q_OBJECT
public:
    explicit ValuePromptDialog(QWidget *parent = nullptr);

    void SetValuePrompt(const QString &text);
    // Both return the text as typed when the user confirms, an empty text when they cancel.
    QString AskValue(const QString &initial);
    QString AskPictureName(const QString &initial);
    // Appended to a picture name to make the file name (".jpg"); empty by default.
    void setPictureExtension(const QString &extension) { m_pictureExtension = extension; }
    QString pictureExtension() const { return m_pictureExtension; }

private:
    void buildButtons();
    void buildLayout();
    void buildShortcuts();
    QString ask(const QString &initial, bool pictureName);
    bool asksForPicture() const;
    void confirm();
    void refuse(const QString &message);

    QLabel *m_prompt;
    QLineEdit *m_value;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QString m_pictureExtension;
    bool m_pictureName = false;
};
