#pragma once
// TabMain: the main window, parent of the application editors, with the toolbar and the
// status bar.
#include "core/shell.h"
#include "platform/picture_part.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPaintEvent;
class QProgressBar;
class QToolBar;
class QToolButton;

namespace mf {

class EditorWindow;
class WorkArea;

class TabMain : public QMainWindow, public Shell {
    Q_OBJECT
public:
    // The background picture comes from the decoding given, when one was started (see
    // backgroundPicture()), else it is decoded when the window is first laid out.
    explicit TabMain(QWidget* parent = nullptr, PictureDecoding background = {});
    ~TabMain() override;

    // The window's load: work folders, toolbar, status bar, background. False when the
    // work area could not be created (the message has been shown).
    bool MDIForm_Load();
    // The background picture for the primary screen and the part of it the window shows
    // at most.
    struct BackgroundPicture {
        QString path;
        QSize size;
    };
    static BackgroundPicture backgroundPicture();
    // Shows the window on the screen's available area: maximized on a small screen,
    // otherwise centred at its designed size.
    void showOnScreen();

    // Shell
    void SetToolbarButtonState(const QString& key, bool available) override;
    bool toolbarButtonAvailable(const QString& key) const override;
    void setActivityText(const QString& text) override;
    void setFileText(const QString& text) override;
    void setKindButtonPressed(int kind, bool pressed) override;
    bool saveForQuestion(int kind) override;

    // Runs a toolbar button or a menu item by its key, as a click would.
    void Toolbar_ButtonClick(const QString& key);
    void Toolbar_ButtonMenuClick(const QString& key);
    void CascadeOpenForms();

    // The editor of a kind: shows it (opening it when closed) and activates it.
    EditorWindow* showEditor(int kind);
    EditorWindow* editor(int kind) const;
    // Shows or activates the editor of a kind and has it load PendingFile at once, also
    // when it was the active editor already. True when the file was loaded.
    bool loadPendingFile(int kind);
    // Before a file is loaded into the editor of a kind that has unsaved changes: the editor
    // is brought to the front and asks its save question. True when the load may go on.
    // PendingFile must be empty.
    bool settleChanges(int kind);
    QMdiArea* mdiArea() const { return mdi_; }
    // The picture the work area shows; null while the area is plain.
    const QImage& backgroundImage() const { return background_; }

    QString activityText() const override;
    void setBusy(bool busy) override;
    void showActivityNow(const QString& text) override;
    bool runBusy(const QString& text, const BusyWork& work) override;
    bool isRunningBusyWork() const { return busyWork_; }
    QString fileText() const;
    QString dateText() const;
    QAction* action(const QString& key) const { return actions_.value(key); }

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void buildToolbar();
    void buildStatusBar();
    void loadBackground();
    void fitBackground(const QSize& area);
    void paintBackground(QPaintEvent* e);
    void onSubWindowActivated(QMdiSubWindow* w);
    void openCommand();
    void printerSetup();
    void printCommand();
    void helpCommand();

    QMdiArea* mdi_ = nullptr;
    QString backgroundPath_;   // "" once the picture is decoded whole or cannot be read
    QSize backgroundSize_;     // the part of it decoded so far
    PictureDecoding backgroundDecoding_;  // the first part, decoded while the program starts
    QImage background_;        // the picture the work area shows, tiled from its top left
    QToolBar* toolbar_ = nullptr;
    QToolButton* saveButton_ = nullptr;
    QHash<QString, QAction*> actions_;
    QLabel* panelActivity_ = nullptr;
    QLabel* panelFile_ = nullptr;
    QLabel* panelDate_ = nullptr;
    QProgressBar* mbar_ = nullptr;
    std::unique_ptr<WorkArea> workArea_;  // removed with the window at the latest
    QPointer<EditorWindow> editors_[8];
    QPointer<EditorWindow> lastActive_;
    bool activationLoaded_ = false;  // what the last activation's load step gave
    QString lastOpenPath_;
    bool busyWork_ = false;   // runBusy's work is running: input and closing are refused
};

} // namespace mf
