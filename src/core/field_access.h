#pragma once
// Access to an editor form by field name: finding a data control, clearing the form, the
// rule by which a code-list combo is stored in a file and loaded back, and moving values
// between a form and a widget-free FormValues set.
#include "core/form_access.h"

#include <functional>
#include <optional>

namespace mf {

struct KindFieldMap;

// Mineral name of a mineral code ("未知" when unknown); Dictionary::GetMineralName in the
// program, a table in tests.
using MineralNameLookup = std::function<QString(const QString& code)>;

// The main mineral's field; its combo holds one item "code name" and is stored as the code.
inline const QString kMainMineralField = QStringLiteral("开采主矿种");

// The data control that carries fieldName: ChTXT, then ChMEMO, then ChCBO in index order,
// then the region label (whose field name is empty). Comparison is exact.
std::optional<FieldRef> FindControlByFieldName(const FormAccess& form, const QString& fieldName);

// Empties every data control before a file is loaded: text boxes, memos, combos, the
// figure boxes, the region label, and also CheckTogether, CbCHK and the coordinate grid,
// so that nothing of a previous application stays.
void ClearFormFields(FormAccess& form);

// Selects the item of combo ChCBO(comboIndex) that holds code. A code of digits selects
// the first item beginning with the code followed by ". " ("11. " never matches "111. ");
// otherwise, and when no such item exists, the first item equal to code, then the first
// item without a blank that contains code. When nothing matches the combo keeps code as
// its text with no item selected. Returns true when an item was selected.
bool SelectListItemByCode(FormAccess& form, int comboIndex, const QString& code);

enum class StoreFormat { Text, Xml };
// The value a combo's displayed text is stored as: the code in front of the item's ". "
// (for the main mineral: in front of the first blank) when it is a number other than 0,
// else the text unchanged; in the text file a main mineral without a code is stored as 0.
QString storedComboValue(const QString& fieldName, const QString& text, StoreFormat format);

// Loads a value read from a file into a control found by FindControlByFieldName.
void loadFieldValue(FormAccess& form, const FieldRef& ref, const QString& value,
                    const MineralNameLookup& mineralName);

// The form's values for writing: every ChTXT, ChMEMO and ChCBO element, the check boxes
// and the boundary string.
FormValues collectFormValues(FormAccess& form);

// Loads values read from a file into the form: each field by its field name (fields the
// form lacks are skipped), then the check boxes and the boundary string where the form
// has them. The form is expected to be cleared already. False when the control refused the
// boundary (with its own message), so the form does not hold the whole file.
// *chosenItems gets, once per field, each code-list value that selected an item merely
// containing it (neither its text nor its code), as 字段“值”→“选中的项”, followed by
// （另有“项”、“项”也包含“值”，请核对） where other items contain it too.
bool applyFormValues(FormAccess& form, const FormValues& values,
                     const MineralNameLookup& mineralName, QStringList* chosenItems = nullptr);

// Reading: records every field of values->fields that the file gives again with another
// value than before in values->repeatedFields.
void noteRepeatedFields(FormValues* values);

// What the user is told after loading a file that held repeated fields or characters that
// were dropped; "" when it held neither.
QString readLossMessage(const FormValues& values);

// What the user is told after loading a file whose keys (or elements) the dictionary does
// not know: they are named, and when most of the file's keys are unknown the dictionary in
// use (dictionaryPath) too; "" when there are none.
QString unknownKeysMessage(const FormValues& values, const QString& dictionaryPath);

// Reads a submission file into the form by its extension (.txt or .xml, any case).
// -1 on success, 0 when the file is missing, cannot be read, is malformed, has another
// extension or holds a boundary the control refuses. Messages come from the readers; the form is touched only after a whole file
// was read successfully. A file loaded with losses (readLossMessage) or with values that
// selected a list item by containment (named as "以下字段的值已按代码表选为：" and the
// fields) is then named to the user once ("提示") and *lossy is set, so the form can count
// as changed. Keys the map does not know, and keys of fields the form does not carry, are
// named in the same message and listed in *unknownKeys.
int ReadSubmissionFile(const QString& path, FormAccess& form, const KindFieldMap& textKeyMap,
                       const KindFieldMap& xmlNameMap, const MineralNameLookup& mineralName,
                       bool* lossy = nullptr, QStringList* unknownKeys = nullptr);

} // namespace mf
