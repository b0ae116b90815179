#include <gtest/gtest.h>

#include <QApplication>

#include "shell/ProgramLook.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    bestitem::applyProgramLook(application);
    return RUN_ALL_TESTS();
}
