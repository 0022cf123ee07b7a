#include "ui/qt_text.h"

namespace kvor::ui {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kvor::ui
