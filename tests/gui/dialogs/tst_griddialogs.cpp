// The small dialogs every list offers over its grid: the column chooser, the sort dialog and the
// one-value dialog of batch changes and picture names.
#include "GuiSteps.h"
#include "TestEnv.h"
#include "core/app/AppPaths.h"
#include "core/data/RecordSet.h"
#include "gui/dialogs/TextPromptDialog.h"
#include "gui/dialogs/ColumnChooserDialog.h"
#include "gui/dialogs/SortOrderDialog.h"
#include "gui/widgets/DataGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <functional>

namespace {

const QString BlankRefused = QStringLiteral("当前输入不能为空！");
const QString NameTaken = QStringLiteral("当前文件名已经存在，请更换图片名！");

DataGridColumn gridColumn(const QString &field, const QString &title, bool visible = true) {
    DataGridColumn column;
    column.fieldName = field;
    column.title = title;
    column.visible = visible;
    return column;
}

// Four columns, the third hidden.
QList<DataGridColumn> equipmentColumns() {
    return {gridColumn("F_code", "编号"), gridColumn("F_Name", "名称"),
            gridColumn("F_spec", "规格", false), gridColumn("F_price", "单价")};
}

// One character per column from the left: 1 shown, 0 hidden.
QString shownColumns(const DataGrid &grid) {
    QString shown;
    for (const DataGridColumn &column : grid.columns())
        shown += column.visible ? QLatin1Char('1') : QLatin1Char('0');
    return shown;
}

QStringList gridTitles(const DataGrid &grid) {
    QStringList titles;
    for (const DataGridColumn &column : grid.columns())
        titles << column.title;
    return titles;
}

// Ends a dialog as the user would: `how` is the objectName of a button to click, or keys
// ("Ctrl+S", "Esc", "Return") pressed in the control that has the focus.
void finish(QDialog *dialog, const QString &how) {
    if (auto *button = dialog->findChild<QPushButton *>(how)) {
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog;
    QTest::keySequence(target, QKeySequence(how));
}

// A double-click as the platform delivers it: a click, then the double-click press.
void doubleClick(QWidget *widget, const QPoint &position) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, position);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, position);
}

// The sort dialog as the test sees it: its value list and the rows shown.
struct SortRows {
    QTableWidget *table;

    QComboBox *editor(int row) const {
        return qobject_cast<QComboBox *>(table->cellWidget(row, 1));
    }
    QPoint titleCentre(int row) const {
        return table->visualItemRect(table->item(row, 0)).center();
    }
    QString titles() const {
        QStringList titles;
        for (int row = 0; row < table->rowCount(); ++row)
            titles << table->item(row, 0)->text();
        return titles.join(QLatin1Char(','));
    }
    QString directions() const {
        QStringList directions;
        for (int row = 0; row < table->rowCount(); ++row)
            directions << table->item(row, 1)->text();
        return directions.join(QLatin1Char(','));
    }
};

// Steps separated by ';': "pick R 降序" chooses from row R's list, "dbl R" double-clicks row R's
// title, "dblv R" the text part of its direction, "row R" makes row R current, "focus R" puts
// the focus in row R's direction, "wheel R" turns the wheel over it, "up"/"down" click the move
// buttons, "drag F T" drags row F by its title onto row T.
void runSortSteps(QDialog *dialog, const QString &script) {
    const SortRows rows{dialog->findChild<QTableWidget *>("vle1")};
    QVERIFY(rows.table);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    for (const QString &step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList words = step.split(QLatin1Char(' '));
        const QString verb = words[0];
        const int row = words.value(1).toInt();
        if (verb == "pick") {
            QComboBox *editor = rows.editor(row);
            QVERIFY(editor);
            const int index = editor->findText(words.value(2));
            QVERIFY(index >= 0);
            editor->setCurrentIndex(index);
        } else if (verb == "dbl") {
            doubleClick(rows.table->viewport(), rows.titleCentre(row));
        } else if (verb == "dblv") {
            QLineEdit *text = rows.editor(row)->lineEdit();
            doubleClick(text, text->rect().center());
        } else if (verb == "row") {
            QTest::mouseClick(rows.table->viewport(), Qt::LeftButton, {}, rows.titleCentre(row));
        } else if (verb == "wheel") {
            // To the list itself: Qt passes only real wheel events on from its text part.
            QComboBox *editor = rows.editor(row);
            const QPointF at = editor->rect().center();
            QWheelEvent wheel(at, editor->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(editor, &wheel);
        } else if (verb == "focus") {
            rows.editor(row)->setFocus();
            QTRY_VERIFY(rows.editor(row)->hasFocus());
        } else if (verb == "up" || verb == "down") {
            QTest::mouseClick(
                dialog->findChild<QPushButton *>(verb == "up" ? "Button1" : "Button2"),
                Qt::LeftButton);
        } else if (verb == "drag") {
            QWidget *viewport = rows.table->viewport();
            const QPoint target = rows.titleCentre(words.value(2).toInt());
            QTest::mousePress(viewport, Qt::LeftButton, {}, rows.titleCentre(row));
            QTest::mouseMove(viewport, (rows.titleCentre(row) + target) / 2);
            QTest::mouseMove(viewport, target);
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, target);
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }
}

void addSetsRow(Database &dm, const QString &code, const QString &name, double price) {
    QVERIFY(dm.ExecuteSQL(SqlStatement(
        "insert into Sets (F_code, F_name, F_price) values (?, ?, ?)", {code, name, price})));
}

QStringList gridCodes(const DataGrid &grid) {
    QStringList codes;
    for (int row = 0; row < grid.model()->rowCount(); ++row)
        codes << grid.cellText(row, 0);
    return codes;
}

} // namespace

