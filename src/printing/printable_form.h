#pragma once
// What the page walker and the print run read of an editor form: its design and the live
// state of its controls. The editor window provides it; tests use a fake.
#include "forms/form_design.h"

#include <QString>

namespace mf {

struct LiveControl {
    // A text box's or combo box's text (line breaks "\n" or CR LF); the caption of a label,
    // check box or option button.
    QString text;
    // Visible on its page: shown itself, whether or not its page is the one on screen.
    bool visible = true;
    // A check box: 0 clear, 1 ticked, 2 greyed; an option button: 1 selected.
    int value = 0;
};

class PrintableForm {
public:
    virtual ~PrintableForm() = default;
    virtual int kind() const = 0;
    virtual const FormDesign& design() const = 0;
    virtual LiveControl live(const DesignControl& c) const = 0;
    // Grid_Graph1.ZB_String; "" for a form without the coordinate control.
    virtual QString boundary() = 0;
    // The text of ChTXT(1), the mine name.
    virtual QString mineName() const = 0;
};

} // namespace mf
