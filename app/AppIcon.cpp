#include "AppIcon.h"

#include <QPixmap>

namespace zolinar {

namespace {
#include "hamburger.xpm"
} // namespace

QIcon appIcon()
{
    return QIcon(QPixmap(hamburgerXpm));
}

} // namespace zolinar
