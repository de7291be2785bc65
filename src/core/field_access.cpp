#include "core/field_access.h"

#include "core/dictionary.h"
#include "core/exchange_xml.h"
#include "core/field_match.h"
#include "core/grid_graph_access.h"
#include "core/text_submission.h"
#include "platform/dialogs.h"
#include "platform/fs.h"
#include "platform/vb.h"

#include <QHash>

#include <array>

namespace mf {

namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool allDigits(const QString& s) {
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (!isAsciiDigit(c))
            return false;
    return true;
}

// The code in front of a combo item's ". ", or "" when the item does not begin with one.
QString itemCode(const QString& item) {
    qsizetype i = 0;
    while (i < item.size() && isAsciiDigit(item.at(i)))
        ++i;
    if (i == 0 || !item.mid(i).startsWith(QStringLiteral(". ")))
        return {};
    return item.left(i);
}

// The mineral code in front of the first blank of the main mineral's text.
QString mineralCode(const QString& text) {
    const qsizetype blank = text.indexOf(u' ');
    const QString head = blank < 0 ? text : text.left(blank);
    return allDigits(head) ? head : QString();
}

bool nonZeroCode(const QString& code) {
    for (QChar c : code)
        if (c != u'0')
            return true;
    return false;
}

// The items a code matches by containment: those without a blank that contain it.
QStringList containingItems(const QStringList& items, const QString& code) {
    QStringList found;
    for (const QString& item : items)
        if (!item.contains(u' ') && item.contains(code))
            found << item;
    return found;
}

// True when loading value into a code-list combo selected an item that merely contains it:
// neither the item's text nor its code is the value.
bool selectedByContainment(const FormAccess& form, const FieldRef& ref, const QString& value) {
    if (ref.array != ControlArray::ChCBO || !form.comboIsCodeList(ref.index) ||
        form.fieldName(ControlArray::ChCBO, ref.index) == kMainMineralField)
        return false;
    const int item = form.comboCurrentIndex(ref.index);
    if (item < 0)
        return false;
    const QString text = form.comboItems(ref.index).value(item);
    return text != value && itemCode(text) != value;
}

} // namespace

std::optional<FieldRef> FindControlByFieldName(const FormAccess& form, const QString& fieldName) {
    for (ControlArray array : {ControlArray::ChTXT, ControlArray::ChMEMO, ControlArray::ChCBO,
                               ControlArray::LabelXZQName}) {
        for (int i : form.indexes(array))
            if (form.fieldName(array, i) == fieldName)
                return FieldRef{array, i};
    }
    return std::nullopt;
}

void ClearFormFields(FormAccess& form) {
    for (int i : form.indexes(ControlArray::ChTXT))
        form.setText(ControlArray::ChTXT, i, QString());
    for (int i : form.indexes(ControlArray::ChMEMO))
        form.setText(ControlArray::ChMEMO, i, QString());
    for (int i : form.indexes(ControlArray::ChCBO)) {
        if (form.comboIsCodeList(i))
            form.setComboCurrentIndex(i, -1);
        if (!form.text(ControlArray::ChCBO, i).isEmpty())
            form.setText(ControlArray::ChCBO, i, QString());
    }
    for (int i : form.indexes(ControlArray::ExistTXT))
        form.setText(ControlArray::ExistTXT, i, QString());
    for (int i : form.indexes(ControlArray::LabelXZQName))
        form.setText(ControlArray::LabelXZQName, i, QString());
    if (form.hasCheckTogether())
        form.setCheckTogether(false);
    for (int i = 0; i < form.changeTypeCount(); ++i)
        form.setChangeType(i, false);
    if (GridGraphAccess* grid = form.gridGraph()) {
        grid->setZB_Type(0);
        grid->setZB_String(QString());
        grid->init_grid_graph();
    }
}

