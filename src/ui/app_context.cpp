#include "ui/app_context.h"

#include <QLocale>

namespace kvor::ui {

char systemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point == QStringLiteral("."))
        return '.';
    return ',';
}

}  // namespace kvor::ui