class TestGridDialogs : public QObject {
    Q_OBJECT

private slots:
    void chooserAppliesTicksOnlyWhenConfirmed_data();
    void chooserAppliesTicksOnlyWhenConfirmed();

    void sortDialogBuildsTheSortOrder_data();
    void sortDialogBuildsTheSortOrder();
    void sortDialogUsesTheFirstColumnOfARepeatedTitle();
    void sortResultOrdersTheGridRows();

    void valueDialogReturnsWhatWasConfirmed_data();
    void valueDialogReturnsWhatWasConfirmed();
    void valueDialogRefusesBlankText_data();
    void valueDialogRefusesBlankText();
    void pictureNameMayNotOverwriteAPicture_data();
    void pictureNameMayNotOverwriteAPicture();
    void promptAndCaptions();
};

void TestGridDialogs::chooserAppliesTicksOnlyWhenConfirmed_data() {
    QTest::addColumn<QString>("ticks"); // as `shownColumns`, set in the list before finishing
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("shown");
    // The grid starts as "1011": 名称, 规格 (hidden), 单价, 编号.
    QTest::newRow("OK hides two, shows one") << "0110" << "BitBtn1" << "0110";
    QTest::newRow("Ctrl+S confirms") << "0110" << "Ctrl+S" << "0110";
    QTest::newRow("nothing ticked hides every column") << "0000" << "BitBtn1" << "0000";
    QTest::newRow("cancel keeps the grid") << "0110" << "BitBtn2" << "1011";
    QTest::newRow("Esc keeps the grid") << "0100" << "Esc" << "1011";
}

void TestGridDialogs::chooserAppliesTicksOnlyWhenConfirmed() {
    QFETCH(QString, ticks);
    QFETCH(QString, how);
    QFETCH(QString, shown);
    DataGrid grid;
    grid.setColumns(equipmentColumns());
    grid.moveColumn(0, 3); // the list follows what the user sees, not the order of definition
    const QStringList titles = gridTitles(grid);
    QCOMPARE(titles, QStringList({"名称", "规格", "单价", "编号"}));

    onModalDialog([&](QDialog *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("FrmDispFieldXZ"));
        auto *list = dialog->findChild<QListWidget *>("CheckListBox1");
        QVERIFY(list);
        QStringList listed;
        QString ticked;
        for (int row = 0; row < list->count(); ++row) {
            listed << list->item(row)->text();
            ticked += list->item(row)->checkState() == Qt::Checked ? '1' : '0';
        }
        QCOMPARE(listed, titles);
        QCOMPARE(ticked, QStringLiteral("1011"));
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setCheckState(ticks[row] == '1' ? Qt::Checked : Qt::Unchecked);
        QVERIFY(!dialog->close()); // only the buttons close it
        QVERIFY(dialog->isVisible());
        finish(dialog, how);
        QVERIFY(!dialog->isVisible());
    });
    ShowFieldList(&grid);
    QCOMPARE(shownColumns(grid), shown);
    QCOMPARE(gridTitles(grid), titles);
}

