// The forms from the keyboard: every box that takes typing is stored, Tab leaves every box
// and changes nothing, Enter behaves alike on every kind, the pickers' trees take keys.
#include "core/field_access.h"
#include "core/grid_graph_access.h"
#include "core/text_submission.h"
#include "core/exchange_xml.h"
#include "field_fixture.h"
#include "forms/ui/editor_page.h"
#include "forms/ui/mineral_picker.h"
#include "forms/ui/region_picker.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>

using namespace mf;
using namespace mf::test;

namespace {

// A key as the window system delivers it: Tab and Enter carry their characters.
void key(QWidget* w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier, QString text = QString()) {
    if (text.isEmpty() && k == Qt::Key_Tab) text = QStringLiteral("\t");
    if (text.isEmpty() && (k == Qt::Key_Return || k == Qt::Key_Enter)) text = QStringLiteral("\r");
    QKeyEvent press(QEvent::KeyPress, k, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, k, mods, text);
    QApplication::sendEvent(w, &release);
    QApplication::processEvents();
}

// Types the text character by character; "\n" is the Enter key.
void typeKeys(QWidget* w, const QString& text) {
    for (QChar c : text) {
        if (c == u'\n')
            key(w, Qt::Key_Return);
        else
            key(w, 0, Qt::NoModifier, QString(c));
    }
}

// The widget that takes what is typed into a box: the combo's own edit field for a combo.
QWidget* typingTarget(QWidget* w) {
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->isEditable() ? combo->lineEdit() : nullptr;
    return w;
}

QString shown(QWidget* w) {
    if (auto* line = qobject_cast<QLineEdit*>(w)) return line->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) return memo->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
    if (auto* box = qobject_cast<QCheckBox*>(w)) return box->isChecked() ? "ticked" : "clear";
    return QString();
}

// Every control of the form's design that shows data: the boxes, combos and check boxes.
QList<QWidget*> dataControls(EditorWindow& e) {
    QList<QWidget*> out;
    for (const DesignControl& c : e.design().controls) {
        QWidget* w = e.control(c.displayName());
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<FieldCombo*>(w) ||
            qobject_cast<QCheckBox*>(w))
            out << w;
    }
    return out;
}

// A box takes typing when a user can reach it and type: shown on its page, enabled, not
// read-only, an editable combo.
bool takesTyping(EditorWindow& e, QWidget* w) {
    const EditorPage* page = nullptr;
    for (int p = 0; p < e.profile().pageCount(); ++p)
        if (e.page(p)->isAncestorOf(w)) page = e.page(p);
    if (!page || !w->isVisibleTo(page) || !w->isEnabled()) return false;
    if (auto* line = qobject_cast<QLineEdit*>(w)) return !line->isReadOnly();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) return !memo->isReadOnly();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->isEditable();
    return false;
}

QHash<QString, QString> screen(EditorWindow& e) {
    QHash<QString, QString> out;
    for (QWidget* w : dataControls(e)) out.insert(w->objectName(), shown(w));
    return out;
}

