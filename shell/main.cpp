#include <QApplication>
#include <QDir>

#include "shell/Dialogs.h"
#include "shell/MainWindow.h"
#include "shell/ProgramLook.h"
#include "shell/ProgramState.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    bestitem::applyProgramLook(application);

    // Declared before the window so that it is released after the window is gone.
    bestitem::ProgramState state;
    const std::unique_ptr<bestitem::Dialogs> dialogs = bestitem::createWidgetDialogs();
    int exitCode = 0;
    {
        bestitem::MainWindow window(state, *dialogs);
        window.show();
        window.activateWindow();
        window.raise();
        exitCode = application.exec();
    }
    return exitCode;
}
