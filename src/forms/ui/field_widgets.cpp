#include "forms/ui/field_widgets.h"

#include "platform/ui/readable_combo.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>

namespace mf {

TextField::TextField(QLineEdit* line, QObject* parent)
    : QObject(parent), line_(line), widget_(line), maxLength_(line->maxLength()) {
    connect(line_, &QLineEdit::textEdited, this, [this] {
        if (onChange) onChange();
    });
}

TextField::TextField(QPlainTextEdit* memo, QObject* parent) : QObject(parent), memo_(memo), widget_(memo) {
    // textChanged also fires for programmatic sets; those run the handler themselves.
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
        if (!setting_ && onChange) onChange();
    });
}

QWidget* TextField::widget() const { return widget_; }

QString TextField::text() const { return line_ ? line_->text() : memo_->toPlainText(); }

void TextField::setText(const QString& text) {
    if (text == this->text()) return;
    if (line_) {
        const QSignalBlocker block(line_);
        // The length limit holds for typing only: a text set from code (a loaded file)
        // is kept whole. The box's limit then stretches to that text.
        line_->setMaxLength(std::max(maxLength_, int(text.size())));
        line_->setText(text);
    } else {
        setting_ = true;
        memo_->setPlainText(text);
        setting_ = false;
    }
    if (onChange) onChange();
}

void TextField::caretToStart() {
    if (line_) {
        line_->setCursorPosition(0);
    } else {
        QTextCursor c = memo_->textCursor();
        c.movePosition(QTextCursor::Start);
        memo_->setTextCursor(c);
        memo_->ensureCursorVisible();
    }
}

FieldCombo::FieldCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    makeComboReadable(this);
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int) {
        showComboTextStart(this);
        if (onClick) onClick();
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (onChange) onChange();
    });
}

void FieldCombo::setListIndex(int index) {
    {
        const QSignalBlocker block(this);
        setCurrentIndex(index);
        if (index < 0) setEditText(QString());
        showComboTextStart(this);
    }
    if (onClick) onClick();
}

void FieldCombo::setFieldText(const QString& text) {
    {
        const QSignalBlocker block(this);
        setCurrentIndex(findText(text, Qt::MatchExactly));
        setEditText(text);
        showComboTextStart(this);
    }
    if (onChange) onChange();
}

void FieldCombo::setFieldItems(const QStringList& items) {
    const QSignalBlocker block(this);
    clear();
    addItems(items);
    // Qt selects the first item added; the form starts without a selection.
    setCurrentIndex(-1);
    setEditText(QString());
}

void FieldCombo::clearField() {
    const QSignalBlocker block(this);
    setCurrentIndex(-1);
    setEditText(QString());
}

void FieldCombo::showPopup() {
    if (onDropDown) {
        onDropDown();
        return;
    }
    QComboBox::showPopup();
}

CheckField::CheckField(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    connect(this, &QCheckBox::clicked, this, [this] {
        if (onClick) onClick();
    });
}

void CheckField::setValue(bool ticked) {
    if (ticked == isChecked()) return;
    {
        const QSignalBlocker block(this);
        setChecked(ticked);
    }
    if (onClick) onClick();
}

FieldList::FieldList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem*) {
        if (onClick) onClick();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) {
        if (onDblClick) onDblClick();
    });
}

void FieldList::setListIndex(int index) {
    {
        const QSignalBlocker block(this);
        setCurrentRow(index);
    }
    if (onClick) onClick();
}

void FieldList::setFieldItems(const QStringList& items) {
    const QSignalBlocker block(this);
    clear();
    addItems(items);
    setCurrentRow(-1);
}

QStringList FieldList::fieldItems() const {
    QStringList out;
    for (int i = 0; i < count(); ++i) out << item(i)->text();
    return out;
}

QString FieldList::selectedText() const {
    const QListWidgetItem* it = currentRow() >= 0 ? currentItem() : nullptr;
    return it ? it->text() : QString();
}

void FieldList::keyPressEvent(QKeyEvent* e) {
    const int before = currentRow();
    QListWidget::keyPressEvent(e);
    if (currentRow() != before && onClick) onClick();
}

bool isLostFocusReason(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

namespace {

class LostFocusFilter : public QObject {
public:
    LostFocusFilter(QWidget* w, std::function<void()> h) : QObject(w), handler_(std::move(h)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusOut && isLostFocusReason(static_cast<QFocusEvent*>(e)->reason()) && handler_)
            handler_();
        return false;
    }

private:
    std::function<void()> handler_;
};

class KeyPressFilter : public QObject {
public:
    KeyPressFilter(QWidget* w, std::function<bool(QKeyEvent*)> h) : QObject(w), handler_(std::move(h)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        return e->type() == QEvent::KeyPress && handler_ && handler_(static_cast<QKeyEvent*>(e));
    }

private:
    std::function<bool(QKeyEvent*)> handler_;
};

} // namespace

void onLostFocus(QWidget* widget, std::function<void()> handler) {
    widget->installEventFilter(new LostFocusFilter(widget, std::move(handler)));
}

void onKeyPress(QWidget* widget, std::function<bool(QKeyEvent*)> handler) {
    widget->installEventFilter(new KeyPressFilter(widget, std::move(handler)));
}

bool isEnterKey(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

bool isDropDownKey(const QKeyEvent* e) {
    return e->key() == Qt::Key_F4 || (e->key() == Qt::Key_Down && (e->modifiers() & Qt::AltModifier));
}

} // namespace mf
