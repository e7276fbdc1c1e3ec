#include "dialogs/option_buttons.h"

#include <QRadioButton>

namespace korvanex {

void clearOption(QRadioButton* option) {
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

} // namespace korvanex
