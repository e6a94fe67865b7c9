// Every text a window shows comes through the translation system: with a translator installed
// that marks whatever it is asked for, no Chinese text of the program's own is left unmarked.
// A text kept in a constant made before the translator, or glued together outside tr(), shows
// up here unmarked.
#include "MainWindowFixture.h"
#include "TestEnv.h"
#include "core/app/AppSettings.h"
#include "gui/app/SplashScreen.h"
#include "gui/dialogs/ColumnChooserDialog.h"
#include "gui/dialogs/SortOrderDialog.h"
#include "gui/dialogs/TextPromptDialog.h"
#include "gui/register/AdvancedSearchDialog.h"
#include "gui/register/EquipmentChooser.h"
#include "gui/register/EquipmentEditor.h"
#include "gui/register/MainWindow.h"
#include "gui/security/LoginDialog.h"
#include "gui/settings/TreeCodeWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

namespace {

const QString Mark = QStringLiteral("⟨译⟩");

// Stands for a translation into another language: every text it is asked for comes back marked.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *sourceText, const char *, int) const override {
        return Mark + QString::fromUtf8(sourceText);
    }
};

bool hasChinese(const QString &text) {
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() >= 0x3400 && c.unicode() <= 0x9fff; });
}

// The texts of the window and its controls that hold Chinese but do not begin with the mark.
QStringList unmarkedTexts(QWidget *window) {
    QStringList texts = {window->windowTitle()};
    for (const QLabel *label : window->findChildren<QLabel *>())
        texts << label->text();
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        texts << button->text() << button->toolTip();
    for (const QGroupBox *group : window->findChildren<QGroupBox *>())
        texts << group->title();
    for (const QAction *action : window->findChildren<QAction *>())
        texts << action->text();
    for (const QMenu *menu : window->findChildren<QMenu *>())
        texts << menu->title();
    for (const QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    }
    // The fixtures hold no Chinese data, so every Chinese entry of a list is the program's own.
    for (const QComboBox *box : window->findChildren<QComboBox *>()) {
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
    }
    for (const QTableWidget *table : window->findChildren<QTableWidget *>()) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (const QTableWidgetItem *title = table->horizontalHeaderItem(column))
                texts << title->text();
            for (int row = 0; row < table->rowCount(); ++row)
                texts << (table->item(row, column) ? table->item(row, column)->text() : QString());
        }
    }
    for (const QTreeWidget *tree : window->findChildren<QTreeWidget *>()) {
        if (tree->topLevelItemCount() > 0)
            texts << tree->topLevelItem(0)->text(0); // the root's caption
    }
    QStringList unmarked;
    for (const QString &text : texts) {
        if (hasChinese(text) && !text.startsWith(Mark))
            unmarked << window->objectName() + QStringLiteral(": ") + text;
    }
    return unmarked;
}

void seedItem(Database &dm) {
    QVERIFY(InsertItem(dm, {{"F_code", "A1"}, {"F_name", "lathe"}}));
}

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT
private slots:
    void init() { QCoreApplication::installTranslator(&m_translator); }
    void cleanup() { QCoreApplication::removeTranslator(&m_translator); }

    void mainWindowShowsOnlyTranslatedTexts();
    void windowsAndDialogsShowOnlyTranslatedTexts();
    void messagesAreTranslated();

private:
    MarkingTranslator m_translator;
};

void TestTranslation::mainWindowShowsOnlyTranslatedTexts() {
    MainWindowFixture f(seedItem);
    const QStringList unmarked = unmarkedTexts(f.window.get());
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QLatin1Char('\n'))));
    QVERIFY(f.window->windowTitle().startsWith(Mark + QStringLiteral("檀昕")));
}

void TestTranslation::windowsAndDialogsShowOnlyTranslatedTexts() {
    TestEnv env;
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<SplashScreen>());
    windows.push_back(std::make_unique<EquipmentEditor>(env.dm(), nullptr));
    windows.push_back(std::make_unique<AdvancedSearchDialog>(env.dm(), TreePicker()));
    windows.push_back(std::make_unique<EquipmentChooser>(env.dm(), nullptr));
    windows.push_back(std::make_unique<LoginDialog>(env.dm(), nullptr));
    windows.push_back(std::make_unique<TextPromptDialog>(TextPromptDialog::Kind::Value));
    windows.push_back(std::make_unique<TextPromptDialog>(TextPromptDialog::Kind::Name));
    windows.push_back(std::make_unique<SortOrderDialog>());
    windows.push_back(std::make_unique<ColumnChooserDialog>());
    auto tree = std::make_unique<TreeCodeWindow>(env.dm());
    QVERIFY(tree->SetMode(TreeMode::ManageDepartments));
    windows.push_back(std::move(tree));
    for (const auto &window : windows) {
        const QStringList unmarked = unmarkedTexts(window.get());
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QLatin1Char('\n'))));
    }
}

// Messages made when they are shown, in the core and in the windows, come translated too.
void TestTranslation::messagesAreTranslated() {
    TestEnv env;
    QVERIFY(env.dm().ExecuteSQL("drop table t_treecode"));
    QVERIFY(!env.dm().ExecuteSQL("delete from t_treecode"));
    QCOMPARE(env.dialogs().messageTexts().size(), 1);
    QVERIFY(env.dialogs().messageTexts().first().startsWith(Mark));
    QVERIFY(AppSettings::ProductName().startsWith(Mark));
    QCOMPARE(Database::GetReportDateText(std::nullopt, std::nullopt),
             Mark + QStringLiteral("统计日期：自 ") + Mark + QStringLiteral("启用系统") +
                 QStringLiteral(" 至 ") + Mark + QStringLiteral("记帐最后一天"));
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
