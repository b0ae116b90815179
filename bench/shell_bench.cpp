// The list with a million rows on the offscreen platform: appending through the
// model into a shown view, a level on all rows, a key press on a million selected
// rows and a jump to the last row. Best of a few runs each.
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/Figures.h"
#include "shell/Dialogs.h"
#include "shell/FunctionKeys.h"
#include "shell/GlobalKeys.h"
#include "shell/ItemTableModel.h"
#include "shell/MainWindow.h"
#include "shell/ProgramLook.h"

using namespace bestitem;

namespace {

constexpr std::size_t kRows = 1'000'000;
constexpr int kRuns = 3;

class NoDialogs : public Dialogs {
public:
    std::string chooseExportPath(QWidget*) override { return {}; }
    std::optional<std::string> chooseSavePath(QWidget*, const SaveDialogSettings&) override {
        return std::nullopt;
    }
    void tellSaved(QWidget*) override {}
    void tellSaveFailed(QWidget*, const std::string&, int) override {}
};

template <class Step>
double milliseconds(Step step) {
    QElapsedTimer timer;
    timer.start();
    step();
    QCoreApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    applyProgramLook(application);

    std::vector<std::string> storage(kRows);
    std::vector<std::string_view> names(kRows);
    for (std::size_t i = 0; i < kRows; ++i) {
        storage[i] = "\xB3\xA4\xBD\xA3" + std::to_string(1000 + i % 9000).substr(0, 4);
        names[i] = storage[i];
    }

    double append = 1e9, levelAll = 1e9, keyOnSelected = 1e9, scrollToEnd = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        ProgramState state;
        NoDialogs dialogs;
        MainWindow window(state, dialogs);
        window.show();
        QCoreApplication::processEvents();
        bindFunctionKeys(window.globalKeys(), state.keys);

        append = std::min(append, milliseconds([&] { window.model().appendNames(names); }));
        levelAll = std::min(levelAll, milliseconds([&] {
                                window.model().applyLevel(MarkLevel::Premium, MarkScope::All, {});
                            }));
        window.list().selectAll();
        QCoreApplication::processEvents();
        keyOnSelected =
            std::min(keyOnSelected, milliseconds([&] { window.dispatchKey(state.keys.ids[1]); }));
        scrollToEnd = std::min(scrollToEnd, milliseconds([&] {
                                   window.list().scrollToBottom();
                                   window.list().viewport()->repaint();
                               }));
        if (window.model().table().markBits(kRows - 1) != markPattern(MarkLevel::Valuable)) {
            std::fprintf(stderr, "the key press did not mark the last row\n");
            return 1;
        }
    }
    bench::printFigure("list_append_1m_rows", append, "ms", "<=", 150, "ms");
    bench::printFigure("list_level_all_1m_rows", levelAll, "ms", "<=", 16, "ms");
    bench::printFigure("list_key_on_1m_selected_rows", keyOnSelected, "ms", "<=", 50, "ms");
    bench::printFigure("list_scroll_to_last_row", scrollToEnd, "ms", "<=", 50, "ms");
    return 0;
}