void TestGridDialogs::sortDialogBuildsTheSortOrder_data() {
    QTest::addColumn<QString>("steps"); // see runSortSteps
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("spec");
    QTest::addColumn<QString>("titles");     // the rows from the top when the dialog is left
    QTest::addColumn<QString>("directions"); // likewise
    QTest::addColumn<int>("current");

    const QString opened = "编号,名称,规格,单价";
    QTest::newRow("descending on the second row")
        << "pick 1 降序" << "Button3" << "f_name DESC," << opened << ",降序,," << 0;
    QTest::newRow("one double-click ascends")
        << "dbl 2" << "Button3" << "f_spec ASC," << opened << ",,升序," << 2;
    QTest::newRow("two double-clicks descend")
        << "dbl 2;dbl 2" << "Button3" << "f_spec DESC," << opened << ",,降序," << 2;
    QTest::newRow("three double-clicks clear")
        << "dbl 2;dbl 2;dbl 2" << "Button3" << "" << opened << ",,," << 2;
    QTest::newRow("double-click in the direction")
        << "dblv 3" << "Button3" << "f_price ASC," << opened << ",,,升序" << 3;
    QTest::newRow("上移 twice makes a row primary")
        << "pick 0 升序;pick 2 降序;row 2;up;up" << "Button3" << "f_spec DESC,f_code ASC,"
        << "规格,编号,名称,单价" << "降序,升序,," << 0;
    QTest::newRow("上移 on the first row does nothing")
        << "pick 0 升序;pick 1 降序;row 0;up" << "Button3" << "f_code ASC,f_name DESC," << opened
        << "升序,降序,," << 0;
    QTest::newRow("下移 lowers a row")
        << "pick 0 升序;pick 1 降序;row 0;down" << "Button3" << "f_name DESC,f_code ASC,"
        << "名称,编号,规格,单价" << "降序,升序,," << 1;
    QTest::newRow("下移 on the last row does nothing")
        << "pick 3 降序;pick 0 升序;row 3;down" << "Button3" << "f_code ASC,f_price DESC,"
        << opened << "升序,,,降序" << 3;
    QTest::newRow("dragging a row by its title")
        << "pick 1 降序;pick 3 升序;drag 3 0" << "Button3" << "f_price ASC,f_name DESC,"
        << "单价,编号,名称,规格" << "升序,,降序," << 0;
    QTest::newRow("the wheel leaves directions alone")
        << "wheel 1;wheel 2" << "Button3" << "" << opened << ",,," << 0;
    QTest::newRow("the wheel over the row being edited picks")
        << "focus 2;wheel 2" << "Button3" << "f_spec ASC," << opened << ",,升序," << 2;
    QTest::newRow("Ctrl+S confirms") << "pick 1 降序" << "Ctrl+S" << "f_name DESC," << opened
                                     << ",降序,," << 0;
    QTest::newRow("cancel gives nothing")
        << "pick 1 降序" << "Button4" << "(cancelled)" << opened << ",降序,," << 0;
    QTest::newRow("Esc in a direction cancels")
        << "pick 1 降序;focus 1" << "Esc" << "(cancelled)" << opened << ",降序,," << 1;
}

void TestGridDialogs::sortDialogBuildsTheSortOrder() {
    QFETCH(QString, steps);
    QFETCH(QString, how);
    QFETCH(QString, spec);
    QFETCH(QString, titles);
    QFETCH(QString, directions);
    QFETCH(int, current);
    DataGrid grid;
    grid.setColumns(equipmentColumns());

    onModalDialog([&](QDialog *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("frmRowArrangeGl"));
        const SortRows rows{dialog->findChild<QTableWidget *>("vle1")};
        QVERIFY(rows.table);
        QCOMPARE(rows.titles(), QStringLiteral("编号,名称,规格,单价"));
        QCOMPARE(rows.directions(), QStringLiteral(",,,"));
        runSortSteps(dialog, steps);
        QCOMPARE(rows.titles(), titles);
        QCOMPARE(rows.directions(), directions);
        for (int row = 0; row < rows.table->rowCount(); ++row)
            QCOMPARE(rows.editor(row)->currentText(), rows.table->item(row, 1)->text());
        QCOMPARE(rows.table->currentRow(), current);
        finish(dialog, how);
        QVERIFY(!dialog->isVisible());
    });
    QCOMPARE(ChooseSortOrder(&grid).value_or(QStringLiteral("(cancelled)")), spec);
}

