#pragma once
// Data controls with the event order the editors rely on: a text set from code runs the
// field's change handler at once (only when the text differs); selecting a combo item from
// code runs its click handler, setting its text runs its change handler; the user's own
// edits run the same handlers. Qt's own signals are never used for programmatic sets.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <functional>

class QKeyEvent;

namespace mf {

// A single-line or multi-line text box.
class TextField : public QObject {
    Q_OBJECT
public:
    TextField(QLineEdit* line, QObject* parent);
    TextField(QPlainTextEdit* memo, QObject* parent);

    QWidget* widget() const;
    bool isMemo() const { return memo_ != nullptr; }
    QString text() const;
    // Sets the text; runs onChange when it differs.
    void setText(const QString& text);
    // Caret to the start of the text.
    void caretToStart();

    std::function<void()> onChange;

private:
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    // The box as a widget, taken while it is whole: compared with the objects an event
    // filter sees, also while they are being destroyed.
    QWidget* widget_ = nullptr;
    int maxLength_ = 0;   // the designed limit of a single-line box
    bool setting_ = false;
};

// An editable combo box whose drop-down can be replaced by the form's own picker.
class FieldCombo : public QComboBox {
    Q_OBJECT
public:
    explicit FieldCombo(QWidget* parent = nullptr);

    // Selects an item (-1: none) and runs onClick.
    void setListIndex(int index);
    // Sets the edit text and runs onChange (not onClick).
    void setFieldText(const QString& text);
    // Replaces the items; no handler runs and no item is selected.
    void setFieldItems(const QStringList& items);
    void clearField();

    void showPopup() override;

    std::function<void()> onClick;
    std::function<void()> onChange;
    // When set, the drop-down button runs this instead of the combo's own list.
    std::function<void()> onDropDown;
};

// A check box.
class CheckField : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckField(const QString& caption, QWidget* parent = nullptr);
    // Ticks or clears it; runs onClick when the state changes.
    void setValue(bool ticked);
    std::function<void()> onClick;
};

// A list box: selecting an item from code runs onClick; so do the user's click on an item
// (also on the item already selected) and a selection moved by a key. A double click runs
// onDblClick after the click.
class FieldList : public QListWidget {
    Q_OBJECT
public:
    explicit FieldList(QWidget* parent = nullptr);
    // Selects an item (-1: none) and runs onClick.
    void setListIndex(int index);
    // Replaces the items; no handler runs and no item is selected.
    void setFieldItems(const QStringList& items);
    QStringList fieldItems() const;
    // The text of the selected item, "" when none is selected.
    QString selectedText() const;

    std::function<void()> onClick;
    std::function<void()> onDblClick;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// Runs a handler when the widget loses the focus to another control of the program. No
// handler runs when another window or a pop-up takes the activation (a message box, a
// menu, another program), as the forms' pickers expect.
void onLostFocus(QWidget* widget, std::function<void()> handler);

// Offers every key pressed in the widget to a handler first; a handler that returns true
// has used the key and the widget does not see it.
void onKeyPress(QWidget* widget, std::function<bool(QKeyEvent*)> handler);
bool isEnterKey(const QKeyEvent* e);
// Alt+Down or F4: what opens a drop-down from the keyboard.
bool isDropDownKey(const QKeyEvent* e);
bool isLostFocusReason(Qt::FocusReason reason);

} // namespace mf
