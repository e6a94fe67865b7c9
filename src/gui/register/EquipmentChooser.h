#pragma once

#include "core/data/SqlStatement.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class DataGrid;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;
class RecordSet;
class Database;

// The equipment chooser of the event editors: items in use, found by code, name or host number
// and narrowed to a branch of the type tree.
class EquipmentChooser : public QDialog {
    Q_OBJECT
public:
    // Without `addEquipment` the button that adds an item is unavailable.
    EquipmentChooser(Database &dm, std::function<void(QWidget *)> addEquipment, QWidget *parent = nullptr);

    // The statement of the list for what the search boxes and the tree now hold; nothing when
    // no tree node is selected.
    std::optional<SqlStatement> listStatement() const;
    // Reopens the list; does nothing when no tree node is selected.
    void RefreshList();
    // The code of the list's current row; nothing when the list is empty.
    std::optional<QString> currentCode() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QHBoxLayout *buildSearchBar();
    QWidget *buildBrowser();
    QHBoxLayout *buildButtons();

    Database &m_dm;
    std::function<void(QWidget *)> m_addEquipment;
    RecordSet *m_records;

    QLineEdit *edtCode = nullptr;
    QLineEdit *edtName = nullptr;
    QLineEdit *edtAddress = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QTreeWidget *tvTree = nullptr;
    DataGrid *DBGridEh1 = nullptr;
    QPushButton *BitBtn4 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
};

// Lets the user choose an item in use; the chosen item's F_code, or `currentCode` when the
// dialog is cancelled or the list is empty. `addEquipment` opens the equipment editor for a new
// item over the dialog it is given.
QString ChooseEquipment(Database &dm, const QString &currentCode, QWidget *parent = nullptr,
                        std::function<void(QWidget *)> addEquipment = {});