class KeyboardTest : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        // The real coordinate control: the keys pass through it as a user's would.
        EditorWindow::setGridGraphFactory(nullptr);
    }
    // A form of the kind loaded from a file in which every field holds a value.
    std::unique_ptr<EditorWindow> loaded(int kind) {
        auto e = open(kind);
        for (int i : e->indexes(ControlArray::ChTXT)) e->setText(ControlArray::ChTXT, i, QStringLiteral("值%1").arg(i));
        for (int i : e->indexes(ControlArray::ChMEMO))
            e->setText(ControlArray::ChMEMO, i, QStringLiteral("第一行%1\n第二行").arg(i));
        for (int i : e->indexes(ControlArray::ChCBO)) {
            if (e->fieldName(ControlArray::ChCBO, i) == kMainMineralField)
                e->setText(ControlArray::ChCBO, i, QStringLiteral("11001 煤"));
            else if (!e->comboItems(i).isEmpty())
                e->setComboCurrentIndex(i, 1);
        }
        if (e->hasCheckTogether()) e->setCheckTogether(true);
        for (int i = 0; i < e->changeTypeCount(); ++i) e->setChangeType(i, true);
        if (GridGraphAccess* g = e->gridGraph()) {
            g->setZB_String(QStringLiteral("1,4,1,3800000,38500000,2,3800100,38500000,3,3800100,38500100,"
                                           "4,3800000,38500100,500,200,矿体1,1,"));
            g->init_grid_graph();
        }
        const QString path = work_.path() + QStringLiteral("/loaded%1.txt").arg(kind);
        EXPECT_TRUE(WriteTextSubmission(path, collectFormValues(*e), dictionary().textKeyMap(kind)));
        state().KindOpen[kind] = false;
        e.reset();
        auto f = open(kind);
        state().PendingFile = path;
        EXPECT_TRUE(f->Form_Activate()) << kind;
        return f;
    }
    void showActive(EditorWindow& e) {
        e.show();
        QApplication::setActiveWindow(&e);
        QApplication::processEvents();
    }
};

} // namespace

// Walks the design of every kind, types into every box that takes typing, saves in both
// formats, opens each file in a new form and finds on screen what was there before.
TEST_F(KeyboardTest, EveryBoxThatTakesTypingComesBackFromTheFile) {
    for (int kind = 1; kind <= kKindCount; ++kind) {
        auto e = open(kind);
        showActive(*e);
        int typed = 0;
        // The boxes first, so that a box a ticked check box enables takes typing too.
        for (QWidget* w : dataControls(*e))
            if (auto* box = qobject_cast<QCheckBox*>(w); box && box->isEnabled() && !box->isChecked()) box->click();
        for (QWidget* w : dataControls(*e)) {
            if (!takesTyping(*e, w)) continue;
            for (int p = 0; p < e->profile().pageCount(); ++p)
                if (e->page(p)->isAncestorOf(w)) e->selectTab(p);
            w->setFocus();
            QString value = QStringLiteral("键入") + w->objectName();
            if (qobject_cast<QPlainTextEdit*>(w)) value += QStringLiteral("\n次行");
            // The main mineral is typed as a name part; the first match is taken.
            if (w == e->combo(2) && e->fieldTable().mineralPicker) value = QStringLiteral("煤");
            typeKeys(typingTarget(w), value);
            ++typed;
        }
        EXPECT_GT(typed, 10) << kind;
        EXPECT_TRUE(changed(kind)) << kind;
        const QHash<QString, QString> before = screen(*e);
        const FormValues values = collectFormValues(*e);
        const Dictionary& dict = dictionary();
        const QString txt = work_.path() + QStringLiteral("/typed%1.txt").arg(kind);
        const QString xml = work_.path() + QStringLiteral("/typed%1.xml").arg(kind);
        ASSERT_TRUE(WriteTextSubmission(txt, values, dict.textKeyMap(kind)));
        ASSERT_TRUE(WriteExchangeXml(xml, values, dict.xmlNameMap(kind)));
        state().KindOpen[kind] = false;
        e.reset();

        for (const QString& file : {txt, xml}) {
            auto f = open(kind);
            state().PendingFile = file;
            ASSERT_TRUE(f->Form_Activate()) << file.toStdString();
            const QHash<QString, QString> after = screen(*f);
            for (auto it = before.begin(); it != before.end(); ++it)
                EXPECT_EQ(after.value(it.key()), it.value()) << file.toStdString() << " " << it.key().toStdString();
            state().KindOpen[kind] = false;
        }
    }
}

