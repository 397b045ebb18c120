#include "helppictures.h"

#include <QString>

namespace comm::help {

QPixmap HelpTreePicture(int number) {
    switch (number) {
        case 1:
            return QPixmap(QStringLiteral(":/help/pictures/root.png"));
        case 2:
            return QPixmap(QStringLiteral(":/help/pictures/group.png"));
        case 3:
            return QPixmap(QStringLiteral(":/help/pictures/topic.png"));
        default:
            return QPixmap();
    }
}

QPixmap ProgramPicture() {
    return QPixmap(QStringLiteral(":/help/pictures/program.png"));
}

}  // namespace comm::help
