#pragma once

#include "core/register/AdvancedQuery.h"
#include "gui/dialogs/TreePicker.h"
#include "core/data/SqlStatement.h"

#include <QDialog>
#include <QString>

#include <optional>

class CheckDateEdit;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QToolButton;
class Database;

// The advanced query dialog of the equipment list.
class AdvancedSearchDialog : public QDialog {
    Q_OBJECT
public:
    // Without a picker the two tree buttons are unavailable.
    AdvancedSearchDialog(Database &dm, TreePicker picker, QWidget *parent = nullptr);

    AdvancedQueryInput input() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGroupBox *buildFields();
    void createFields(QGroupBox *group);
    QGroupBox *buildUsage();
    QGroupBox *buildDates();
    QHBoxLayout *buildButtons();
    void previewKeys();

    QToolButton *pickButton(QWidget *parent, const QString &name, QLineEdit *target,
                            TreeMode mode);
    QCheckBox *rangeBox(QWidget *parent, const QString &name, const QString &caption,
                        CheckDateEdit *from, CheckDateEdit *to);
    void resetDates();
    void fillPickList(QComboBox *combo);

    Database &m_dm;
    TreePicker m_picker;

    QLineEdit *edtCode = nullptr;
    QLineEdit *edtName = nullptr;
    QLineEdit *edtJScode = nullptr;
    QLineEdit *edtType = nullptr;
    QLineEdit *edtSpec = nullptr;
    QLineEdit *edtFactory = nullptr;
    QLineEdit *edtAddress = nullptr;
    QLineEdit *edtUseDept = nullptr;
    QComboBox *cbbUseStatus = nullptr;
    QComboBox *cbbUseEmp = nullptr;
    QComboBox *cbbOperEmp = nullptr;
    QLineEdit *edtMemo1 = nullptr;
    QLineEdit *edtMemo2 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QGroupBox *RadioGroup1 = nullptr;
    QButtonGroup *m_usage = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    CheckDateEdit *dtpfromDate = nullptr;
    CheckDateEdit *dtptoDate = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    CheckDateEdit *dtpfromDate1 = nullptr;
    CheckDateEdit *dtptoDate1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};

// Shows the advanced query dialog; the statement when the user runs the query, nothing when the
// dialog is closed. `picker` chooses the type and department paths.
std::optional<SqlStatement> BuildAdvancedQuery(Database &dm, QWidget *parent = nullptr,
                                               TreePicker picker = {});