bool SelectListItemByCode(FormAccess& form, int comboIndex, const QString& code) {
    if (code.isEmpty()) {
        form.setComboCurrentIndex(comboIndex, -1);
        return false;
    }
    const QStringList items = form.comboItems(comboIndex);
    int found = -1;
    if (allDigits(code) && nonZeroCode(code)) {
        const QString prefix = code + QStringLiteral(". ");
        for (int i = 0; i < items.size() && found < 0; ++i)
            if (items.at(i).startsWith(prefix))
                found = i;
    }
    for (int i = 0; i < items.size() && found < 0; ++i)
        if (items.at(i) == code)
            found = i;
    if (found < 0) {
        const QStringList containing = containingItems(items, code);
        if (!containing.isEmpty())
            found = int(items.indexOf(containing.first()));
    }
    if (found >= 0) {
        form.setComboCurrentIndex(comboIndex, found);
        return true;
    }
    // A value that is not in the list is kept as the combo's text, so a later save does
    // not lose it.
    form.setComboCurrentIndex(comboIndex, -1);
    form.setText(ControlArray::ChCBO, comboIndex, code);
    return false;
}

QString storedComboValue(const QString& fieldName, const QString& text, StoreFormat format) {
    const bool mainMineral = fieldName == kMainMineralField;
    const QString code = mainMineral ? mineralCode(text) : itemCode(text);
    if (!code.isEmpty() && nonZeroCode(code))
        return code;
    if (mainMineral && format == StoreFormat::Text)
        return QStringLiteral("0");
    return text;
}

void loadFieldValue(FormAccess& form, const FieldRef& ref, const QString& value,
                    const MineralNameLookup& mineralName) {
    if (ref.array != ControlArray::ChCBO) {
        form.setText(ref.array, ref.index, value);
        return;
    }
    if (form.fieldName(ControlArray::ChCBO, ref.index) == kMainMineralField) {
        if (vb::val(value) == 0) {
            form.setText(ControlArray::ChCBO, ref.index, QString());
            return;
        }
        const QString name = mineralName ? mineralName(value) : QString();
        form.setComboItems(ref.index, {value + u' ' + name});
        form.setComboCurrentIndex(ref.index, 0);
        return;
    }
    if (form.comboIsCodeList(ref.index)) {
        SelectListItemByCode(form, ref.index, value);
        return;
    }
    form.setText(ControlArray::ChCBO, ref.index, value);
}

FormValues collectFormValues(FormAccess& form) {
    FormValues v;
    v.kind = form.kind();
    for (ControlArray array : {ControlArray::ChTXT, ControlArray::ChMEMO, ControlArray::ChCBO})
        for (int i : form.indexes(array))
            v.fields.append(FieldValue{form.fieldName(array, i), form.text(array, i), array, i});
    if (form.hasCheckTogether())
        v.checkTogether = form.checkTogether();
    if (form.changeTypeCount() > 0) {
        QString types;
        for (int i = 0; i < form.changeTypeCount(); ++i)
            types += form.changeType(i) ? u'1' : u'0';
        v.changeTypes = types;
    }
    if (GridGraphAccess* grid = form.gridGraph())
        v.boundary = grid->ZB_String();
    return v;
}

bool applyFormValues(FormAccess& form, const FormValues& values,
                     const MineralNameLookup& mineralName, QStringList* chosenItems) {
    // Field name, stored value, item and the other items containing the value, of each field
    // selected by containment; a field given again counts as its last value does.
    QList<std::array<QString, 4>> chosen;
    for (const FieldValue& f : values.fields) {
        const auto ref = FindControlByFieldName(form, f.fieldName);
        if (!ref)
            continue;
        loadFieldValue(form, *ref, f.value, mineralName);
        chosen.removeIf([&](const std::array<QString, 4>& c) { return c[0] == f.fieldName; });
        if (selectedByContainment(form, *ref, f.value)) {
            const QString item = form.text(ControlArray::ChCBO, ref->index);
            QStringList others = containingItems(form.comboItems(ref->index), f.value);
            others.removeAll(item);
            chosen.append({f.fieldName, f.value, item, others.join(QStringLiteral("”、“"))});
        }
    }
    if (chosenItems) {
        chosenItems->clear();
        // Where other items contain the value too, the choice was a guess: they are named.
        for (const auto& c : chosen)
            chosenItems->append(c[0] + u'“' + c[1] + QStringLiteral("”→“") + c[2] + u'”' +
                                (c[3].isEmpty() ? QString()
                                                : QStringLiteral("（另有“") + c[3] + QStringLiteral("”也包含“") +
                                                      c[1] + QStringLiteral("”，请核对）")));
    }
    if (values.checkTogether && form.hasCheckTogether())
        form.setCheckTogether(*values.checkTogether);
    if (values.changeTypes) {
        // One box per character; a longer value is cut to the boxes there are.
        const QString& t = *values.changeTypes;
        for (int i = 0; i < form.changeTypeCount() && i < t.size(); ++i)
            form.setChangeType(i, vb::val(t.mid(i, 1)) == 1);
    }
    bool whole = true;
    if (values.boundary) {
        if (GridGraphAccess* grid = form.gridGraph()) {
            whole = grid->setZB_String(*values.boundary);
            grid->init_grid_graph();
        }
    }
    return whole;
}