// Tab and Shift+Tab through every page of a loaded form reach every box of the page, leave
// every multi-line box and change nothing.
TEST_F(KeyboardTest, ATabWalkThroughALoadedFormChangesNothing) {
    for (int kind = 1; kind <= kKindCount; ++kind) {
        auto e = loaded(kind);
        ASSERT_FALSE(changed(kind)) << kind;
        showActive(*e);
        const QHash<QString, QString> before = screen(*e);
        for (int p = 0; p < e->profile().pageCount(); ++p) {
            e->selectTab(p);
            QApplication::processEvents();
            QSet<QWidget*> boxes;
            for (QWidget* w : dataControls(*e))
                if (e->page(p)->isAncestorOf(w) && takesTyping(*e, w)) boxes.insert(w);
            QSet<QWidget*> reached;
            e->tabStrip()->setFocus();
            const int steps = 3 * int(boxes.size()) + 40;
            for (int dir : {0, 1}) {
                for (int i = 0; i < steps; ++i) {
                    QWidget* at = QApplication::focusWidget();
                    ASSERT_TRUE(at) << kind << " page " << p;
                    if (auto* combo = qobject_cast<QComboBox*>(at->parentWidget()); combo && combo->lineEdit() == at)
                        at = combo;
                    reached.insert(at);
                    key(QApplication::focusWidget(), dir == 0 ? Qt::Key_Tab : Qt::Key_Backtab,
                        dir == 0 ? Qt::NoModifier : Qt::ShiftModifier);
                }
            }
            for (QWidget* w : boxes)
                EXPECT_TRUE(reached.contains(w)) << kind << " page " << p << " " << w->objectName().toStdString();
        }
        EXPECT_FALSE(changed(kind)) << kind;
        EXPECT_EQ(screen(*e), before) << kind;
        state().KindOpen[kind] = false;
    }
}

