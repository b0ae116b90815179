#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "shell/Dialogs.h"
#include "shell/GlobalKeys.h"
#include "shell/ItemTableModel.h"
#include "shell/MainWindow.h"
#include "shell/ProgramState.h"
#include "tests/TempDir.h"

namespace bestitem::testing {

// Dialog answers given in advance; every question is recorded.
class ScriptedDialogs : public Dialogs {
public:
    std::deque<std::string> exportPaths;
    std::deque<std::optional<std::string>> savePaths;
    std::vector<SaveDialogSettings> saveSettingsSeen;
    int savedTold = 0;
    std::vector<std::pair<std::string, int>> failuresTold;

    std::string chooseExportPath(QWidget*) override {
        if (exportPaths.empty()) {
            return {};
        }
        std::string path = exportPaths.front();
        exportPaths.pop_front();
        return path;
    }
    std::optional<std::string> chooseSavePath(QWidget*,
                                              const SaveDialogSettings& settings) override {
        saveSettingsSeen.push_back(settings);
        if (savePaths.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> path = savePaths.front();
        savePaths.pop_front();
        return path;
    }
    void tellSaved(QWidget*) override { ++savedTold; }
    void tellSaveFailed(QWidget*, const std::string& path, int error) override {
        failuresTold.emplace_back(path, error);
    }
};

// Keys that a test presses by identifier; chosen virtual keys can be refused.
class FakeGlobalKeys : public GlobalKeys {
public:
    std::vector<int> refusedVirtualKeys;
    std::vector<std::pair<HotKeyId, int>> grabs;

    bool isDesktopWide() const override { return true; }
    void press(HotKeyId id) { emit pressed(id); }

protected:
    bool grab(HotKeyId id, int virtualKey) override {
        for (int refused : refusedVirtualKeys) {
            if (refused == virtualKey) {
                return false;
            }
        }
        grabs.emplace_back(id, virtualKey);
        return true;
    }
};

// A main window with scripted dialogs and fake keys, on the offscreen platform.
class ShellTest : public ::testing::Test {
protected:
    ShellTest() : window(state, dialogs) {
        auto fake = std::make_unique<FakeGlobalKeys>();
        keys = fake.get();
        window.setGlobalKeys(std::move(fake));
        window.setDateSource([] { return LocalDate{2019, 11, 22}; });
    }

    template <class Widget>
    Widget* control(const char* name) {
        return window.findChild<Widget*>(QString::fromUtf8(name));
    }

    // Loads an export holding `bytes` through the load command.
    void load(const std::string& bytes) {
        const std::string path = dir.file("export" + std::to_string(++files) + ".txt");
        writeBytes(path, bytes);
        dialogs.exportPaths.push_back(path);
        window.runLoadCommand();
    }

    HotKeyId idOfKey(int k) const { return state.keys.ids[static_cast<std::size_t>(k)]; }
    void pressKey(int k) { keys->press(idOfKey(k)); }

    void selectRows(std::initializer_list<int> rows) {
        window.list().clearSelection();
        for (int row : rows) {
            window.list().selectionModel()->select(
                window.model().index(row, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    std::string marks(std::size_t row) const {
        const MainWindow& window = this->window;
        std::string flags;
        for (int k = 0; k < 4; ++k) {
            flags += (window.model().table().markBits(row) >> k) & 1 ? '1' : '0';
        }
        return flags;
    }

    TempDir dir;
    int files = 0;
    ProgramState state;
    ScriptedDialogs dialogs;
    MainWindow window;
    FakeGlobalKeys* keys = nullptr;
};

}  // namespace bestitem::testing
