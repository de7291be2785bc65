#pragma once
// How the core reaches the data controls of an editor form without knowing its layout:
// control arrays by name and index, each element with the field name it carries as its
// tooltip. The editor window implements this over its widgets; tests use a fake.
//
// Setting a combo's current index runs its click handler and setting a text runs its
// change handler, as a user's edit would; that is the implementation's business.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace mf {

class GridGraphAccess;

enum class ControlArray {
    ChTXT,         // single-line text boxes
    ChMEMO,        // multi-line text boxes (kinds 1 to 5)
    ChCBO,         // combo boxes
    ExistTXT,      // figures the form copies from other fields; never stored in a file
    LabelXZQName,  // the region name label: one control, index 0, empty field name
};

// One data control of a form.
struct FieldRef {
    ControlArray array = ControlArray::ChTXT;
    int index = 0;
    friend bool operator==(const FieldRef&, const FieldRef&) = default;
};

// One data field of an application as it travels between a form and a file.
struct FieldValue {
    QString fieldName;
    QString value;            // as the control holds it; line breaks are "\n"
    ControlArray array = ControlArray::ChTXT;  // where it came from (writing); ChTXT on reading
    int index = -1;
};

// The values of one application, free of widgets. Collected from a form for writing, or
// read from a file for loading into a form.
struct FormValues {
    int kind = 0;
    // Writing: ChTXT, ChMEMO, ChCBO in index order, every element (empty ones too), combos
    // with their displayed text. Reading: the fields of the file in file order.
    QList<FieldValue> fields;
    std::optional<bool> checkTogether;   // CheckTogether ticked
    std::optional<QString> changeTypes;  // CbCHK(0..4) as "1"/"0" characters
    std::optional<QString> boundary;     // ZB_String of Grid_Graph1
    // Reading only, what the file held that the form does not get as it stood: fields given
    // more than once with different values (by field name; the last one is loaded), and
    // whether characters were dropped (bytes that make no character, NULs and the like).
    QStringList repeatedFields;
    bool droppedCharacters = false;
    // Reading only: the keys (text) or element names (XML) with a value that the field map
    // does not know, each once in file order, and how many keys with a value it knew.
    QStringList unknownKeys;
    int knownKeys = 0;
    // Reading only: the keys (or element names) with a value whose field the dictionary names
    // but the form does not carry, each once; their values are not loaded.
    QStringList formlessKeys;

    // Records that a special field (boundary, check boxes) was given again as next.
    template <typename T>
    void noteRepeated(const std::optional<T>& held, const T& next, const QString& fieldName) {
        if (held && *held != next && !repeatedFields.contains(fieldName))
            repeatedFields.append(fieldName);
    }
};

class FormAccess {
public:
    virtual ~FormAccess() = default;

    // The application kind 1 to 7 of the form.
    virtual int kind() const = 0;

    // Indexes of the array's elements present on the form, ascending; empty when the form
    // has no such array (kinds 6 and 7 have no ChMEMO and no LabelXZQName).
    virtual QList<int> indexes(ControlArray array) const = 0;
    // The field name (tooltip text) of an element.
    virtual QString fieldName(ControlArray array, int index) const = 0;
    // Text of a text box, the edit text of a combo, the caption of the label.
    virtual QString text(ControlArray array, int index) const = 0;
    virtual void setText(ControlArray array, int index, const QString& value) = 0;

    // Combo boxes (ChCBO).
    virtual QStringList comboItems(int index) const = 0;
    virtual void setComboItems(int index, const QStringList& items) = 0;
    virtual int comboCurrentIndex(int index) const = 0;       // -1: no item selected
    virtual void setComboCurrentIndex(int index, int item) = 0;
    // True for a combo filled from a code list (a drop-down list in the form design):
    // its value is loaded by selecting the item that holds the stored code.
    virtual bool comboIsCodeList(int index) const = 0;

    // The check box 共伴生 (kinds 1, 2 and 5).
    virtual bool hasCheckTogether() const = 0;
    virtual bool checkTogether() const = 0;
    virtual void setCheckTogether(bool ticked) = 0;

    // The change-type check boxes CbCHK(0..4) (kind 2); count 0 when the form has none.
    virtual int changeTypeCount() const = 0;
    virtual bool changeType(int index) const = 0;
    virtual void setChangeType(int index, bool ticked) = 0;

    // The coordinate control Grid_Graph1; nullptr when the kind has none.
    virtual GridGraphAccess* gridGraph() = 0;

    // Shows the page of a field and puts the focus into it (after a validation message).
    virtual void focusField(ControlArray array, int index) {
        (void)array;
        (void)index;
    }
};

} // namespace mf