// Enter breaks the line in a multi-line box and moves on from a one-line box, on every
// kind alike; Ctrl+Tab types a tab into a multi-line box.
TEST_F(KeyboardTest, EnterBreaksTheLineInABigBoxAndMovesOnFromASmallOne) {
    struct Row {
        int kind;
        ControlArray bigArray;
        int big;     // a multi-line box
        int small;   // a one-line ChTXT box
    };
    const Row rows[] = {
        {1, ControlArray::ChMEMO, 0, 4},  {2, ControlArray::ChMEMO, 0, 5},  {3, ControlArray::ChMEMO, 0, 5},
        {4, ControlArray::ChMEMO, 0, 5},  {5, ControlArray::ChMEMO, 0, 4},  {6, ControlArray::ChTXT, 48, 5},
        {7, ControlArray::ChTXT, 46, 4},
    };
    // In a work area with another window, where Ctrl+Tab also switches windows.
    QMdiArea area;
    area.resize(1200, 900);
    area.addSubWindow(new QWidget)->show();
    area.show();
    QApplication::setActiveWindow(&area);
    for (const Row& r : rows) {
        auto* e = new EditorWindow(r.kind);
        QMdiSubWindow* sub = area.addSubWindow(e);
        e->attachSubWindow(sub);
        e->Form_Load();
        sub->show();
        area.setActiveSubWindow(sub);
        QApplication::processEvents();
        QWidget* big = e->textField(r.bigArray, r.big)->widget();
        ASSERT_TRUE(qobject_cast<QPlainTextEdit*>(big)) << r.kind;
        e->focusField(r.bigArray, r.big);
        QApplication::processEvents();
        typeKeys(big, QStringLiteral("甲\n乙"));
        key(big, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(e->text(r.bigArray, r.big), QStringLiteral("甲\n乙\t")) << r.kind;
        EXPECT_EQ(QApplication::focusWidget(), big) << r.kind;

        QWidget* small = e->textField(ControlArray::ChTXT, r.small)->widget();
        e->focusField(ControlArray::ChTXT, r.small);
        QApplication::processEvents();
        typeKeys(small, QStringLiteral("丙\n"));
        QApplication::processEvents();
        EXPECT_EQ(e->text(ControlArray::ChTXT, r.small), QStringLiteral("丙")) << r.kind;
        EXPECT_NE(QApplication::focusWidget(), small) << r.kind;
        EXPECT_EQ(area.activeSubWindow(), sub) << r.kind;
        state().KindOpen[r.kind] = false;
        state().KindChanged[r.kind] = false;
        delete sub;
    }
}

// The region and mineral trees open from the keyboard, move with the arrows, take the
// node with Enter and close with Escape, the caret back in their field.
TEST_F(KeyboardTest, ThePickerTreesWorkFromTheKeyboard) {
    struct Row {
        int kind;
        int picker;   // index of the region picker
    };
    for (const Row r : {Row{1, 0}, Row{4, 0}, Row{6, 0}, Row{7, 1}}) {
        auto e = open(r.kind);
        showActive(*e);
        RegionPicker& picker = *e->regionPickers()[size_t(r.picker)];
        QTreeWidget* tree = picker.tree();
        const int target = picker.table().target;
        QWidget* field = e->textField(ControlArray::ChTXT, target)->widget();
        e->focusField(ControlArray::ChTXT, target);
        QApplication::processEvents();
        key(field, Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(tree->isVisible()) << r.kind;
        EXPECT_EQ(QApplication::focusWidget(), tree) << r.kind;
        // Root, open it, its first province.
        key(tree, Qt::Key_Down);
        key(tree, Qt::Key_Right);
        key(tree, Qt::Key_Down);
        key(tree, Qt::Key_Return);
        EXPECT_FALSE(tree->isVisible()) << r.kind;
        EXPECT_EQ(QApplication::focusWidget(), field) << r.kind;
        const QString province = e->text(ControlArray::ChTXT, target);
        EXPECT_EQ(province.size(), 2) << r.kind;
        EXPECT_TRUE(changed(r.kind)) << r.kind;

        // The button opens it with Enter; Escape closes it and writes nothing.
        picker.button()->setFocus();
        key(picker.button(), Qt::Key_Return);
        ASSERT_TRUE(tree->isVisible()) << r.kind;
        key(tree, Qt::Key_Down);
        key(tree, Qt::Key_Escape);
        EXPECT_FALSE(tree->isVisible()) << r.kind;
        EXPECT_EQ(e->text(ControlArray::ChTXT, target), province) << r.kind;
        EXPECT_EQ(QApplication::focusWidget(), field) << r.kind;
        state().KindOpen[r.kind] = false;
    }

    for (int kind : {1, 2, 5, 7}) {
        auto e = open(kind);
        showActive(*e);
        MineralPicker& picker = *e->mineralPicker();
        QTreeWidget* tree = picker.tree();
        FieldCombo* mineral = e->combo(2);
        e->focusField(ControlArray::ChCBO, 2);
        QApplication::processEvents();
        key(mineral, Qt::Key_Down);
        ASSERT_TRUE(tree->isVisible()) << kind;
        key(tree, Qt::Key_Down);     // the first class
        key(tree, Qt::Key_Return);   // opens it
        key(tree, Qt::Key_Down);     // its first mineral
        const QString first = tree->currentItem() ? tree->currentItem()->text(0) : QString();
        key(tree, Qt::Key_Return);
        EXPECT_FALSE(tree->isVisible()) << kind;
        EXPECT_EQ(mineral->currentText(), first) << kind;
        EXPECT_TRUE(QApplication::focusWidget() == mineral || QApplication::focusWidget() == mineral->lineEdit())
            << kind << " " << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "");
        EXPECT_TRUE(changed(kind)) << kind;

        unmark(kind);
        key(mineral, Qt::Key_F4);
        ASSERT_TRUE(tree->isVisible()) << kind;
        key(tree, Qt::Key_Down);
        key(tree, Qt::Key_Escape);
        EXPECT_FALSE(tree->isVisible()) << kind;
        EXPECT_EQ(mineral->currentText(), first) << kind;
        EXPECT_FALSE(changed(kind)) << kind;
        state().KindOpen[kind] = false;
    }
}
