#pragma once
// Checks the current form before it is written to a submission file: the corner points of
// the mining area (kinds 1, 2 and 5), then the date and number fields in index order.
#include <QList>
#include <QString>

namespace mf {

class FormAccess;

// A ChTXT field that the check looks at, with the field name it carries on its form.
struct CheckedField {
    int index;
    const char* fieldName;
};

// The date and number fields of a kind, ascending by index; empty outside 1 to 7.
const QList<CheckedField>& validatedDateFields(int kind);
const QList<CheckedField>& validatedNumberFields(int kind);

// A date in the accepted range 1900-01-01 to 4000-01-01.
bool IsValidDate(const QString& text);

// True when the form of CurrentKind may be saved. On the first failing field a message
// names it (its field name followed by "应填写日期型数据..." or "应填写数值型数据...",
// title "错误", exclamation icon) and the result is false; a failing coordinate check
// shows only the coordinate control's own messages. A main mineral that is no dictionary
// item stops with "开采主矿种必须从矿种列表中选择..."; the focus goes to the field named.
// Last, texts that a GBK reader could not read, or that hold characters the writers drop
// (storableText), are listed in one Yes/No question; No stops
// the save. With CurrentKind outside 1 to 7, or no form, false without a message. The
// form's values are not changed.
bool ValidateCurrentForm(FormAccess* form);

} // namespace mf
