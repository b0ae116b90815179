#include "shell/HeaderPictures.h"

#include <QPainter>
#include <QPixmap>

namespace bestitem {
namespace {

QIcon flag(QColor cloth) {
    QPixmap picture(16, 15);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QColor(90, 60, 30));
    painter.drawLine(3, 1, 3, 14);  // the pole
    painter.setPen(cloth.darker(140));
    painter.setBrush(cloth);
    const QPoint cloth_shape[] = {{4, 1}, {14, 3}, {12, 5}, {14, 8}, {4, 8}};
    painter.drawPolygon(cloth_shape, 5);
    return QIcon(picture);
}

}  // namespace

std::vector<QIcon> headerPictures() {
    return {QIcon(),
            flag(QColor(60, 120, 220)),
            flag(QColor(230, 40, 40)),
            flag(QColor(240, 170, 20)),
            flag(QColor(40, 170, 60)),
            flag(QColor(150, 150, 150))};
}

}  // namespace bestitem
