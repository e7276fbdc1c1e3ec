#pragma once

class QRadioButton;

namespace korvanex {

// Clears an option button without selecting another of its frame, which may leave the frame with no
// option selected: putting back a remembered "not selected" does exactly that.
void clearOption(QRadioButton* option);

} // namespace korvanex
