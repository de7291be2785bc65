#include "core/field_match.h"

#include "core/dictionary.h"
#include "core/exchange_xml.h"
#include "core/field_access.h"
#include "core/text_submission.h"
#include "platform/dialogs.h"

namespace mf {

namespace {

const QString kWithoutKey = QStringLiteral("当前数据词典中没有以下字段的键，保存时不能写入文件：");

bool miningArea(int kind) { return kind == 1 || kind == 2 || kind == 5; }

void addOnce(QStringList* list, const QString& item) {
    if (!item.isEmpty() && !list->contains(item))
        list->append(item);
}

} // namespace

QStringList carriedFields(int kind, const QStringList& dataFields) {
    QStringList out;
    for (const QString& field : dataFields)
        addOnce(&out, field);
    if (miningArea(kind))
        addOnce(&out, kTogetherField);
    if (kind == 2)
        addOnce(&out, kChangeTypeField);
    if (miningArea(kind))
        addOnce(&out, kBoundaryField);
    return out;
}

QStringList carriedFields(const FormAccess& form) {
    QStringList data;
    for (ControlArray array : {ControlArray::ChTXT, ControlArray::ChMEMO, ControlArray::ChCBO})
        for (int i : form.indexes(array))
            data.append(form.fieldName(array, i));
    return carriedFields(form.kind(), data);
}

QStringList fieldsWithoutForm(const KindFieldMap& map, const QStringList& carried) {
    QStringList out;
    for (const FieldPair& p : map.Pairs)
        if (!carried.contains(p.FieldName))
            addOnce(&out, p.FieldName);
    return out;
}

QStringList fieldsWithoutKey(const KindFieldMap& map, const QStringList& carried) {
    QStringList out;
    for (const QString& field : carried)
        if (!map.byFieldName(field))
            out.append(field);
    return out;
}

QStringList fieldMismatchLines(int kind, const KindFieldMap& map, const QStringList& carried) {
    const QString title = u'【' + kindName(kind) + u'】';
    if (map.count() == 0)
        return {QStringLiteral("词典：数据词典中没有%1申请的字段，该类申请不能读入或保存").arg(title)};
    QStringList lines;
    if (const QStringList fields = fieldsWithoutForm(map, carried); !fields.isEmpty())
        lines << QStringLiteral("词典：%1申请的表单中没有以下字段，文件中它们的值不读入：%2")
                     .arg(title, fields.join(QStringLiteral("、")));
    if (const QStringList fields = fieldsWithoutKey(map, carried); !fields.isEmpty())
        lines << QStringLiteral("词典：%1申请的以下字段在数据词典中没有键，不能保存：%2")
                     .arg(title, fields.join(QStringLiteral("、")));
    return lines;
}

void setAsideFormlessValues(FormValues* values, const KindFieldMap& map, const QStringList& carried) {
    auto formless = [&](const QString& field, bool held) {
        if (carried.contains(field))
            return false;
        if (const FieldPair* pair = map.byFieldName(field); pair && held)
            addOnce(&values->formlessKeys, pair->Value);
        values->repeatedFields.removeAll(field);
        return true;
    };
    values->fields.removeIf([&](const FieldValue& f) { return formless(f.fieldName, !f.value.isEmpty()); });
    if (values->checkTogether && formless(kTogetherField, true))
        values->checkTogether.reset();
    if (values->changeTypes && formless(kChangeTypeField, true))
        values->changeTypes.reset();
    if (values->boundary && formless(kBoundaryField, true))
        values->boundary.reset();
}

QString formlessKeysText(const QStringList& keys, const KindFieldMap& map, const QString& what) {
    if (keys.isEmpty())
        return {};
    QStringList named;
    for (const QString& key : keys) {
        const FieldPair* pair = map.byValue(key);
        named << key + (pair ? u'（' + pair->FieldName + u'）' : QString());
    }
    return QStringLiteral("文件中以下键所属的字段不在当前表单上，") + what + named.join(QStringLiteral("、"));
}

QString fieldsWithoutKeyNotice(const FormAccess& form) {
    const KindFieldMap& map = dictionary().textKeyMap(form.kind());
    if (map.count() == 0)
        return kindWithoutFields(form.kind()) + QStringLiteral("，不能保存");
    const QStringList fields = fieldsWithoutKey(map, carriedFields(form));
    return fields.isEmpty() ? QString() : kWithoutKey + fields.join(QStringLiteral("、"));
}

bool confirmLeavingOutFields(FormAccess& form) {
    const FormValues values = collectFormValues(form);
    const KindFieldMap& map = dictionary().textKeyMap(values.kind);
    QStringList fields;
    auto note = [&](const QString& field, bool held) {
        if (held && !map.byFieldName(field))
            addOnce(&fields, field);
    };
    for (const FieldValue& f : values.fields)
        note(f.fieldName, !f.value.isEmpty());
    // The special fields lose nothing when they hold what reading assumes without them.
    note(kTogetherField, miningArea(values.kind) && values.checkTogether.value_or(false));
    note(kChangeTypeField, values.kind == 2 && values.changeTypes.value_or(QString()).contains(u'1'));
    note(kBoundaryField, miningArea(values.kind) && coordinateBlockLines(values.boundary.value_or(QString())).size() > 2);
    return fields.isEmpty() ||
           dialogs().askYesNoDefaultNo(kWithoutKey + fields.join(QStringLiteral("、")) + QStringLiteral("\n是否仍然保存?"));
}

} // namespace mf
