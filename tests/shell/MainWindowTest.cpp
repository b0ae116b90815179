#include <QAbstractItemModelTester>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "shell/FunctionKeys.h"
#include "tests/shell/ShellFixture.h"

namespace bestitem::testing {
namespace {

using MainWindowTest = ShellTest;

struct ControlCase {
    const char* name;
    const char* parent;
    QRect geometry;
    const char* text;
    std::optional<QColor> textColour;
    bool enabled;
    bool visible;
};

TEST_F(MainWindowTest, ControlsSitWhereTheyBelong) {
    window.show();
    const ControlCase cases[] = {
        {"透明标签3", "窗口", {8, 8, 56, 16}, "文件目录：", QColor(0, 0, 255), true, true},
        {"编辑框1", "窗口", {64, 6, 327, 20}, "", std::nullopt, false, true},
        {"按钮1",
         "窗口",
         {394, 5, 168, 22},
         "打开数据库导出的DB物品文件",
         std::nullopt,
         true,
         true},
        {"标签1", "窗口", {208, 16, 40, 32}, "", std::nullopt, true, false},
        {"超级列表框1", "窗口", {3, 31, 561, 347}, nullptr, std::nullopt, true, true},
        {"分组框1",
         "窗口",
         {3, 380, 561, 48},
         "设置选中物品（物品载入显示后按键功能如下）",
         std::nullopt,
         true,
         true},
        {"透明标签1",
         "分组框1",
         {5, 17, 304, 24},
         "  F1：极品  F2：贵重  F3：拾取  F4：显示  F9不显示  ",
         QColor(0, 255, 0),
         true,
         true},
        {"透明标签4",
         "分组框1",
         {315, 16, 240, 24},
         "↑↓键切换当前物品，Ctrl多选，Shift框选",
         QColor(255, 0, 0),
         true,
         true},
        {"分组框2",
         "窗口",
         {3, 431, 449, 48},
         "设置全部物品（物品载入显示后按键功能如下）",
         std::nullopt,
         true,
         true},
        {"透明标签2",
         "分组框2",
         {4, 17, 389, 24},
         "  F5：全部极品    F6：全部贵重    F7：全部拾取    F8：全部显示",
         QColor(255, 0, 255),
         true,
         true},
        {"按钮2",
         "窗口",
         {455, 436, 110, 42},
         "     设置完毕     保  存",
         std::nullopt,
         true,
         true},
    };
    for (const ControlCase& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* widget = control<QWidget>(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromUtf8(c.parent));
        EXPECT_EQ(widget->geometry(), c.geometry);
        EXPECT_EQ(widget->isEnabled(), c.enabled);
        EXPECT_EQ(widget->isVisible(), c.visible);
        if (c.text != nullptr) {
            QString text;
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                text = label->text();
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                text = button->text();
            } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
                text = box->title();
            } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                text = edit->text();
            }
            EXPECT_EQ(text, QString::fromUtf8(c.text));
        }
        if (c.textColour) {
            EXPECT_EQ(widget->palette().color(QPalette::WindowText), *c.textColour);
        }
    }
    EXPECT_FALSE(control<QPushButton>("按钮1")->isDefault());
    EXPECT_FALSE(control<QPushButton>("按钮2")->autoDefault());
}

TEST_F(MainWindowTest, FrameIsFixedAndCentred) {
    EXPECT_EQ(window.size(), QSize(567, 483));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(
        window.windowTitle().startsWith(QString::fromUtf8("Quellar极品文件批量设置工具20191122")));
    window.show();
    QTest::qWait(10);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = window.frameGeometry();
    EXPECT_EQ(frame.left(), (screen.width() - frame.width()) / 2);
    EXPECT_EQ(frame.top(), (screen.height() - frame.height()) / 2);
}

TEST_F(MainWindowTest, ListColumnsAndLook) {
    QTableView& list = window.list();
    const char* titles[] = {"序号", "物品名称", "极品", "贵重", "拾取", "显示"};
    const int widths[] = {67, 150, 85, 85, 85, 85};
    for (int column = 0; column < 6; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(window.model().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
                  QString::fromUtf8(titles[column]));
        EXPECT_EQ(list.columnWidth(column), widths[column]);
        const auto alignment = window.model()
                                   .headerData(column, Qt::Horizontal, Qt::TextAlignmentRole)
                                   .value<Qt::Alignment>();
        EXPECT_EQ(alignment & Qt::AlignHorizontal_Mask,
                  column >= 2 ? Qt::AlignHCenter : Qt::AlignLeft);
        const QVariant picture =
            window.model().headerData(column, Qt::Horizontal, Qt::DecorationRole);
        EXPECT_EQ(picture.isValid(), column >= 1);
    }
    EXPECT_EQ(window.model().rowCount(), 0);
    EXPECT_FALSE(list.horizontalHeader()->sectionsClickable());
    EXPECT_FALSE(list.isSortingEnabled());
    EXPECT_TRUE(list.showGrid());
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(list.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(list.palette().color(QPalette::Text), QColor(66, 33, 0));
    EXPECT_EQ(list.palette().color(QPalette::Base), QColor(192, 192, 192));
    EXPECT_EQ(list.palette().color(QPalette::Inactive, QPalette::Highlight), QColor(192, 192, 192));
}

TEST_F(MainWindowTest, EscClosesAndTabCyclesTheThreeControls) {
    window.show();
    QApplication::setActiveWindow(&window);
    auto* load = control<QPushButton>("按钮1");
    auto* save = control<QPushButton>("按钮2");
    load->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &window.list());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), save);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), load);

    // Enter on a button does nothing: no dialog is asked for.
    QTest::keyClick(load, Qt::Key_Return);
    EXPECT_TRUE(dialogs.saveSettingsSeen.empty());

    window.list().setFocus();
    QTest::keyClick(&window.list(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, ModelContract) {
    QAbstractItemModelTester tester(&window.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    load("1;\xB3\xA4\xBD\xA3;x\r\n2;Shield;y\r\n3;;z");
    ASSERT_EQ(window.model().rowCount(), 3);
    EXPECT_EQ(window.model().index(0, 1).data().toString(), QString::fromUtf8("长剑"));
    EXPECT_EQ(window.model().index(2, 0).data().toString(), "3");
    selectRows({0, 2});
    QSignalSpy changed(&window.model(), &QAbstractItemModel::dataChanged);
    pressKey(0);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), window.model().index(0, 2));
    EXPECT_EQ(changed[0][1].toModelIndex(), window.model().index(2, 5));
    EXPECT_EQ(window.model().index(0, 2).data().toString(), QString::fromUtf8("√"));
    EXPECT_EQ(window.model().index(1, 2).data().toString(), "");
    load("4;Helm;w");
    EXPECT_EQ(window.model().rowCount(), 4);
}

}  // namespace
}  // namespace bestitem::testing
