#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace bestitem {

// What the save dialog is set to before every showing.
struct SaveDialogSettings {
    QString fileName;
    QString caption;
    QString filterDescription;
    QString filterPattern;
};

// The dialogs the commands use; tests answer them with scripts.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The full path typed or picked, in the platform's bytes; empty on cancel.
    virtual std::string chooseExportPath(QWidget* owner) = 0;
    // The confirmed full path; nothing on cancel.
    virtual std::optional<std::string> chooseSavePath(QWidget* owner,
                                                      const SaveDialogSettings& settings) = 0;
    virtual void tellSaved(QWidget* owner) = 0;
    virtual void tellSaveFailed(QWidget* owner, const std::string& path, int error) = 0;
};

// The program's own dialogs on Qt widgets.
std::unique_ptr<Dialogs> createWidgetDialogs();

}  // namespace bestitem