void noteRepeatedFields(FormValues* values) {
    QHash<QString, QString> seen;
    for (const FieldValue& f : values->fields) {
        const auto it = seen.constFind(f.fieldName);
        if (it != seen.constEnd() && *it != f.value && !values->repeatedFields.contains(f.fieldName))
            values->repeatedFields.append(f.fieldName);
        seen.insert(f.fieldName, f.value);
    }
}

QString readLossMessage(const FormValues& values) {
    QStringList parts;
    if (!values.repeatedFields.isEmpty())
        parts << QStringLiteral("文件中以下字段重复出现，已取最后一个：") +
                     values.repeatedFields.join(QStringLiteral("、"));
    if (values.droppedCharacters)
        parts << QStringLiteral("文件中含有无效字符，已删除");
    return parts.join(u'\n');
}

QString unknownKeysMessage(const FormValues& values, const QString& dictionaryPath) {
    if (values.unknownKeys.isEmpty())
        return {};
    QString text = QStringLiteral("文件中以下字段不在当前数据词典中，未读入：") +
                   values.unknownKeys.join(QStringLiteral("、"));
    // Mostly unknown keys: the file was written under another field map.
    if (values.unknownKeys.size() > values.knownKeys)
        text += QStringLiteral("\n该文件可能是用另一数据词典保存的；当前使用的数据词典：") + dictionaryPath;
    return text;
}

int ReadSubmissionFile(const QString& path, FormAccess& form, const KindFieldMap& textKeyMap,
                       const KindFieldMap& xmlNameMap, const MineralNameLookup& mineralName,
                       bool* lossy, QStringList* unknownKeys) {
    if (lossy)
        *lossy = false;
    if (unknownKeys)
        unknownKeys->clear();
    if (!fs::fileExists(path))
        return 0;
    const QString ext = fs::extension(path);
    FormValues values;
    if (fs::sameName(ext, QStringLiteral("TXT"))) {
        if (!ReadTextSubmission(path, textKeyMap, &values))
            return 0;
    } else if (fs::sameName(ext, QStringLiteral("XML"))) {
        if (!ReadExchangeXml(path, xmlNameMap, &values))
            return 0;
    } else {
        return 0;
    }
    // Values of fields the dictionary names but this form does not carry are kept out and
    // named like unknown keys.
    const KindFieldMap& map = fs::sameName(ext, QStringLiteral("TXT")) ? textKeyMap : xmlNameMap;
    setAsideFormlessValues(&values, map, carriedFields(form));
    QStringList chosen;
    if (!applyFormValues(form, values, mineralName, &chosen))
        return 0;
    QString losses = readLossMessage(values);
    // A value the list holds only within an item now stands as that item: the user is told,
    // and the form counts as changed, so that a save writes what the screen shows.
    if (!chosen.isEmpty())
        losses += (losses.isEmpty() ? QString() : QStringLiteral("\n")) +
                  QStringLiteral("以下字段的值已按代码表选为：") + chosen.join(QStringLiteral("、"));
    // Keys the map does not know are named; the file keeps them until a save replaces it.
    // A kind the dictionary holds no field of reads nothing, and says so instead.
    const QString noFields = map.count() == 0 ? kindWithoutFields(form.kind()) : QString();
    const QString unknown = noFields.isEmpty() ? unknownKeysMessage(values, dictionary().path())
                                         : noFields + QStringLiteral("，文件的内容未读入");
    const QString formless = formlessKeysText(values.formlessKeys, map, QStringLiteral("未读入："));
    QStringList parts;
    for (const QString& part : {losses, unknown, formless})
        if (!part.isEmpty())
            parts << part;
    if (!parts.isEmpty())
        dialogs().message(QStringLiteral("提示"), parts.join(u'\n'), MsgIcon::Exclamation);
    if (lossy)
        *lossy = !losses.isEmpty();
    if (unknownKeys)
        *unknownKeys = values.unknownKeys + values.formlessKeys;
    return -1;
}

} // namespace mf
