#pragma once

#include "gui/dialogs/TreePicker.h"
#include "core/data/SqlStatement.h"

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
class RecordSet;
class Database;

// The equipment editor: creates, edits or copies one item of the register. Opened by the main
// window on its list's current item, or by the equipment chooser to add an item on the spot;
// with 连续新增 it stays open after each new item, keeping the type for the next one. It says
// what it saved through `saved`; it never writes into the window that opened it.
class EquipmentEditor : public QDialog {
    Q_OBJECT
public:
    enum class Mode { NewItem, EditItem, CopyItem };

    // `list` is the list whose current item is edited or copied and which the navigator steps
    // through; null when there is none (the equipment chooser). It is not owned.
    EquipmentEditor(Database &dm, RecordSet *list, QWidget *parent = nullptr);

    // Where the type and department buttons choose from; without one the
    // buttons are unavailable.
    void setTreePicker(TreePicker picker);
    // Opened by the equipment chooser: no list to follow, no 连续新增, empty fields.
    void SetFromSelectionDialog();
    bool isEditMode() const { return m_isEditMode; }

    // Prepares the window for the mode and shows it modally. True when at least one item was
    // saved.
    bool ShowEditor(Mode mode);
    // The code of the item saved last; empty when none was.
    const QString &savedCode() const { return m_savedCode; }

signals:
    // An item was written; `id` is its key (F_ID).
    void saved(qint64 id);

private:
    // building
    void createControls();
    void limitToColumns();
    QString fieldCaption(const QString &column) const;
    QGridLayout *buildRows();
    QHBoxLayout *buildBottomStrip();
    void setTabOrders();
    void connectBehaviour();
    void previewKeys();

    // state
    void SetEditMode(bool edit);

    // fields
    void clearFields();
    void loadCurrentRow();
    void showRecord(const EquipmentRecord &record);
    EquipmentRecord fields() const;
    void computeOriginValue();
    void computeTotalPrice();
    void refillList(QComboBox *box);
    void pick(PickEdit *field, TreeMode mode);

    // keys and buttons
    void onOk();
    void afterSave(qint64 id, const QString &code);

    Database &m_dm;
    RecordSet *m_list;
    TreePicker m_picker;
    bool m_isEditMode = false;
    bool m_fromSelectionDialog = false;
    qint64 m_target = 0; // the key of the item being edited; 0 for a new one
    qint64 m_loadedStamp = 0; // the change stamp of the item as it was loaded
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

// Adds one item from the equipment chooser; the code of the item saved, nothing if cancelled.
std::optional<QString> AddEquipmentFromSelection(Database &dm, TreePicker picker = {},
                                                 QWidget *parent = nullptr);
