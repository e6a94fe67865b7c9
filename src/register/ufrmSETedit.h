#pragma once

#include "TreePicker.h"
#include "app/SqlStatement.h"

#include <QDialog>
#include <QHash>
#include <QString>

#include <optional>

struct EquipmentRecord;
class CalcEdit;
class CheckDateEdit;
class CurrencyEdit;
class PickEdit;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QHBoxLayout;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class RecordNavigator;
class TFrmMain;
class TdmData;

// The equipment editor: creates, edits or copies one item of the register. Opened by the main
// window on its current item, or by the equipment chooser to add an item on the spot; with
// 连续新增 it stays open after each new item, keeping the type for the next one.
class TfrmSETedit : public QDialog {
    Q_OBJECT
public:
    enum Mode { NewItem = 0, EditItem = 1, CopyItem = 2 };

    // `main` may be null when there is no list to follow (the equipment chooser).
    TfrmSETedit(TdmData &dm, TFrmMain *main, QWidget *parent = nullptr);

    // Where the type (mode 2) and department (mode 4) buttons choose from; without one the
    // buttons are unavailable.
    void setTreePicker(TreePicker picker);
    // Whether the operator may change the type or department tree while choosing from it:
    // the administrator, or whoever may open that tree's own window.
    bool mayEditTypes() const;
    bool mayEditDepartments() const;

    // Opened by the equipment chooser: no list to follow, no 连续新增, empty fields.
    void SetFromSelectionDialog();
    bool isEditMode() const { return m_isEditMode; }

    // Prepares the window for the mode (NewItem, EditItem, CopyItem) and shows it modally.
    // True when at least one item was saved.
    bool ShowEditor(int mode);
    // The code of the item saved last; empty when none was.
    const QString &savedCode() const { return m_savedCode; }

protected:

private:
    // building
    void createControls();
    QGridLayout *buildRows();
    QHBoxLayout *buildBottomStrip();
    void setTabOrders();
    void connectBehaviour();
    void previewKeys();

    // state
    void SetEditMode(bool edit);
    void setTarget(qint64 id);
    qint64 target() const;

    // fields
    void clearFields();
    void loadCurrentRow();
    void showRecord(const EquipmentRecord &record);
    EquipmentRecord fields() const;
    void computeOriginValue();
    void computeTotalPrice();
    void refillList(QComboBox *box);
    void pick(PickEdit *field, int mode);

    // keys and buttons
    void onOk();
    void afterSave(qint64 id, const QString &code);

    TdmData &m_dm;
    TFrmMain *m_main;
    TreePicker m_picker;
    bool m_isEditMode = false;
    bool m_fromSelectionDialog = false;
    qint64 m_target = 0; // the key being edited when there is no main window to hold it
    bool m_saved = false;
    QString m_savedCode;
    QHash<QComboBox *, SqlStatement> m_listSql;

    QLineEdit *edtCode = nullptr;
    QLineEdit *edtName = nullptr;
    QLineEdit *edtJScode = nullptr;
    PickEdit *cbeType = nullptr;
    QLineEdit *edtSpec = nullptr;
    QLineEdit *edtFactory = nullptr;
    CheckDateEdit *dtpBuildDate = nullptr;
    CheckDateEdit *dtpBuyDate = nullptr;
    CalcEdit *rceAmount = nullptr;
    CurrencyEdit *cePrice = nullptr;
    QComboBox *cbbUnit = nullptr;
    CurrencyEdit *ceOriginValue = nullptr;
    CurrencyEdit *ceSZ1 = nullptr;
    CurrencyEdit *ceTotalPrice = nullptr;
    QDateEdit *dtpBeginDate = nullptr;
    QLineEdit *edtAddress = nullptr;
    PickEdit *cbeUseDept = nullptr;
    QComboBox *cbbUseStatus = nullptr;
    QPlainTextEdit *memo1 = nullptr;
    QComboBox *cbbUseEmp = nullptr;
    QComboBox *cbbOperEmp = nullptr;
    QPlainTextEdit *Memo2 = nullptr;
    QDateEdit *dtpeditdate = nullptr;
    QCheckBox *cbUseFlag = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    RecordNavigator *DBNavigator1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};

// Opens the editor on the main window's list: mode 0 a new item, 1 the current item, 2 a copy
// of it. True when at least one item was saved (the list then shows the last one). Editing or
// copying with no current item does nothing.
bool ShowEquipmentEditor(TdmData &dm, TFrmMain *main, int mode, TreePicker picker = {},
                         QWidget *parent = nullptr);

// Adds one item from the equipment chooser; the code of the item saved, nothing if cancelled.
std::optional<QString> AddEquipmentFromSelection(TdmData &dm, TreePicker picker = {},
                                                 QWidget *parent = nullptr);
