#include "gui/register/MainWindow.h"

#include "core/app/AppSettings.h"
#include "core/app/IniFile.h"
#include "core/app/UserDialogs.h"
#include "core/data/Database.h"
#include "core/data/RecordSet.h"
#include "core/register/EquipmentFilter.h"
#include "gui/register/AdvancedSearchDialog.h"
#include "gui/widgets/CodeTree.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/GridLayouts.h"
#include "gui/widgets/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

// One command of the window: its action, where it sits, and what runs it. Commands without a
// handler belong to windows that are not available yet; they stay in place, disabled.
struct MainWindow::Command {
    const char *name;
    const char *caption; // marked for translation, translated as the action is made
    const char *menu; // object name of the main-menu entry, or "" for the detail commands
    QStyle::StandardPixmap icon;
    void (MainWindow::*handler)();
};

namespace {

// The question asked before the program is left; true when the user answers yes.
bool confirmExit() {
    return ShowMess(QCoreApplication::translate("MainWindow", "真的要退出“%1”软件吗？")
                        .arg(AppSettings::ProductName()),
                    MessQuestion) == MessYes;
}

// Titles of the equipment grid and its indicator column.
const char *const TitleStyle = "QHeaderView::section { background-color: rgb(255, 205, 155); "
                               "border: 0px; border-right: 1px solid rgb(214, 160, 110); "
                               "border-bottom: 1px solid rgb(214, 160, 110); padding: 2px; }";
// Marked here, translated where the page selector is filled.
const char *const DetailCaptions[] = {
    QT_TRANSLATE_NOOP("MainWindow", "附    件"), QT_TRANSLATE_NOOP("MainWindow", "图    片"),
    QT_TRANSLATE_NOOP("MainWindow", "文    档"), QT_TRANSLATE_NOOP("MainWindow", "备    注")};

QLabel *blueLabel(const QString &text) {
    auto *label = new QLabel(text);
    label->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160); font-weight: bold;"));
    return label;
}

} // namespace

