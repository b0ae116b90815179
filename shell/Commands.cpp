#include "shell/Commands.h"

#include <glob.h>
#include <sys/stat.h>

#include <QFile>
#include <QLineEdit>
#include <QTableView>

#include "formats/FileWriter.h"
#include "shell/Dialogs.h"
#include "shell/FunctionKeys.h"
#include "shell/ItemTableModel.h"

namespace bestitem {

bool directoryEntryExists(const std::string& path) {
    if (path.empty() || path.back() == '/') {
        return false;
    }
    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0) {
        return true;  // also for names with pattern characters in them
    }
    glob_t found{};
    const int result = ::glob(path.c_str(), GLOB_NOSORT, nullptr, &found);
    const bool exists = result == 0 && found.gl_pathc > 0;
    ::globfree(&found);
    return exists;
}

void LoadCommand::run() {
    const std::string path = context_.dialogs.chooseExportPath(context_.window);
    context_.state.chosenPath = path;
    context_.pathBox.setText(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!directoryEntryExists(path)) {
        return;
    }
    context_.state.exportText = readExport(path);
    const TextList& names = context_.state.exportText.names;
    context_.model.appendNames(names);
    bindFunctionKeys(context_.keys, context_.state.keys);
    context_.list.setColumnWidth(0, 50);
}

void SaveCommand::run() {
    const TextBytes text = buildBestItemText(context_.model.table(), context_.today());
    const SaveDialogSettings settings{
        QStringLiteral("bestitem.ini"),
        QString::fromUtf8("保存文件bestitem.ini"),
        QString::fromUtf8("Quellar客户端极品文件"),
        QStringLiteral("*.ini"),
    };
    const std::optional<std::string> path =
        context_.dialogs.chooseSavePath(context_.window, settings);
    if (!path) {
        return;
    }
    const WriteResult result = writeTextFile(*path, text);
    if (result.ok) {
        context_.dialogs.tellSaved(context_.window);
    } else {
        context_.dialogs.tellSaveFailed(context_.window, *path, result.error);
    }
}

}  // namespace bestitem
