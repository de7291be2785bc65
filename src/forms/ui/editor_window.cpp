#include "forms/ui/editor_window.h"

#include "core/app_state.h"
#include "core/boundary_walkers.h"
#include "core/dictionary.h"
#include "core/shell.h"
#include "forms/design_renderer.h"
#include "forms/field_rules.h"
#include "forms/sketch_frame.h"
#include "platform/print_target.h"
#include "printing/boundary_sketch.h"
#include "forms/ui/editor_page.h"
#include "forms/ui/field_widgets.h"
#include "gridgraph/ui/grid_graph.h"
#include "forms/ui/mineral_picker.h"
#include "forms/ui/mining_area_page.h"
#include "forms/ui/region_picker.h"
#include "forms/ui/reserve_labels.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/ui/readable_combo.h"
#include "platform/vb.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QScrollArea>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTreeWidget>

namespace mf {

namespace {

Qt::Alignment alignmentOf(const DesignControl& c) {
    switch (c.align) {
    case HAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case HAlign::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case HAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Tree rows as tall as the font's line spacing and a little more: the glyphs of
// neighbouring rows stay apart whatever the font and the screen.
class SpacedRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        constexpr int kMargin = 4;
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(std::max(s.height(), option.fontMetrics.lineSpacing() + kMargin));
        return s;
    }
};

std::optional<ControlArray> dataArrayOf(const QString& name) {
    if (name == QLatin1String("ChTXT")) return ControlArray::ChTXT;
    if (name == QLatin1String("ChMEMO")) return ControlArray::ChMEMO;
    if (name == QLatin1String("ChCBO")) return ControlArray::ChCBO;
    if (name == QLatin1String("ExistTXT")) return ControlArray::ExistTXT;
    return std::nullopt;
}

void applyLook(QWidget* w, const DesignControl& c) {
    w->setFont(designFont(c.font, 1.0 / kTwipsPerPixel));
    QPalette pal = w->palette();
    if (c.foreColor.isValid()) {
        pal.setColor(QPalette::WindowText, c.foreColor);
        pal.setColor(QPalette::Text, c.foreColor);
        pal.setColor(QPalette::ButtonText, c.foreColor);
    }
    if (c.backColor.isValid()) {
        pal.setColor(QPalette::Window, c.backColor);
        pal.setColor(QPalette::Base, c.backColor);
    }
    w->setPalette(pal);
}

EditorWindow::GridGraphFactory& gridGraphFactory() {
    static EditorWindow::GridGraphFactory factory;
    return factory;
}

} // namespace

// Ctrl+Tab types a tab into a multi-line box. The work area takes Ctrl+Tab for switching
// windows before the box sees it, for the whole application; so this filter watches the
// application and is put in front of the others whenever a box of the form takes the focus.
class TabIntoMemo : public QObject {
public:
    using QObject::QObject;
    void add(QPlainTextEdit* memo) { memos_.insert(memo, memo); }
    void putInFront() {
        qApp->removeEventFilter(this);
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() != Qt::Key_Tab || (k->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier) return false;
        QPlainTextEdit* memo = memos_.value(watched);
        if (!memo) return false;
        memo->insertPlainText(QStringLiteral("\t"));
        return true;
    }

private:
    QHash<QObject*, QPlainTextEdit*> memos_;
};

void EditorWindow::setGridGraphFactory(GridGraphFactory factory) { gridGraphFactory() = std::move(factory); }

EditorWindow::EditorWindow(int kind, QWidget* parent)
    : QWidget(parent), kind_(kind), profile_(kindProfile(kind)), table_(kindFieldTable(kind)) {
    setObjectName(profile_.formName);
    setWindowTitle(profile_.caption);
    QString error;
    design_ = loadFormDesign(profile_.designResource(), &error);
    if (!design_.isValid()) dialogs().error(QStringLiteral("表单设计无法读取：") + error);
    body_ = new QWidget;
    body_->setObjectName(QStringLiteral("EditorBody"));
    buildPages();
    body_->setFixedSize(bodySize_);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("EditorScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    // No stop of its own in the Tab order: from the page's last field Tab goes on to the tabs.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(body_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    wireFieldParts();
    resize(bodySize_);
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::buildPages() {
    tabs_ = new QTabBar(body_);
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    tabs_->setExpanding(false);
    for (const TabSpec& t : profile_.tabs) {
        const int i = tabs_->addTab(t.caption);
        tabs_->setTabData(i, t.key);
    }
    // The tab strip sits on the page frame; where the designed gap above the frame is
    // lower than the strip, the frame moves down so that every tab shows in full.
    const QRect frame = profile_.pic1.toPixels();
    const int tabHeight = tabs_->sizeHint().height();
    const int tabTop = std::max(0, frame.top() - tabHeight);
    const int shift = std::max(0, tabTop + tabHeight - frame.top());
    tabs_->move(frame.left(), tabTop);
    tabs_->resize(std::max(frame.width(), tabs_->sizeHint().width()), tabHeight);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int i) {
        if (i >= 0) TabStrip1_Click(tabs_->tabData(i).toString());
    });
    bodySize_ = QSize(toPixels(profile_.clientWidth), toPixels(profile_.clientHeight) + shift);

    pic1_ = new QWidget(body_);
    pic1_->setObjectName(QStringLiteral("Pic1"));
    pic1_->setGeometry(frame.translated(0, shift));
    pic1_->setAutoFillBackground(true);

    for (int i = 0; i < profile_.pageCount(); ++i) {
        auto* page = new EditorPage(design_, i, pic1_);
        const DesignPage* dp = design_.page(i);
        const Twips w = dp ? dp->width : profile_.pageWidth;
        const Twips h = dp ? dp->height : profile_.pageHeight;
        page->setGeometry(toPixels(profile_.pageLeft), toPixels(profile_.pageTop), toPixels(w), toPixels(h));
        page->setVisible(false);
        if (i == 0) page->setGradient(QColor(255, 255, 255), QColor(200, 255, 200), true);
        if (i == 1) page->setGradient(QColor(255, 255, 255), QColor(200, 240, 255), false);
        if (i == 3 && !profile_.sketchTag.isEmpty()) page->paintExtra = [this](QPainter& p) { paintSketch(p); };
        pages_.push_back(page);
    }

    // Frames first, so their members find their parent.
    QHash<QString, QWidget*> frames;
    for (const DesignControl& c : design_.controls) {
        if (c.type != ControlType::Frame || c.page >= int(pages_.size())) continue;
        QWidget* parent = pages_[c.page];
        if (QWidget* w = createControl(c, parent)) frames.insert(c.displayName(), w);
    }
    for (const DesignControl& c : design_.controls) {
        if (c.type == ControlType::Frame || c.page < 0 || c.page >= int(pages_.size())) continue;
        QWidget* parent = c.container.isEmpty() ? pages_[c.page] : frames.value(c.container, pages_[c.page]);
        createControl(c, parent);
    }
}

QWidget* EditorWindow::createControl(const DesignControl& c, QWidget* parent) {
    QWidget* w = nullptr;
    const auto array = dataArrayOf(c.name);
    switch (c.type) {
    case ControlType::TextBox: {
        if (c.multiLine || array == ControlArray::ChMEMO) {
            auto* memo = new QPlainTextEdit(parent);
            // Tab and Shift+Tab go on to the next and previous field; Ctrl+Tab types a tab.
            memo->setTabChangesFocus(true);
            if (!tabIntoMemo_) tabIntoMemo_ = new TabIntoMemo(this);
            tabIntoMemo_->add(memo);
            memo->setVerticalScrollBarPolicy(c.scrollBars & 2 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
            if (c.borderStyle == 0) memo->setFrameShape(QFrame::NoFrame);
            w = memo;
        } else {
            auto* line = new QLineEdit(parent);
            line->setAlignment(alignmentOf(c));
            if (c.maxLength > 0) line->setMaxLength(c.maxLength);
            line->setFrame(c.borderStyle != 0);
            w = line;
        }
        break;
    }
    case ControlType::ComboBox: {
        if (array == ControlArray::ChCBO) {
            w = new FieldCombo(parent);
        } else {
            auto* cb = new QComboBox(parent);
            cb->setEditable(c.comboStyle == 0);
            makeComboReadable(cb);
            w = cb;
        }
        break;
    }
    case ControlType::Label: {
        auto* l = new QLabel(c.caption, parent);
        l->setAlignment((alignmentOf(c) & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
        l->setWordWrap(true);
        l->setAutoFillBackground(!c.transparent && c.backColor.isValid());
        if (c.borderStyle == 1 && !c.transparent && c.backColor.isValid()) l->setFrameShape(QFrame::Box);
        w = l;
        break;
    }
    case ControlType::CheckBox:
        w = new CheckField(c.caption, parent);
        break;
    case ControlType::OptionButton:
        w = new QRadioButton(c.caption, parent);
        break;
    case ControlType::CommandButton:
        w = new QPushButton(c.caption, parent);
        break;
    case ControlType::Frame: {
        if (c.caption.isEmpty()) {
            auto* f = new QFrame(parent);
            f->setFrameShape(c.borderStyle ? QFrame::Box : QFrame::NoFrame);
            w = f;
        } else {
            w = new QGroupBox(c.caption, parent);
        }
        break;
    }
    case ControlType::Image:
    case ControlType::PictureBox:
        w = new QLabel(parent);
        break;
    case ControlType::TreeView: {
        auto* t = new QTreeWidget(parent);
        t->setHeaderHidden(true);
        t->setItemDelegate(new SpacedRows(t));
        w = t;
        break;
    }
    case ControlType::ListBox:
        w = new FieldList(parent);
        break;
    case ControlType::GridGraph: {
        GridGraphWidget* g = gridGraphFactory() ? gridGraphFactory()(parent) : nullptr;
        if (!g) g = new GridGraph(parent);
        grid_ = g;
        w = g;
        break;
    }
    case ControlType::Line:
    case ControlType::Shape:
        return nullptr;  // drawn by the page
    }
    if (!w) return nullptr;
    w->setObjectName(c.displayName());
    applyLook(w, c);
    // A control's geometry is relative to its container; the page's frames are children of
    // the page, so the design's rectangle applies directly.
    w->setGeometry(c.rect.toPixels());
    w->setVisible(c.visible);
    w->setEnabled(c.enabled);
    if (!c.fieldName.isEmpty()) {
        w->setToolTip(c.fieldName);
        w->setProperty("fieldName", c.fieldName);
    }
    named_.insert(c.displayName(), w);
    registerData(c, w);
    return w;
}

void EditorWindow::registerData(const DesignControl& c, QWidget* w) {
    const auto array = dataArrayOf(c.name);
    if (array && c.index >= 0) {
        fieldNames_[{int(*array), c.index}] = c.fieldName;
        const ControlArray a = *array;
        const int idx = c.index;
        if (a == ControlArray::ChCBO) {
            auto* combo = static_cast<FieldCombo*>(w);
            chCbo_[idx] = combo;
            combo->onClick = [this, idx] { ChCBO_Click(idx); };
            combo->onChange = [this, idx] { fieldChanged(ControlArray::ChCBO, idx); };
        } else {
            TextField* f = nullptr;
            if (auto* line = qobject_cast<QLineEdit*>(w))
                f = new TextField(line, this);
            else if (auto* memo = qobject_cast<QPlainTextEdit*>(w))
                f = new TextField(memo, this);
            if (!f) return;
            f->onChange = [this, a, idx] { fieldChanged(a, idx); };
            auto& map = a == ControlArray::ChTXT ? chTxt_ : a == ControlArray::ChMEMO ? chMemo_ : existTxt_;
            map[idx] = f;
        }
        w->installEventFilter(this);
        return;
    }
    if (c.name == QLatin1String("LabelXZQName")) {
        labelXzq_ = qobject_cast<QLabel*>(w);
    } else if (c.name == QLatin1String("CheckTogether")) {
        checkTogether_ = qobject_cast<CheckField*>(w);
        if (checkTogether_) checkTogether_->onClick = [this] { checkTogetherClicked(); };
    } else if (c.name == QLatin1String("CbCHK") && c.index >= 0) {
        if (auto* box = qobject_cast<CheckField*>(w)) {
            const int idx = c.index;
            cbChk_[idx] = box;
            box->onClick = [this, idx] { changeTypeClicked(idx); };
        }
    }
}

QSize EditorWindow::sizeHint() const { return bodySize_; }

void EditorWindow::fitIntoWorkArea() {
    QMdiArea* area = sub_ ? sub_->mdiArea() : nullptr;
    if (!area || !area->isVisible()) return;
    const QSize room = area->viewport()->size();
    const QSize full = sub_->sizeHint();
    const QSize least(std::min(full.width(), 240), std::min(full.height(), 200));
    QPoint pos = sub_->pos();
    // A place that leaves less than the least size moves back towards the top left.
    pos.setX(std::max(0, std::min(pos.x(), room.width() - least.width())));
    pos.setY(std::max(0, std::min(pos.y(), room.height() - least.height())));
    sub_->move(pos);
    // A page cut at the bottom gets its vertical scroll bar beside it, not over its width.
    QSize want = full;
    if (want.height() > room.height() - pos.y()) want.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    sub_->resize(std::max(least.width(), std::min(want.width(), room.width() - pos.x())),
                 std::max(least.height(), std::min(want.height(), room.height() - pos.y())));
}

void EditorWindow::attachSubWindow(QMdiSubWindow* sub) {
    sub_ = sub;
    // No icon in the title bar: a transparent one, so no stray pixel shows before the caption.
    QPixmap none(1, 1);
    none.fill(Qt::transparent);
    sub->setWindowIcon(QIcon(none));
    sub->resize(sub->sizeHint());
    sub->setWindowTitle(caption());
    subObject_ = sub;
    sub->installEventFilter(this);
}

EditorPage* EditorWindow::page(int index) const {
    return index >= 0 && index < int(pages_.size()) ? pages_[index] : nullptr;
}

TextField* EditorWindow::textField(ControlArray array, int index) const {
    const auto& map = array == ControlArray::ChTXT ? chTxt_ : array == ControlArray::ChMEMO ? chMemo_ : existTxt_;
    const auto it = map.find(index);
    return it == map.end() ? nullptr : it->second;
}

FieldCombo* EditorWindow::combo(int index) const {
    const auto it = chCbo_.find(index);
    return it == chCbo_.end() ? nullptr : it->second;
}

// ---- pages ----

void EditorWindow::TabStrip1_Click(const QString& key) {
    const int p = profile_.pageOfKey(key);
    if (p >= 0) currentPage_ = p;
    ShowCurrentPage();
}

void EditorWindow::selectTab(int page) {
    if (page < 0 || page >= tabs_->count()) return;
    if (tabs_->currentIndex() == page) return;  // nothing changes
    tabs_->setCurrentIndex(page);
}

void EditorWindow::ShowCurrentPage() {
    for (EditorPage* p : pages_) p->setVisible(false);
    pic1_->setVisible(true);
    if (EditorPage* p = page(currentPage_)) p->setVisible(true);
}

void EditorWindow::paintSketch(QPainter& p) {
    if (!grid_) return;
    BoundarySketch sketch;
    const QString tag = design_.page(3) ? design_.page(3)->tag : profile_.sketchTag;
    if (!PrepareScreenSketch(grid_->ZB_String(), tag, sketch)) return;
    const EditorPage* pg = page(3);
    PainterTarget target(p, pg ? pg->width() * kTwipsPerPixel : 0, pg ? pg->height() * kTwipsPerPixel : 0);
    DrawBoundarySketch(target, 1, sketch);
}

// ---- handlers of the data fields ----

void EditorWindow::markChanged() {
    state().KindChanged[kind_] = true;
    shell().SetToolbarButtonState(QStringLiteral("SAVE"), true);
}

void EditorWindow::fieldChanged(ControlArray array, int index) {
    markChanged();
    if (array == ControlArray::ChTXT) textChanged(index);
    if (array == ControlArray::ChCBO) comboChanged(index);
    emit fieldEdited(int(array), index);
}

// The dependent fields of a text box (its change mark is made).
void EditorWindow::textChanged(int index) {
    if (const RegionRule* rule = table_.regionRuleOf(index)) {
        const QString name = regionNameForField(text(ControlArray::ChTXT, index));
        if (rule->nameField < 0)
            setText(ControlArray::LabelXZQName, 0, name);
        else if (!loading_)   // a name completed by the user (地理位置) is the file's
            setText(ControlArray::ChTXT, rule->nameField, name);
    }
    if (reserve_ && index == table_.reserve->total) reserve_->classify();
    if (area_) area_->ComputeAreaFields();
    if (index == table_.mineNameCopy) setText(ControlArray::ExistTXT, 0, text(ControlArray::ChTXT, index));
}

// Text typed into a combo (its change mark is made): the main mineral's name search.
void EditorWindow::comboChanged(int index) {
    if (index == 2 && mineralPicker_) mineralPicker_->ChCBO_Change();
}

void EditorWindow::ChCBO_Click(int index) {
    markChanged();
    if (index == 2 && table_.mineralPicker) {
        if (const auto code = chosenMineralCode(text(ControlArray::ChCBO, 2))) {
            // A loaded mineral keeps the unit and ore type the file holds for it.
            if (reserve_ && !loading_) reserve_->UpdateMineralScaleLabels(false);
            if (table_.mineralUnitLabels) {
                if (auto* l = qobject_cast<QLabel*>(control(QStringLiteral("LabelGM(0)"))))
                    l->setText(vb::trim(dictionary().GetMineralDesignScale(*code)));
                if (auto* l = qobject_cast<QLabel*>(control(QStringLiteral("LabelGM(7)"))))
                    l->setText(dictionary().GetReserveUnit(*code));
            }
        }
    }
    emit fieldEdited(int(ControlArray::ChCBO), index);
}

void EditorWindow::checkTogetherClicked() {
    TextField* other = textField(ControlArray::ChTXT, table_.otherMineral);
    if (other && !checkTogether_->isChecked() && !loading_) other->setText(QString());
    otherMineralFollowsBox();
    markChanged();
}

// 其它主矿种 takes typing only while 共伴生 is ticked.
void EditorWindow::otherMineralFollowsBox() {
    if (TextField* other = textField(ControlArray::ChTXT, table_.otherMineral))
        other->widget()->setEnabled(checkTogether_ && checkTogether_->isChecked());
}

void EditorWindow::changeTypeClicked(int) { markChanged(); }

void EditorWindow::resetDataLabels() {
    for (const DesignControl& c : design_.controls) {
        if (c.type == ControlType::Label &&
            (c.name == QLatin1String("LabelXZQName") || c.name == QLatin1String("LabelCL") ||
             c.name == QLatin1String("LabelGM")))
            if (auto* l = qobject_cast<QLabel*>(control(c.displayName()))) l->setText(c.caption);
    }
    if (auto* cover = qobject_cast<QLineEdit*>(control(QStringLiteral("p1DATA(58)")))) cover->clear();
    if (reserve_) reserve_->forgetMineral();
}

// Keys of the text boxes and of the main-mineral combo. The same on every kind: Enter
// moves on from a one-line box and breaks the line in a multi-line one; Tab and Shift+Tab
// leave every box, Ctrl+Tab types a tab into a multi-line box. The arrows move between the
// one-line boxes where the kind's table says so.
bool EditorWindow::handleFieldKey(QObject* watched, QKeyEvent* e) {
    const KeySpec& keys = table_.keys;
    const int key = e->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (FieldCombo* mineral = combo(2); mineral && watched == mineral) {
        return keys.comboSwallowEnterEsc && (enter || key == Qt::Key_Escape);
    }
    const TextField* field = nullptr;
    for (const auto* map : {&chTxt_, &chMemo_})
        for (const auto& [i, f] : *map)
            if (f->widget() == watched) field = f;
    if (!field) return false;
    if (field->isMemo()) return false;
    if (enter || (keys.arrowsMoveFocus && (key == Qt::Key_Up || key == Qt::Key_Down))) {
        // Moves the focus after the key has been handled, as queued keystrokes would.
        const bool next = key != Qt::Key_Up;
        QMetaObject::invokeMethod(this, [this, next] { focusNextPrevChild(next); }, Qt::QueuedConnection);
    }
    return enter || (keys.swallowEnterEsc && key == Qt::Key_Escape);
}

// ---- FormAccess ----

QList<int> EditorWindow::indexes(ControlArray array) const {
    QList<int> out;
    switch (array) {
    case ControlArray::ChTXT: for (const auto& [i, f] : chTxt_) out << i; break;
    case ControlArray::ChMEMO: for (const auto& [i, f] : chMemo_) out << i; break;
    case ControlArray::ExistTXT: for (const auto& [i, f] : existTxt_) out << i; break;
    case ControlArray::ChCBO: for (const auto& [i, f] : chCbo_) out << i; break;
    case ControlArray::LabelXZQName: if (labelXzq_) out << 0; break;
    }
    return out;
}

QString EditorWindow::fieldName(ControlArray array, int index) const {
    if (array == ControlArray::LabelXZQName) return QString();
    const auto it = fieldNames_.find({int(array), index});
    return it == fieldNames_.end() ? QString() : it->second;
}

QString EditorWindow::text(ControlArray array, int index) const {
    if (array == ControlArray::LabelXZQName) return labelXzq_ ? labelXzq_->text() : QString();
    if (array == ControlArray::ChCBO) {
        FieldCombo* c = combo(index);
        return c ? c->currentText() : QString();
    }
    TextField* f = textField(array, index);
    return f ? f->text() : QString();
}

void EditorWindow::setText(ControlArray array, int index, const QString& value) {
    if (array == ControlArray::LabelXZQName) {
        if (labelXzq_) labelXzq_->setText(value);
        return;
    }
    if (array == ControlArray::ChCBO) {
        if (FieldCombo* c = combo(index)) c->setFieldText(value);
        return;
    }
    if (TextField* f = textField(array, index)) f->setText(value);
}

QStringList EditorWindow::comboItems(int index) const {
    QStringList out;
    if (FieldCombo* c = combo(index))
        for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
}

void EditorWindow::setComboItems(int index, const QStringList& items) {
    if (FieldCombo* c = combo(index)) c->setFieldItems(items);
}

int EditorWindow::comboCurrentIndex(int index) const {
    FieldCombo* c = combo(index);
    return c ? c->currentIndex() : -1;
}

void EditorWindow::setComboCurrentIndex(int index, int item) {
    if (FieldCombo* c = combo(index)) c->setListIndex(item);
}

bool EditorWindow::comboIsCodeList(int index) const {
    // Every combo is editable; the ones filled from a list at set-up load by their items.
    return table_.isListCombo(index);
}

bool EditorWindow::checkTogether() const { return checkTogether_ && checkTogether_->isChecked(); }

void EditorWindow::setCheckTogether(bool ticked) {
    if (checkTogether_) checkTogether_->setValue(ticked);
}

bool EditorWindow::changeType(int index) const {
    const auto it = cbChk_.find(index);
    return it != cbChk_.end() && it->second->isChecked();
}

void EditorWindow::setChangeType(int index, bool ticked) {
    const auto it = cbChk_.find(index);
    if (it != cbChk_.end()) it->second->setValue(ticked);
}

GridGraphAccess* EditorWindow::gridGraph() { return grid_; }

void EditorWindow::focusField(ControlArray array, int index) {
    QWidget* w = nullptr;
    if (array == ControlArray::ChCBO)
        w = combo(index);
    else if (TextField* f = textField(array, index))
        w = f->widget();
    if (!w) return;
    for (size_t p = 0; p < pages_.size(); ++p)
        if (pages_[p]->isAncestorOf(w)) selectTab(int(p));
    w->setFocus(Qt::OtherFocusReason);
}

// The filter compares the watched object only with pointers taken while the controls were
// whole: the sub-window and the boxes also send events while they are being destroyed, and
// then may not be reached through their own types.
bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool isSub = watched == subObject_;
    if (event->type() == QEvent::FocusIn && tabIntoMemo_ && !isSub) tabIntoMemo_->putInFront();
    if (event->type() == QEvent::KeyPress && !isSub)
        return handleFieldKey(watched, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusOut && !isSub &&
        isLostFocusReason(static_cast<QFocusEvent*>(event)->reason())) {
        // A text box shows its text from the start once the focus has left it.
        for (const auto* map : {&chTxt_, &chMemo_}) {
            const bool wanted = map == &chTxt_ ? table_.keys.caretToStart : table_.keys.memoCaretToStart;
            if (!wanted) continue;
            for (const auto& [i, f] : *map)
                if (f->widget() == watched) f->caretToStart();
        }
    }
    if (isSub && event->type() == QEvent::Close) {
        if (closing_) return false;
        if (!Form_Unload()) {
            event->ignore();
            return true;
        }
        closing_ = true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace mf
