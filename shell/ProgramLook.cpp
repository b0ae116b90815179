#include "shell/ProgramLook.h"

#include <QApplication>
#include <QFont>

namespace bestitem {

void applyProgramLook(QApplication& application) {
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(12);
    application.setFont(font);
}

}  // namespace bestitem