void TestGridDialogs::sortDialogUsesTheFirstColumnOfARepeatedTitle() {
    DataGrid grid;
    grid.setColumns({gridColumn("F_code", "编号"), gridColumn("F_useDept", "部门"),
                     gridColumn("F_ZF1", "部门")});
    onModalDialog([](QDialog *dialog) {
        runSortSteps(dialog, "pick 2 降序");
        finish(dialog, "Button3");
    });
    QCOMPARE(ChooseSortOrder(&grid), QStringLiteral("f_usedept DESC,"));
}

void TestGridDialogs::sortResultOrdersTheGridRows() {
    TestEnv env;
    addSetsRow(env.dm(), "A1", "Pump", 5);
    addSetsRow(env.dm(), "A2", "Lathe", 3);
    addSetsRow(env.dm(), "A3", "Pump", 9);
    addSetsRow(env.dm(), "A4", "Lathe", 7);
    RecordSet records;
    QVERIFY(env.dm().OpenQuerySQL("select F_ID, F_code, F_name, F_price from Sets order by F_code",
                                  records));
    DataGrid grid;
    grid.setColumns({gridColumn("F_code", "编号"), gridColumn("F_name", "名称"),
                     gridColumn("F_price", "单价")});
    grid.setRecordSet(&records);
    QCOMPARE(gridCodes(grid), QStringList({"A1", "A2", "A3", "A4"}));

    onModalDialog([](QDialog *dialog) {
        runSortSteps(dialog, "pick 2 降序;pick 1 升序");
        finish(dialog, "Button3");
    });
    const QString spec = ChooseSortOrder(&grid).value_or(QString());
    QCOMPARE(spec, QStringLiteral("f_name ASC,f_price DESC,"));
    QVERIFY(grid.setSortSpec(spec));
    QCOMPARE(gridCodes(grid), QStringList({"A4", "A2", "A3", "A1"}));
    QCOMPARE(grid.sortMarker(1), SortMarker::Ascending);
    QCOMPARE(grid.sortMarker(2), SortMarker::Descending);

    onModalDialog([](QDialog *dialog) {
        runSortSteps(dialog, "pick 0 降序");
        finish(dialog, "Button4");
    });
    // Cancelled: the dialog gives nothing, and the grid keeps its order.
    QCOMPARE(ChooseSortOrder(&grid), std::nullopt);
    QCOMPARE(gridCodes(grid), QStringList({"A4", "A2", "A3", "A1"}));
    QCOMPARE(grid.sortMarker(1), SortMarker::Ascending);
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestGridDialogs::valueDialogReturnsWhatWasConfirmed_data() {
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("typed"); // replaces the selected initial text when not empty
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("expected");
    QTest::newRow("OK keeps the initial text") << "二楼机房" << "" << "Button1" << "二楼机房";
    QTest::newRow("OK") << "二楼机房" << "Room 201" << "Button1" << "Room 201";
    QTest::newRow("Enter") << "二楼机房" << "Room 201" << "Return" << "Room 201";
    QTest::newRow("Ctrl+S") << "" << " Room 201 " << "Ctrl+S" << " Room 201 ";
    QTest::newRow("cancel") << "二楼机房" << "Room 201" << "Button2" << "";
    QTest::newRow("Esc") << "二楼机房" << "" << "Esc" << "";
}

void TestGridDialogs::valueDialogReturnsWhatWasConfirmed() {
    QFETCH(QString, initial);
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QString, expected);
    TestEnv env(TestEnv::WithoutDatabase);
    TextPromptDialog ask(TextPromptDialog::Kind::Value);
    onModalDialog([&](QDialog *dialog) {
        QCOMPARE(dialog, static_cast<QDialog *>(&ask));
        auto *edit = dialog->findChild<QLineEdit *>("edtCurValue");
        QVERIFY(edit);
        QCOMPARE(edit->text(), initial);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTRY_VERIFY(edit->hasFocus());
        if (!typed.isEmpty())
            QTest::keyClicks(edit, typed);
        finish(dialog, how);
        QVERIFY(!dialog->isVisible());
    });
    QCOMPARE(ask.AskValue(initial), expected);
    QCOMPARE(ask.windowTitle(), QStringLiteral("批量修改当前列"));
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestGridDialogs::valueDialogRefusesBlankText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("how");
    QTest::newRow("empty, OK") << "" << "Button1";
    QTest::newRow("blanks, Ctrl+S") << "   " << "Ctrl+S";
    QTest::newRow("tab and blank, Enter") << "\t " << "Return";
}

