#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>
#include <memory>

#include "formats/BestItemWriter.h"
#include "items/HugePages.h"
#include "shell/ProgramState.h"

class QLineEdit;
class QPushButton;
class QTableView;

namespace bestitem {

struct CommandContext;
class Dialogs;
class GlobalKeys;
class ItemTableModel;

// Receives the function-key notifications; never shown.
class KeyNotificationLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
public slots:
    void notify(int id, int /*secondValue*/) { emit keyNotified(id); }
signals:
    void keyNotified(int id);
};

// The program's only window: path box, load button, item list, the two key-help
// group boxes and the save button, at fixed positions in a fixed-size frame.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 567;
    static constexpr int kClientHeight = 483;
    static constexpr int kFrameWidth = 573;
    static constexpr int kFrameHeight = 515;

    MainWindow(ProgramState& state, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    ItemTableModel& model() { return *model_; }
    const ItemTableModel& model() const { return *model_; }
    QTableView& list() { return *list_; }
    QLineEdit& pathBox() { return *pathBox_; }
    GlobalKeys& globalKeys();
    // Replaces the backend chosen for the platform (tests use their own).
    void setGlobalKeys(std::unique_ptr<GlobalKeys> keys);
    void setDateSource(std::function<LocalDate()> today) { today_ = std::move(today); }

    // Rows selected in the list, ascending, read from the selection's ranges.
    LargeVector<std::size_t> selectedRows() const;

    // Places the window centred on the primary screen.
    void centreOnScreen();

public slots:
    void runLoadCommand();
    void runSaveCommand();
    void dispatchKey(int id);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createList();
    void switchOnSkin();
    CommandContext commandContext();

    ProgramState& state_;
    Dialogs& dialogs_;
    std::function<LocalDate()> today_ = currentLocalDate;
    ItemTableModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    QLineEdit* pathBox_ = nullptr;
    KeyNotificationLabel* keyLabel_ = nullptr;
    std::unique_ptr<GlobalKeys> keys_;
    bool frameCentred_ = false;
};

}  // namespace bestitem