const QList<MainWindow::Command> &MainWindow::commands() {
    using S = QStyle;
    static const QList<Command> all = {
        {"Action101", QT_TRANSLATE_NOOP("MainWindow", "公司信息"), "mi100", S::SP_DirHomeIcon,
         nullptr},
        {"Action102", QT_TRANSLATE_NOOP("MainWindow", "更改密码"), "mi100", S::SP_DialogResetButton,
         nullptr},
        {"Action103", QT_TRANSLATE_NOOP("MainWindow", "用户权限"), "mi100",
         S::SP_FileDialogDetailedView, nullptr},
        {"Action104", QT_TRANSLATE_NOOP("MainWindow", "选项..."), "mi100", S::SP_FileDialogListView,
         nullptr},
        {"Action105", QT_TRANSLATE_NOOP("MainWindow", "设备类型"), "mi100", S::SP_DirIcon,
         &MainWindow::manageTypes},
        {"Action106", QT_TRANSLATE_NOOP("MainWindow", "部门机构"), "mi100", S::SP_DirLinkIcon,
         &MainWindow::manageDepartments},
        {"Action201", QT_TRANSLATE_NOOP("MainWindow", "新增"), "mi200", S::SP_FileIcon,
         &MainWindow::newItem},
        {"Action202", QT_TRANSLATE_NOOP("MainWindow", "修改"), "mi200",
         S::SP_FileDialogContentsView, &MainWindow::editItem},
        {"Action203", QT_TRANSLATE_NOOP("MainWindow", "删除"), "mi200", S::SP_TrashIcon,
         &MainWindow::deleteCurrentItem},
        {"Action204", QT_TRANSLATE_NOOP("MainWindow", "排序..."), "mi200", S::SP_ArrowDown,
         &MainWindow::sortList},
        {"Action205", QT_TRANSLATE_NOOP("MainWindow", "显示字段选择"), "mi200",
         S::SP_FileDialogListView, &MainWindow::chooseListColumns},
        {"Action206", QT_TRANSLATE_NOOP("MainWindow", "保存当前网格"), "mi200",
         S::SP_DialogSaveButton, &MainWindow::saveListLayout},
        {"Action207", QT_TRANSLATE_NOOP("MainWindow", "复制"), "mi200", S::SP_FileLinkIcon,
         &MainWindow::copyItem},
        {"Action208", QT_TRANSLATE_NOOP("MainWindow", "设备维修"), "mi200", S::SP_ComputerIcon,
         nullptr},
        {"Action209", QT_TRANSLATE_NOOP("MainWindow", "设备调拨"), "mi200", S::SP_ArrowRight,
         nullptr},
        {"Action210", QT_TRANSLATE_NOOP("MainWindow", "设备验收"), "mi200", S::SP_DialogApplyButton,
         nullptr},
        {"Action301", QT_TRANSLATE_NOOP("MainWindow", "导出"), "mi300", S::SP_DriveFDIcon, nullptr},
        {"Action302", QT_TRANSLATE_NOOP("MainWindow", "报表设计"), "mi300",
         S::SP_FileDialogInfoView, nullptr},
        {"Action303", QT_TRANSLATE_NOOP("MainWindow", "设备档案列表"), "mi300", S::SP_FileIcon,
         nullptr},
        {"Action304", QT_TRANSLATE_NOOP("MainWindow", "设备标签"), "mi300", S::SP_FileIcon,
         nullptr},
        {"Action305", QT_TRANSLATE_NOOP("MainWindow", "设备部门统计表"), "mi300", S::SP_FileIcon,
         nullptr},
        {"Action306", QT_TRANSLATE_NOOP("MainWindow", "设备分类统计表"), "mi300", S::SP_FileIcon,
         nullptr},
        {"Action307", QT_TRANSLATE_NOOP("MainWindow", "资产设备档案卡"), "mi300", S::SP_FileIcon,
         nullptr},
        {"Action308", QT_TRANSLATE_NOOP("MainWindow", "设备维修单"), "mi300", S::SP_FileIcon,
         nullptr},
        {"Action309", QT_TRANSLATE_NOOP("MainWindow", "设备调拨单"), "mi300", S::SP_FileIcon,
         nullptr},
        {"Action310", QT_TRANSLATE_NOOP("MainWindow", "设备验收单"), "mi300", S::SP_FileIcon,
         nullptr},
        {"Action311", QT_TRANSLATE_NOOP("MainWindow", "设备入库单"), "mi300", S::SP_FileIcon,
         nullptr},
        {"Action401", QT_TRANSLATE_NOOP("MainWindow", "统计"), "mi400",
         S::SP_FileDialogDetailedView, nullptr},
        {"Action402", QT_TRANSLATE_NOOP("MainWindow", "设备维修记录统计"), "mi400",
         S::SP_FileDialogDetailedView, nullptr},
        {"Action403", QT_TRANSLATE_NOOP("MainWindow", "设备调拨记录统计"), "mi400",
         S::SP_FileDialogDetailedView, nullptr},
        {"Action404", QT_TRANSLATE_NOOP("MainWindow", "设备验收记录统计"), "mi400",
         S::SP_FileDialogDetailedView, nullptr},
        {"Action501", QT_TRANSLATE_NOOP("MainWindow", "导入合同资料"), "mi500", S::SP_ArrowUp,
         nullptr},
        {"Action502", QT_TRANSLATE_NOOP("MainWindow", "系统数据清理"), "mi500", S::SP_TrashIcon,
         nullptr},
        {"Action503", QT_TRANSLATE_NOOP("MainWindow", "数据备份恢复"), "mi500", S::SP_DriveHDIcon,
         nullptr},
        {"Action504", QT_TRANSLATE_NOOP("MainWindow", "压缩修复数据库"), "mi500",
         S::SP_BrowserReload, nullptr},
        {"Action505", QT_TRANSLATE_NOOP("MainWindow", "连接网络数据库"), "mi500",
         S::SP_DriveNetIcon, nullptr},
        {"Action901", QT_TRANSLATE_NOOP("MainWindow", "新增"), "", S::SP_FileIcon, nullptr},
        {"Action902", QT_TRANSLATE_NOOP("MainWindow", "修改"), "", S::SP_FileDialogContentsView,
         nullptr},
        {"Action903", QT_TRANSLATE_NOOP("MainWindow", "删除"), "", S::SP_TrashIcon, nullptr},
        {"Action904", QT_TRANSLATE_NOOP("MainWindow", "排序..."), "", S::SP_ArrowDown,
         &MainWindow::sortDetail},
        {"Action905", QT_TRANSLATE_NOOP("MainWindow", "显示字段选择"), "", S::SP_FileDialogListView,
         &MainWindow::chooseDetailColumns},
        {"Action906", QT_TRANSLATE_NOOP("MainWindow", "保存当前网格"), "", S::SP_DialogSaveButton,
         &MainWindow::saveDetailLayout},
        {"Action907", QT_TRANSLATE_NOOP("MainWindow", "更名"), "", S::SP_FileDialogContentsView,
         nullptr},
        {"Action31", QT_TRANSLATE_NOOP("MainWindow", "导出"), "", S::SP_DriveFDIcon, nullptr},
    };
    return all;
}

