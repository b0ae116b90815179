#include "shell/WidgetDialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>

namespace bestitem {
namespace {

std::string platformBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString reasonText(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return QString::fromUtf8("磁盘空间不足");
        case EACCES:
        case EPERM:
            return QString::fromUtf8("没有写入权限");
        case ENOENT:
        case ENOTDIR:
            return QString::fromUtf8("文件夹不存在");
        case EROFS:
            return QString::fromUtf8("磁盘为只读");
        case EISDIR:
            return QString::fromUtf8("该路径是一个文件夹");
        default:
            return QString::fromUtf8("写入出错（%1）")
                .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

class WidgetDialogs : public Dialogs {
public:
    std::string chooseExportPath(QWidget* owner) override {
        ExportChooser chooser(owner);
        if (chooser.exec() != QDialog::Accepted) {
            return {};
        }
        return platformBytes(chooser.chosenPath());
    }

    std::optional<std::string> chooseSavePath(QWidget* owner,
                                              const SaveDialogSettings& settings) override {
        QFileDialog dialog(owner, settings.caption);
        dialog.setObjectName(QString::fromUtf8("通用对话框1"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(settings.filterDescription + " (" + settings.filterPattern + ")");
        dialog.selectFile(settings.fileName);
        dialog.setWindowModality(Qt::ApplicationModal);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return platformBytes(dialog.selectedFiles().constFirst());
    }

    void tellSaved(QWidget*) override {
        QMessageBox box(QMessageBox::Information, QString::fromUtf8("保存成功："),
                        QString::fromUtf8("客户端极品文件保存成功！\n"
                                          "您可将极品文件复制到客户端使用，人物在线需小退！"),
                        QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }

    void tellSaveFailed(QWidget* owner, const std::string& path, int error) override {
        QMessageBox box(QMessageBox::Critical, QString::fromUtf8("保存失败："),
                        saveFailureText(QFile::decodeName(QByteArray::fromStdString(path)), error),
                        QMessageBox::Ok, owner);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }
};

}  // namespace

QString saveFailureText(const QString& path, int error) {
    return QString::fromUtf8("客户端极品文件保存失败！\n文件：%1\n原因：%2\n原有文件未被改动。")
        .arg(path, reasonText(error));
}

ExportChooser::ExportChooser(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("ExportChooser"));
    setWindowTitle(QString::fromUtf8("浏览文件夹"));
    setWindowModality(Qt::ApplicationModal);
    resize(360, 420);

    auto* prompt = new QLabel(
        QString::fromUtf8("打开从数据库导出的物品DB文件：\n注意：导出时以【;】号分隔。"), this);

    files_ = new QFileSystemModel(this);
    files_->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden |
                      QDir::System);
    files_->setRootPath(QDir::rootPath());

    tree_ = new QTreeView(this);
    tree_->setModel(files_);
    tree_->setRootIndex(files_->index(QDir::rootPath()));
    tree_->setHeaderHidden(true);
    for (int column = 1; column < files_->columnCount(); ++column) {
        tree_->hideColumn(column);
    }

    pathField_ = new QLineEdit(this);
    pathField_->setObjectName(QStringLiteral("pathField"));
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                pathField_->setText(QDir::toNativeSeparators(files_->filePath(current)));
            });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("取消"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(tree_, 1);
    layout->addWidget(pathField_);
    layout->addWidget(buttons);

    setTabOrder(pathField_, tree_);
    pathField_->setFocus();
}

QString ExportChooser::chosenPath() const {
    const QString typed = pathField_->text().trimmed();
    if (typed.isEmpty()) {
        return {};
    }
    if (QDir::isAbsolutePath(typed)) {
        return typed;
    }
    // A bare name counts from the folder chosen in the tree, as in the folder browser.
    const QModelIndex current = tree_->currentIndex();
    const QString base = current.isValid() && files_->isDir(current) ? files_->filePath(current)
                                                                     : QDir::currentPath();
    return QDir(base).filePath(typed);
}

std::unique_ptr<Dialogs> createWidgetDialogs() {
    return std::make_unique<WidgetDialogs>();
}

}  // namespace bestitem
