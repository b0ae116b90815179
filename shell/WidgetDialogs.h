#pragma once

#include <QDialog>
#include <QString>

#include "shell/Dialogs.h"

class QLineEdit;
class QTreeView;
class QFileSystemModel;

namespace bestitem {

// Picks a file or folder from a tree of the whole file system, or takes a typed
// path. The focus starts in the path field; Enter or OK accepts, Esc cancels.
class ExportChooser : public QDialog {
    Q_OBJECT
public:
    explicit ExportChooser(QWidget* owner);
    // The full path of the chosen or typed entry; empty when nothing was given.
    QString chosenPath() const;

private:
    QFileSystemModel* files_;
    QTreeView* tree_;
    QLineEdit* pathField_;
};

// The text of the error box for a failed save.
QString saveFailureText(const QString& path, int error);

}  // namespace bestitem