MainWindow::MainWindow(Database &dm, QWidget *parent)
    : QMainWindow(parent), m_dm(dm), m_qryMain(new RecordSet(this)),
      m_qryDetail1(new RecordSet(this)), m_qryDetail2(new RecordSet(this)),
      m_qryDetail3(new RecordSet(this)) {
    setObjectName(QStringLiteral("FrmMain"));
    resize(1180, 760);
    buildActions();
    buildMenus();
    buildToolBar();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildSearchBar());
    m_mainSplitter = new QSplitter(Qt::Horizontal, central);
    m_mainSplitter->addWidget(buildNavigationPane());
    auto *right = new QSplitter(Qt::Vertical, m_mainSplitter);
    right->addWidget(buildListPane());
    right->addWidget(buildDetailPane());
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 1);
    right->setSizes({520, 200});
    m_mainSplitter->addWidget(right);
    m_mainSplitter->setStretchFactor(1, 1);
    m_mainSplitter->setSizes({190, 990});
    layout->addWidget(m_mainSplitter, 1);
    setCentralWidget(central);

    buildStatusBar();
    buildPopupMenus();
    setAdvancedQuery(
        [this](QWidget *parent) { return BuildAdvancedQuery(m_dm, parent, treePicker()); });
    markUnavailable();
    qApp->installEventFilter(this);
    DispFormPos(this, 0);
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::buildActions() {
    for (const Command &command : commands()) {
        auto *action =
            new QAction(style()->standardIcon(command.icon),
                        QCoreApplication::translate("MainWindow", command.caption), this);
        action->setObjectName(QString::fromLatin1(command.name));
        if (command.handler) {
            const auto handler = command.handler;
            connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        }
        m_actions.insert(action->objectName(), action);
    }
}

// Commands whose windows are not there yet stay visible in their places but cannot be used.
void MainWindow::markUnavailable() {
    for (const Command &command : commands()) {
        if (command.handler)
            continue;
        QAction *action = m_actions.value(QString::fromLatin1(command.name));
        action->setEnabled(false);
        action->setProperty("unavailable", true);
        action->setToolTip(tr("%1（尚未提供）").arg(action->text()));
    }
    SpeedButton2->setEnabled(static_cast<bool>(m_advancedQuery));
    if (!m_advancedQuery)
        SpeedButton2->setToolTip(tr("尚未提供"));
}

QMenu *MainWindow::addMenu(const QString &objectName, const QString &title) {
    QMenu *menu = menuBar()->addMenu(title);
    menu->setObjectName(objectName);
    menu->menuAction()->setObjectName(objectName + QStringLiteral("Item"));
    return menu;
}

