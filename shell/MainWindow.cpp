#include "shell/MainWindow.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTimer>
#include <algorithm>

#include "shell/Commands.h"
#include "shell/FunctionKeys.h"
#include "shell/GlobalKeys.h"
#include "shell/ItemTableModel.h"

namespace bestitem {
namespace {

const char* const kCaption = "Quellar极品文件批量设置工具20191122  —  载入、按键标记、一键保存";

// The blue skin: buttons, edit boxes and group boxes only.
const char* const kSkin = R"(
QPushButton {
    border: 1px solid rgb(0, 60, 115);
    border-radius: 3px;
    color: black;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #c9dcf0);
}
QPushButton:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #a9ccf2);
}
QPushButton:pressed {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #a9c4e2, stop:1 #e6f0fa);
}
QPushButton:focus { border: 2px solid rgb(0, 60, 115); }
QLineEdit {
    border: 1px solid rgb(123, 158, 189);
    background: white;
    color: black;
}
QLineEdit:disabled { color: rgb(128, 128, 128); }
QGroupBox {
    border: 1px solid rgb(191, 184, 191);
    margin-top: 6px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 8px;
    padding: 0 2px;
    color: rgb(0, 0, 255);
}
)";

// Breaks a text into lines at runs of spaces only, as the platform's buttons do,
// so "     设置完毕     保  存" shows as "设置完毕" over "保  存".
QStringList wrapAtSpaces(const QString& text, const QFontMetrics& metrics, int width) {
    static const QRegularExpression words(QStringLiteral("(\\s*)(\\S+)"));
    QStringList lines;
    QString line;
    for (auto match = words.globalMatch(text); match.hasNext();) {
        const auto word = match.next();
        const QString extended = line.isEmpty() ? word.captured(2) : line + word.captured(0);
        if (!line.isEmpty() && metrics.horizontalAdvance(extended) > width) {
            lines.append(line);
            line = word.captured(2);
        } else {
            line = extended;
        }
    }
    if (!line.isEmpty()) {
        lines.append(line);
    }
    return lines;
}

// A push button whose text wraps onto several lines when it does not fit.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        painter.setPen(palette().color(QPalette::ButtonText));
        const QRect area = rect().adjusted(3, 2, -3, -2);
        painter.drawText(area, Qt::AlignCenter,
                         wrapAtSpaces(text(), fontMetrics(), area.width()).join('\n'));
    }
};

