#pragma once
// Combo boxes that read well on a form: the list opens wide enough for its longest item
// and never elides a text, and the mouse wheel changes the value only when the combo has
// the focus (an unfocused combo passes the wheel on, so the page scrolls instead).
class QComboBox;

namespace mf {

void makeComboReadable(QComboBox* combo);

// An editable combo shows the start of its text (a code list's code) rather than its end.
void showComboTextStart(QComboBox* combo);

} // namespace mf