void MainWindow::buildMenus() {
    const auto add = [this](QMenu *menu, const QStringList &names) {
        for (const QString &name : names) {
            if (name.isEmpty())
                menu->addSeparator();
            else
                menu->addAction(m_actions.value(name));
        }
    };
    QMenu *file = addMenu(QStringLiteral("mi100"), tr("文件(&F)"));
    add(file, {"Action101", "Action102", "Action103", "Action104", "Action105", "Action106", ""});
    QAction *relogin = file->addAction(style()->standardIcon(QStyle::SP_BrowserReload),
                                       tr("重新登录"));
    relogin->setObjectName(QStringLiteral("N43"));
    connect(relogin, &QAction::triggered, this, [this] { changeOperator(false); });
    QAction *quit = file->addAction(tr("退出系统"));
    quit->setObjectName(QStringLiteral("N5"));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu *edit = addMenu(QStringLiteral("mi200"), tr("编辑(&E)"));
    add(edit, {"Action201", "Action207", "Action202", "Action203", "", "Action208", "Action209",
               "Action210", "", "Action204", "Action205", "Action206"});

    QMenu *output = addMenu(QStringLiteral("mi300"), tr("输出(&O)"));
    add(output, {"Action301", "Action302", "", "Action303", "Action304", "Action305",
                 "Action306", "Action307", "", "Action308", "Action309", "Action310",
                 "Action311"});
    output->actions().first()->setProperty("menuItemName", QStringLiteral("nExport"));

    QMenu *statistics = addMenu(QStringLiteral("mi400"), tr("统计(&T)"));
    add(statistics, {"Action401", "", "Action402", "Action403", "Action404"});

    QMenu *data = addMenu(QStringLiteral("mi500"), tr("数据(&D)"));
    // The import command reads differently in the menu than on its action.
    auto *importItem = new QAction(m_actions.value("Action501")->icon(),
                                   tr("导入设备资料"), this);
    importItem->setObjectName(QStringLiteral("excel1"));
    connect(importItem, &QAction::triggered, m_actions.value("Action501"), &QAction::trigger);
    connect(m_actions.value("Action501"), &QAction::changed, importItem, [this, importItem] {
        QAction *source = m_actions.value("Action501");
        importItem->setVisible(source->isVisible());
        importItem->setEnabled(source->isEnabled());
        importItem->setToolTip(source->toolTip());
    });
    data->addAction(importItem);
    QAction *removeEmpty = data->addAction(tr("清除导入空行"));
    removeEmpty->setObjectName(QStringLiteral("N73"));
    connect(removeEmpty, &QAction::triggered, this, &MainWindow::removeEmptyImportedRows);
    add(data, {"", "Action502", "Action503", "Action504", "Action505"});

    QMenu *view = menuBar()->addMenu(tr("视图(&V)"));
    const auto toggle = [this, view](const char *name, const QString &caption,
                                     const std::function<void(bool)> &apply) {
        QAction *item = view->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        item->setCheckable(true);
        item->setChecked(true);
        connect(item, &QAction::toggled, this, apply);
    };
    toggle("nshitu1", tr("工具栏"), [this](bool on) { ToolBar1->setVisible(on); });
    toggle("nshitu2", tr("导航树"), [this](bool on) { toggleNavigationPane(on); });
    toggle("nshitu3", tr("状态栏"), [this](bool on) { statusBar()->setVisible(on); });

    QMenu *tools = menuBar()->addMenu(tr("工具(&U)"));
    QAction *calculator = tools->addAction(tr("计算器"));
    calculator->setObjectName(QStringLiteral("N24"));
    connect(calculator, &QAction::triggered, this, [this] {
        startDesktopTool({"gnome-calculator", "kcalc", "mate-calc", "galculator",
                          "qalculate-gtk", "xcalc"},
                         tr("计算器"));
    });
    QAction *notepad = tools->addAction(tr("笔记本"));
    notepad->setObjectName(QStringLiteral("N25"));
    connect(notepad, &QAction::triggered, this, [this] {
        startDesktopTool({"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma",
                          "xed", "featherpad", "leafpad"},
                         tr("文本编辑器"));
    });

    QMenu *help = menuBar()->addMenu(tr("帮助(&H)"));
    const auto helpItem = [this, help](const char *name, const QString &caption,
                                       const QString &file) {
        QAction *item = help->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, [this, file] { openHelpFile(file); });
    };
    helpItem("N8", tr("帮助文件"), QStringLiteral("help.html"));
    helpItem("N7", tr("自述文件"), QStringLiteral("readme.txt"));
    helpItem("N41", tr("最新功能"), QStringLiteral("whatisnew.txt"));
    help->addSeparator();
    QAction *about = help->addAction(tr("关于我们"));
    about->setObjectName(QStringLiteral("N3"));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::buildToolBar() {
    ToolBar1 = addToolBar(tr("工具栏"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolBar1->setIconSize(QSize(30, 30));
    ToolBar1->setMovable(false);

    QAction *relogin = ToolBar1->addAction(style()->standardIcon(QStyle::SP_BrowserReload),
                                           tr("重新登录"));
    relogin->setObjectName(QStringLiteral("ToolButton1"));
    connect(relogin, &QAction::triggered, this, [this] { changeOperator(true); });
    ToolBar1->addSeparator();
    for (const char *name : {"Action201", "Action207", "Action202", "Action203"})
        ToolBar1->addAction(m_actions.value(QString::fromLatin1(name)));
    ToolBar1->addSeparator();
    for (const char *name : {"Action208", "Action209", "Action210"})
        ToolBar1->addAction(m_actions.value(QString::fromLatin1(name)));
    ToolBar1->addSeparator();
    ToolBar1->addAction(m_actions.value("Action204"));

    auto *printMenu = new QMenu(this);
    printMenu->setObjectName(QStringLiteral("PopupMenu3"));
    for (const char *name : {"Action303", "Action304", "Action305", "Action306", "Action307"})
        printMenu->addAction(m_actions.value(QString::fromLatin1(name)));
    printMenu->addSeparator();
    for (const char *name : {"Action308", "Action309", "Action310", "Action311"})
        printMenu->addAction(m_actions.value(QString::fromLatin1(name)));
    auto *print = new QToolButton(ToolBar1);
    print->setObjectName(QStringLiteral("ToolButton4"));
    print->setText(tr("打印"));
    print->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    print->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    print->setMenu(printMenu);
    print->setPopupMode(QToolButton::InstantPopup);
    ToolBar1->addWidget(print);
    ToolBar1->addSeparator();
    QAction *close = ToolBar1->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                         tr("关闭"));
    close->setObjectName(QStringLiteral("ToolButton10"));
    connect(close, &QAction::triggered, this, &QWidget::close);
}

QWidget *MainWindow::buildSearchBar() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    Panel1->setStyleSheet(QStringLiteral(
        "#Panel1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f8fc, "
        "stop:1 #dce6f2); border-bottom: 1px solid #b8c8dc; }"));
    auto *bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(6, 4, 6, 4);

    SpeedButton1 = new QToolButton(Panel1);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setToolTip(tr("显示或隐藏导航树"));
    connect(SpeedButton1, &QToolButton::clicked, this, [this] {
        findChild<QAction *>(QStringLiteral("nshitu2"))->toggle();
    });
    CheckBox1 = new QCheckBox(tr("包含已停用"), Panel1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    connect(CheckBox1, &QCheckBox::clicked, this, &MainWindow::RefreshList);

    auto *searchLabel = new QLabel(tr("搜索(&V)"), Panel1);
    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(EquipmentFilter::searchFieldCaptions());
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setMinimumWidth(120);
    searchLabel->setBuddy(ComboBox1);
    auto *valueLabel = new QLabel(tr("值(&V)"), Panel1);
    Edit1 = new QLineEdit(Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setClearButtonEnabled(true);
    Edit1->setMinimumWidth(180);
    valueLabel->setBuddy(Edit1);
    connect(Edit1, &QLineEdit::textChanged, this, &MainWindow::RefreshList);
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                              tr("查找(F3)"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setShortcut(QKeySequence(Qt::Key_F3));
    connect(BitBtn1, &QPushButton::clicked, this, &MainWindow::RefreshList);
    SpeedButton2 = new QToolButton(Panel1);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(tr("高级查找..."));
    SpeedButton2->setCheckable(true);
    connect(SpeedButton2, &QToolButton::clicked, this, &MainWindow::toggleAdvancedSearch);

    bar->addWidget(SpeedButton1);
    bar->addWidget(CheckBox1);
    bar->addSpacing(12);
    bar->addWidget(searchLabel);
    bar->addWidget(ComboBox1);
    bar->addWidget(valueLabel);
    bar->addWidget(Edit1);
    bar->addWidget(BitBtn1);
    bar->addWidget(SpeedButton2);
    bar->addStretch(1);
    return Panel1;
}

QWidget *MainWindow::buildNavigationPane() {
    rpcSET = new QTabWidget(this);
    rpcSET->setObjectName(QStringLiteral("rpcSET"));
    rpcSET->setTabPosition(QTabWidget::South);
    rpcSET->setMinimumWidth(150);

    auto *items = new QWidget(rpcSET);
    auto *itemsLayout = new QVBoxLayout(items);
    itemsLayout->setContentsMargins(2, 2, 2, 2);
    vleList = new QTableWidget(0, 2, items);
    vleList->setObjectName(QStringLiteral("vleList"));
    vleList->setHorizontalHeaderLabels({QString(), tr("项    目")});
    vleList->verticalHeader()->hide();
    vleList->setColumnWidth(0, 29);
    vleList->horizontalHeader()->setStretchLastSection(true);
    vleList->setSelectionBehavior(QAbstractItemView::SelectRows);
    vleList->setSelectionMode(QAbstractItemView::SingleSelection);
    vleList->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    connect(vleList, &QTableWidget::cellClicked, this, [this] {
        if (!m_fillingItems)
            RefreshList();
    });
    cbbListType = new QComboBox(items);
    cbbListType->setObjectName(QStringLiteral("cbbListType"));
    cbbListType->addItems({tr("设备状态"), tr("使用人员"), tr("制单人员")});
    connect(cbbListType, &QComboBox::activated, this,
            [this](int index) { FillItemList(index + 1); });
    Button1 = new QPushButton(tr("刷新列表"), items);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this,
            [this] { FillItemList(cbbListType->currentIndex() + 1); });
    itemsLayout->addWidget(vleList, 1);
    itemsLayout->addWidget(cbbListType);
    itemsLayout->addWidget(Button1);

    auto *trees = new QSplitter(Qt::Vertical, rpcSET);
    const auto treePane = [this, trees](const QString &caption, const QString &name) {
        auto *pane = new QWidget(trees);
        auto *paneLayout = new QVBoxLayout(pane);
        paneLayout->setContentsMargins(2, 2, 2, 2);
        paneLayout->setSpacing(2);
        paneLayout->addWidget(blueLabel(caption));
        auto *tree = new QTreeWidget(pane);
        tree->setObjectName(name);
        tree->setHeaderHidden(true);
        tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
        connect(tree, &QTreeWidget::itemDoubleClicked, this, &MainWindow::RefreshList);
        paneLayout->addWidget(tree, 1);
        trees->addWidget(pane);
        return tree;
    };
    tvTree = treePane(tr("设备类型"), QStringLiteral("tvTree"));
    tvTree1 = treePane(tr("使用部门"), QStringLiteral("tvTree1"));
    trees->setSizes({300, 184});

    rpcSET->addTab(items, tr(" 项    目 "));
    rpcSET->addTab(trees, tr(" 类    型 "));
    rpcSET->setCurrentIndex(1);
    return rpcSET;
}

QWidget *MainWindow::buildListPane() {
    auto *pane = new QWidget(this);
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    DBGridEh1 = new DataGrid(pane);
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    DBGridEh1->setColumns(BuiltInGridColumns(QStringLiteral("setmain")));
    DBGridEh1->setRecordSet(m_qryMain);
    DBGridEh1->horizontalHeader()->setStyleSheet(QString::fromLatin1(TitleStyle));
    DBGridEh1->verticalHeader()->setStyleSheet(QString::fromLatin1(TitleStyle));
    RecordSet *records = m_qryMain;
    // A stopped item is drawn red on the button face, selected or not.
    DBGridEh1->setRowStyleHook([records, this](int row) -> std::optional<DataGrid::RowStyle> {
        if (!records->value(row, QStringLiteral("F_useFlag")).toBool())
            return std::nullopt;
        return DataGrid::RowStyle{QColor(255, 0, 0), palette().color(QPalette::Button)};
    });
    connect(DBGridEh1, &DataGrid::rowDoubleClicked, this,
            [this] { runCommand(QStringLiteral("Action202")); });
    connect(DBGridEh1, &DataGrid::totalsChanged, this, &MainWindow::showCount);
    connect(m_qryMain, &RecordSet::currentRowChanged, this, &MainWindow::onCurrentItemChanged);

    lblSETnum = new QLabel(tr("设备数：0 条 "), pane);
    lblSETnum->setObjectName(QStringLiteral("lblSETnum"));
    lblSETnum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblSETnum->setFixedHeight(21);
    // Greyed while the count of a new list is still being read.
    lblSETnum->setStyleSheet(QStringLiteral("QLabel { color: rgb(0, 0, 200); padding-right: 8px; } "
                                            "QLabel:disabled { color: rgb(150, 150, 150); }"));
    layout->addWidget(DBGridEh1, 1);
    layout->addWidget(lblSETnum);
    return pane;
}

QWidget *MainWindow::buildDetailPane() {
    auto *pane = new QWidget(this);
    auto *layout = new QHBoxLayout(pane);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);

    ListView1 = new QListWidget(pane);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setFixedWidth(100);
    const QStyle::StandardPixmap icons[] = {QStyle::SP_FileLinkIcon, QStyle::SP_DesktopIcon,
                                            QStyle::SP_FileIcon, QStyle::SP_FileDialogInfoView};
    for (int i = 0; i < int(std::size(DetailCaptions)); ++i)
        new QListWidgetItem(style()->standardIcon(icons[i]),
                            QCoreApplication::translate("MainWindow", DetailCaptions[i]),
                            ListView1);
    connect(ListView1, &QListWidget::currentRowChanged, this, &MainWindow::selectDetailPage);

    auto *right = new QWidget(pane);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    CBdetail = new QToolBar(right);
    CBdetail->setObjectName(QStringLiteral("CBdetail"));
    CBdetail->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    CBdetail->setIconSize(QSize(16, 16));
    for (const char *name :
         {"Action901", "Action902", "Action903", "Action907", "Action904", "Action31"})
        CBdetail->addAction(m_actions.value(QString::fromLatin1(name)));

    rpcList = new QTabWidget(right);
    rpcList->setObjectName(QStringLiteral("rpcList"));
    rpcList->setTabPosition(QTabWidget::South);
    const auto detailGrid = [this](const QString &name, const QString &layoutName,
                                   RecordSet *records) {
        auto *grid = new DataGrid(rpcList);
        grid->setObjectName(name);
        grid->setColumns(BuiltInGridColumns(layoutName));
        grid->setRecordSet(records);
        grid->setFooterVisible(false);
        grid->setContextMenuPolicy(Qt::ActionsContextMenu);
        connect(grid, &DataGrid::rowDoubleClicked, this,
                [this] { runCommand(QStringLiteral("Action902")); });
        return grid;
    };
    DBGridEh2 = detailGrid(QStringLiteral("DBGridEh2"), QStringLiteral("detail1"), m_qryDetail1);
    ListView2 = new QListWidget(rpcList);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setViewMode(QListView::IconMode);
    ListView2->setIconSize(QSize(80, 80));
    ListView2->setGridSize(QSize(90, 120));
    DBGridEh3 = detailGrid(QStringLiteral("DBGridEh3"), QStringLiteral("detail2"), m_qryDetail3);
    DBMemo1 = new QPlainTextEdit(rpcList);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->setReadOnly(true);
    rpcList->addTab(DBGridEh2, tr(" 附    件 "));
    rpcList->addTab(ListView2, tr(" 图    片 "));
    rpcList->addTab(DBGridEh3, tr(" 文    档 "));
    rpcList->addTab(DBMemo1, tr(" 备    注 "));
    // Choosing a page by its tab keeps the selector, the kind and the detail bar in step.
    connect(rpcList, &QTabWidget::currentChanged, this, [this](int page) {
        if (ListView1->currentRow() != page)
            ListView1->setCurrentRow(page);
    });

    rightLayout->addWidget(CBdetail);
    rightLayout->addWidget(rpcList, 1);
    layout->addWidget(ListView1);
    layout->addWidget(right, 1);
    return pane;
}

void MainWindow::buildStatusBar() {
    struct Panel {
        const char *text;
        int width;
    };
    // The captions are marked for translation here and translated as the panels are made; the
    // blank panels are filled with the operator and the clock.
    const Panel panels[] = {{QT_TRANSLATE_NOOP("MainWindow", " 当前用户"), 60},
                            {"", 80},
                            {QT_TRANSLATE_NOOP("MainWindow", " 当前日期时间"), 100},
                            {"", 140}};
    for (const Panel &spec : panels) {
        auto *panel = new QLabel(QCoreApplication::translate("MainWindow", spec.text), this);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(m_statusPanels.size()));
        panel->setMinimumWidth(spec.width);
        statusBar()->addWidget(panel);
        m_statusPanels << panel;
    }
    auto *banner = new QLabel(AppSettings::ProductName() + AppSettings::ProductVersion(), this);
    banner->setObjectName(QStringLiteral("StatusPanel4"));
    banner->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusBar()->addPermanentWidget(banner);
    m_statusPanels << banner;
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &MainWindow::showClock);
}