void TestGridDialogs::valueDialogRefusesBlankText() {
    QFETCH(QString, text);
    QFETCH(QString, how);
    TestEnv env(TestEnv::WithoutDatabase);
    TextPromptDialog ask(TextPromptDialog::Kind::Value);
    onModalDialog([&](QDialog *dialog) {
        auto *edit = dialog->findChild<QLineEdit *>("edtCurValue");
        QVERIFY(edit);
        edit->setText(text);
        finish(dialog, how);
        QVERIFY(dialog->isVisible());
        QCOMPARE(env.dialogs().messageTexts(), QStringList{BlankRefused});
        QVERIFY(env.dialogs().wasShown(BlankRefused, MessInfo));
        QTRY_VERIFY(edit->hasFocus());
        finish(dialog, "Button2");
    });
    QCOMPARE(ask.AskValue(QStringLiteral("旧值")), QString());
}

void TestGridDialogs::pictureNameMayNotOverwriteAPicture_data() {
    QTest::addColumn<bool>("picture"); // AskPictureName, else AskValue
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    // images/ holds pump.jpg.
    QTest::newRow("taken") << true << ".jpg" << "pump" << true;
    QTest::newRow("free") << true << ".jpg" << "pump2" << false;
    QTest::newRow("taken, name with its extension") << true << "" << "pump.jpg" << true;
    QTest::newRow("free, extension added twice") << true << ".jpg" << "pump.jpg" << false;
    QTest::newRow("value with a picture extension") << false << ".jpg" << "pump" << true;
    QTest::newRow("plain value that names a file") << false << "" << "pump.jpg" << false;
}

// The folder is the one the program uses (the test's own application folder); a refused name
// leaves the dialog open on the edit for another name.
void TestGridDialogs::pictureNameMayNotOverwriteAPicture() {
    QFETCH(bool, picture);
    QFETCH(QString, extension);
    QFETCH(QString, name);
    QFETCH(bool, refused);
    TestEnv env(TestEnv::WithoutDatabase);
    QVERIFY(AppPaths::imagesFolder().startsWith(env.folder()));
    QVERIFY(QDir().mkpath(AppPaths::imagesFolder()));
    QFile existing(AppPaths::imagesFolder() + "pump.jpg");
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();

    TextPromptDialog ask(TextPromptDialog::Kind::Value);
    ask.setPictureExtension(extension);
    onModalDialog([&](QDialog *dialog) {
        auto *edit = dialog->findChild<QLineEdit *>("edtCurValue");
        QVERIFY(edit);
        QCOMPARE(edit->text(), name);
        finish(dialog, "Button1");
        QCOMPARE(dialog->isVisible(), refused);
        if (!refused)
            return;
        QVERIFY(env.dialogs().wasShown(NameTaken, MessInfo));
        QTRY_VERIFY(edit->hasFocus());
        edit->setText("pump-2");
        finish(dialog, "Button1");
        QVERIFY(!dialog->isVisible());
    });
    const QString answer = picture ? ask.AskPictureName(name) : ask.AskValue(name);
    QCOMPARE(answer, refused ? QStringLiteral("pump-2") : name);
    QCOMPARE(env.dialogs().messageTexts(), refused ? QStringList{NameTaken} : QStringList());
}

void TestGridDialogs::promptAndCaptions() {
    TestEnv env(TestEnv::WithoutDatabase);
    TextPromptDialog ask(TextPromptDialog::Kind::Value);
    auto *prompt = ask.findChild<QLabel *>("Label1");
    QVERIFY(prompt);
    QCOMPARE(prompt->text(), QStringLiteral("请输入要填写的字段值："));
    ask.SetValuePrompt(QStringLiteral("请输入新图片的名称："));
    QCOMPARE(prompt->text(), QStringLiteral("请输入新图片的名称："));

    onModalDialog([](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("提示 "));
        finish(dialog, "Button1");
    });
    QCOMPARE(ask.AskPictureName(QStringLiteral("pump")), QStringLiteral("pump"));
    QVERIFY(env.dialogs().messages.isEmpty());
}

QTEST_MAIN(TestGridDialogs)
#include "tst_griddialogs.moc"
