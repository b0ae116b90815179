#pragma once

#include <functional>
#include <string>

#include "formats/BestItemWriter.h"
#include "shell/ProgramState.h"

class QLineEdit;
class QTableView;
class QWidget;

namespace bestitem {

class Dialogs;
class GlobalKeys;
class ItemTableModel;

// What the two commands work on.
struct CommandContext {
    QWidget* window;
    ProgramState& state;
    ItemTableModel& model;
    Dialogs& dialogs;
    GlobalKeys& keys;
    QLineEdit& pathBox;
    QTableView& list;
    std::function<LocalDate()> today;
};

// True when a directory entry exists at `path`: a file, or a folder named
// without a trailing separator; wildcard patterns count when they match. False
// for the empty path, a path ending in a separator and the root.
bool directoryEntryExists(const std::string& path);

// Asks for an export, appends its items, binds the function keys.
class LoadCommand {
public:
    explicit LoadCommand(CommandContext& context) : context_(context) {}
    void run();

private:
    CommandContext& context_;
};

// Builds the best-item text, asks where to save it, writes it and tells how it went.
class SaveCommand {
public:
    explicit SaveCommand(CommandContext& context) : context_(context) {}
    void run();

private:
    CommandContext& context_;
};

}  // namespace bestitem