void MainWindow::buildPopupMenus() {
    DBGridEh1->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto separator = [this] {
        auto *line = new QAction(this);
        line->setSeparator(true);
        return line;
    };
    for (const char *name : {"Action201", "Action207", "Action202", "Action203"})
        DBGridEh1->addAction(m_actions.value(QString::fromLatin1(name)));
    DBGridEh1->addAction(separator());
    for (const char *name : {"Action204", "Action301", "Action205", "Action206"})
        DBGridEh1->addAction(m_actions.value(QString::fromLatin1(name)));
    DBGridEh1->addAction(separator());
    const auto bulkChange = [this](const char *name, const QString &caption,
                                   void (MainWindow::*change)()) {
        auto *bulk = new QAction(caption, this);
        bulk->setObjectName(QString::fromLatin1(name));
        connect(bulk, &QAction::triggered, this, change);
        DBGridEh1->addAction(bulk);
    };
    bulkChange("N75", tr("更改所选设备的设备类型"), &MainWindow::changeSelectedTypes);
    bulkChange("N80", tr("更改所选设备的使用部门"), &MainWindow::changeSelectedDepartments);

    for (QWidget *view : {static_cast<QWidget *>(DBGridEh2), static_cast<QWidget *>(ListView2),
                          static_cast<QWidget *>(DBGridEh3)}) {
        view->setContextMenuPolicy(Qt::ActionsContextMenu);
        for (const char *name : {"Action901", "Action902", "Action903", "Action907"})
            view->addAction(m_actions.value(QString::fromLatin1(name)));
        view->addAction(separator());
        for (const char *name : {"Action904", "Action31", "Action905", "Action906"})
            view->addAction(m_actions.value(QString::fromLatin1(name)));
    }
}

