#pragma once
// One editor window for the seven application kinds, driven by the kind's profile and
// form design.
#include <QPointer>
#include <QWidget>

#include <QMdiSubWindow>

namespace mf {

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit EditorWindow(int kind, QWidget* parent = nullptr);
    ~EditorWindow() override;

    int kind() const { return kind_; }
    QString caption() const;
    QMdiSubWindow* subWindow() const { return sub_; }
    void attachSubWindow(QMdiSubWindow* sub);
    bool isClosing() const { return closing_; }

    // The window's load: marks the kind open and current, clears the fields and places
    // the window by the number of other open editors.
    void Form_Load();
    // Activation: the kind becomes current, a pending file is loaded, toolbar and status
    // bar follow the kind.
    void Form_Activate();
    // Closing: the save question, then the kind is released. False when a Yes-save did
    // not complete, which cancels the close.
    bool Form_Unload();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int kind_;
    bool closing_ = false;
    QPointer<QMdiSubWindow> sub_;
};

} // namespace mf
