#pragma once
// The dictionary's fields of a kind against the fields its form carries, matched by field
// name. A field of the dictionary that the form does not carry cannot be loaded, a field of
// the form that the dictionary gives no key cannot be saved: both are named, so that no
// value is dropped or saved under another field unseen.
#include "core/form_access.h"

#include <QStringList>

namespace mf {

struct KindFieldMap;

// The fields a form of the kind carries as a save writes them: its data fields (ChTXT,
// ChMEMO, ChCBO, in form order) and by kind 共伴生类型 and 区域坐标 (kinds 1, 2 and 5) and
// 变更类型 (kind 2); each once, no empty name.
QStringList carriedFields(int kind, const QStringList& dataFields);
QStringList carriedFields(const FormAccess& form);

// The fields of the map that carried lacks, and the fields of carried that the map lacks.
QStringList fieldsWithoutForm(const KindFieldMap& map, const QStringList& carried);
QStringList fieldsWithoutKey(const KindFieldMap& map, const QStringList& carried);

// The lines for standard error at start-up, each beginning "词典："; none when the map and
// the form of the kind agree.
QStringList fieldMismatchLines(int kind, const KindFieldMap& map, const QStringList& carried);

// Reading: takes the values of fields the map names but carried lacks out of values; their
// keys (element names) go to values->formlessKeys.
void setAsideFormlessValues(FormValues* values, const KindFieldMap& map, const QStringList& carried);

// "文件中以下键所属的字段不在当前表单上，" what and each key with its field name from the map
// ("申请人（申请人名称）"); "" without keys.
QString formlessKeysText(const QStringList& keys, const KindFieldMap& map, const QString& what);

// What opening the form names: the fields the program's dictionary gives no key; "" when
// there are none.
QString fieldsWithoutKeyNotice(const FormAccess& form);

// Before a save of the form: its fields holding a value that the program's dictionary gives
// no key are named and the user is asked whether to save without them (否 is the default).
// True when the save may go on.
bool confirmLeavingOutFields(FormAccess& form);

} // namespace mf