QString MainWindow::statusPanelText(int panel) const {
    return panel >= 0 && panel < m_statusPanels.size() ? m_statusPanels[panel]->text() : QString();
}

void MainWindow::showOperator(const QString &name, const QDateTime &loginTime) {
    m_statusPanels[1]->setText(name);
    m_statusPanels[3]->setText(loginTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    markUnavailable();
    // The page rules show the detail commands; the permissions just applied may hide them.
    selectDetailPage(ListView1->currentRow());
}

void MainWindow::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        onFirstShow();
    }
}

void MainWindow::onFirstShow() {
    setWindowTitle(AppSettings::ProductName() + AppSettings::ProductVersion());
    m_statusPanels[1]->setText(QLatin1Char(' ') + AppSettings::CurrentOperator);
    showClock();
    Timer1->start(1000);
    AppSettings::BackupPolicy =
        AppSettings::ConfigFile().readInteger(QStringLiteral("config"), QStringLiteral("ibak"), 0);
    LoadCodeTree(m_dm, tvTree, tr("设备类型"), QStringLiteral("type"));
    tvTree->topLevelItem(0)->setExpanded(true);
    LoadCodeTree(m_dm, tvTree1, tr("部门类型"), QStringLiteral("depttype"));
    tvTree1->topLevelItem(0)->setExpanded(true);
    // Layouts first: the list is then counted and summed once, with the columns it shows.
    LoadGridLayout(m_dm, DBGridEh1, QStringLiteral("setmain"));
    LoadGridLayout(m_dm, DBGridEh2, QStringLiteral("detail1"));
    LoadGridLayout(m_dm, DBGridEh3, QStringLiteral("detail2"));
    FillItemList(1);
    cbbListType->setCurrentIndex(0);
    ListView1->setCurrentRow(0);
    selectDetailPage(0);
}

void MainWindow::showClock() {
    m_statusPanels[3]->setText(
        QLatin1Char(' ') +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (confirmExit())
        event->accept();
    else
        event->ignore();
}
