#pragma once
// The editor window as the print run sees it: its design with the live values of its
// widgets.
#include "printing/printable_form.h"

namespace mf {

class EditorWindow;

class EditorPrintableForm : public PrintableForm {
public:
    explicit EditorPrintableForm(EditorWindow& editor) : editor_(editor) {}
    int kind() const override;
    const FormDesign& design() const override;
    // Visibility is the widget's own on its page, whichever page is shown on screen.
    LiveControl live(const DesignControl& c) const override;
    QString boundary() override;
    QString mineName() const override;

private:
    EditorWindow& editor_;
};

} // namespace mf