QLabel* transparentLabel(QWidget* parent, const char* name, QRect geometry, const char* text,
                         QColor colour) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QGroupBox* groupBox(QWidget* parent, const char* name, QRect geometry, const char* title) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(geometry);
    box->setAlignment(Qt::AlignLeft);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, QRect geometry, const char* text) {
    auto* button = new WrappingButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

MainWindow::MainWindow(ProgramState& state, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      state_(state),
      dialogs_(dialogs) {
    setObjectName(QString::fromUtf8("窗口"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setFixedSize(kClientWidth, kClientHeight);
    centreOnScreen();
    createControls();
    switchOnSkin();

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

MainWindow::~MainWindow() = default;

void MainWindow::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // Before the window manager has framed the window only the client area is
    // known: centre that; showEvent centres the frame once it exists.
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - kClientWidth) / 2,
         area.y() + (area.height() - kClientHeight) / 2);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (frameCentred_) {
        return;
    }
    frameCentred_ = true;
    QTimer::singleShot(0, this, [this] {
        const QRect frame = frameGeometry();
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen != nullptr && frame.size() != size()) {
            const QRect area = screen->geometry();
            move(area.x() + (area.width() - frame.width()) / 2,
                 area.y() + (area.height() - frame.height()) / 2);
        }
    });
}

void MainWindow::createControls() {
    transparentLabel(this, "透明标签3", {8, 8, 56, 16}, "文件目录：", QColor(0, 0, 255));

    pathBox_ = new QLineEdit(this);
    pathBox_->setObjectName(QString::fromUtf8("编辑框1"));
    pathBox_->setGeometry(64, 6, 327, 20);
    pathBox_->setEnabled(false);

    QPushButton* load = button(this, "按钮1", {394, 5, 168, 22}, "打开数据库导出的DB物品文件");
    connect(load, &QPushButton::clicked, this, &MainWindow::runLoadCommand);

    keyLabel_ = new KeyNotificationLabel(this);
    keyLabel_->setObjectName(QString::fromUtf8("标签1"));
    keyLabel_->setGeometry(208, 16, 40, 32);
    keyLabel_->hide();
    connect(keyLabel_, &KeyNotificationLabel::keyNotified, this, &MainWindow::dispatchKey);

    createList();

    QGroupBox* selected =
        groupBox(this, "分组框1", {3, 380, 561, 48}, "设置选中物品（物品载入显示后按键功能如下）");
    transparentLabel(selected, "透明标签1", {5, 17, 304, 24},
                     "  F1：极品  F2：贵重  F3：拾取  F4：显示  F9不显示  ", QColor(0, 255, 0));
    transparentLabel(selected, "透明标签4", {315, 16, 240, 24},
                     "↑↓键切换当前物品，Ctrl多选，Shift框选", QColor(255, 0, 0));

    QGroupBox* all =
        groupBox(this, "分组框2", {3, 431, 449, 48}, "设置全部物品（物品载入显示后按键功能如下）");
    transparentLabel(all, "透明标签2", {4, 17, 389, 24},
                     "  F5：全部极品    F6：全部贵重    F7：全部拾取    F8：全部显示",
                     QColor(255, 0, 255));

    QPushButton* save = button(this, "按钮2", {455, 436, 110, 42}, "     设置完毕     保  存");
    connect(save, &QPushButton::clicked, this, &MainWindow::runSaveCommand);

    setTabOrder(load, list_);
    setTabOrder(list_, save);
    load->setFocus();
}

void MainWindow::createList() {
    model_ = new ItemTableModel(this);
    list_ = new QTableView(this);
    list_->setObjectName(QString::fromUtf8("超级列表框1"));
    list_->setGeometry(3, 31, 561, 347);
    list_->setModel(model_);
    list_->setFrameShape(QFrame::StyledPanel);
    list_->setFrameShadow(QFrame::Sunken);
    list_->setShowGrid(true);
    list_->setSortingEnabled(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setWordWrap(false);
    list_->setTextElideMode(Qt::ElideRight);
    list_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rows = list_->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(17);

    QHeaderView* header = list_->horizontalHeader();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setStretchLastSection(false);
    header->setIconSize(QSize(16, 15));
    const int widths[kItemColumnCount] = {67, 150, 85, 85, 85, 85};
    for (int column = 0; column < kItemColumnCount; ++column) {
        list_->setColumnWidth(column, widths[column]);
    }

    // The selection persists while the list lacks the focus but is not shown then.
    const QColor text(66, 33, 0);
    const QColor background(192, 192, 192);
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::AlternateBase, background);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, background);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, text);
    list_->setPalette(palette);
}

void MainWindow::switchOnSkin() {
    setStyleSheet(QString::fromUtf8(kSkin));
}

GlobalKeys& MainWindow::globalKeys() {
    if (!keys_) {
        setGlobalKeys(createGlobalKeys(this));
    }
    return *keys_;
}

void MainWindow::setGlobalKeys(std::unique_ptr<GlobalKeys> keys) {
    keys_ = std::move(keys);
    connect(keys_.get(), &GlobalKeys::pressed, keyLabel_,
            [label = keyLabel_](int id) { label->notify(id, 0); });
}

LargeVector<std::size_t> MainWindow::selectedRows() const {
    LargeVector<std::size_t> rows;
    const QItemSelection selection = list_->selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            rows.push_back(static_cast<std::size_t>(row));
        }
    }
    if (selection.size() > 1) {
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    }
    return rows;
}

void MainWindow::dispatchKey(int id) {
    const std::optional<KeyAction> action = keyActionFor(state_.keys, id);
    if (!action) {
        return;
    }
    if (action->scope == MarkScope::All) {
        model_->applyLevel(action->level, MarkScope::All, {});
        return;
    }
    const LargeVector<std::size_t> rows = selectedRows();
    model_->applyLevel(action->level, MarkScope::Selected, rows);
}

CommandContext MainWindow::commandContext() {
    return CommandContext{this, state_, *model_, dialogs_, globalKeys(), *pathBox_, *list_, today_};
}

void MainWindow::runLoadCommand() {
    CommandContext context = commandContext();
    LoadCommand(context).run();
}

void MainWindow::runSaveCommand() {
    CommandContext context = commandContext();
    SaveCommand(context).run();
}

}  // namespace bestitem
