#include "core/ui/main_window.h"

#include "core/app_state.h"
#include "core/main_window_rules.h"
#include "core/ui/commands.h"
#include "core/ui/toolbar_icons.h"
#include "forms/ui/editor_window.h"
#include "platform/dialogs.h"
#include "platform/fs.h"
#include "platform/work_area.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <system_error>
#include <thread>

namespace mf {

namespace {
struct ButtonDef {
    const char* caption;
    const char* key;
    const char* tip;
};
// The toolbar buttons in their stored order.
const ButtonDef kButtons[] = {
    {"新立", "NEW", "采矿权申请登记书"},
    {"变更", "CHANGE", "采矿权变更申请登记书"},
    {"延续", "CONT", "采矿权延续申请登记书"},
    {"转让", "Cession", "采矿权转让申请登记书"},
    {"注销", "DEL", "采矿权注销申请登记书"},
    {"划矿", "DING", "划定矿区范围申请登记书"},
    {"年检", "CHECK", "年度报告书"},
    {"打开", "OPEN", "打开文件"},
    {"保存", "SAVE", "保存文件"},
    {"附件", "annex", "附件管理"},
    {"设置", "PSET", "打印机设置"},
    {"打印", "PRINT", "打印登记书"},
    {"窗口", "WIN", "窗口层叠"},
    {"退出", "EXIT", "退出璞石分台"},
    {"帮助", "HELP", "帮助信息"},
};

int kindOfKey(const QString& key) {
    for (int k = 1; k <= kKindCount; ++k)
        if (kindToolbarKey(k) == key) return k;
    return 0;
}

int twipsToPx(int t) { return t / 15; }
} // namespace

TabMain::TabMain(QWidget* parent, PictureDecoding background)
    : QMainWindow(parent), backgroundDecoding_(std::move(background)) {
    setWindowTitle(QStringLiteral("岩契录件主窗"));
    setObjectName(QStringLiteral("TabMain"));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &TabMain::onSubWindowActivated);
    loadBackground();
    buildToolbar();
    buildStatusBar();
    resize(1024, 768);
}

TabMain::~TabMain() {
    if (&shell() == static_cast<Shell*>(this)) setShell(nullptr);
}

// A screen smaller than 1280x900 leaves no room around the window: it fills the available
// area, so the status bar stays on screen.
static bool fillsScreen(const QRect& avail) { return avail.width() < 1280 || avail.height() < 900; }

static QRect availableArea(QScreen* s) { return s ? s->availableGeometry() : QRect(0, 0, 1024, 768); }

void TabMain::showOnScreen() {
    const QRect avail = availableArea(screen() ? screen() : QGuiApplication::primaryScreen());
    if (fillsScreen(avail)) {
        setGeometry(avail);
        showMaximized();
        return;
    }
    resize(1024, 768);
    move(avail.center() - rect().center());
    show();
}

void TabMain::buildToolbar() {
    toolbar_ = addToolBar(QStringLiteral("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("Toolbar"));
    toolbar_->setMovable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setIconSize(QSize(32, 32));
    for (const ButtonDef& b : kButtons) {
        const QString key = QString::fromUtf8(b.key);
        auto* a = new QAction(toolbarIcon(key, state().DataPath + QStringLiteral("/DICT/icons")),
                              QString::fromUtf8(b.caption), this);
        a->setObjectName(key);
        a->setToolTip(QString::fromUtf8(b.tip));
        a->setData(key);
        actions_.insert(key, a);
        if (key == QLatin1String("SAVE")) {
            auto* menu = new QMenu(this);
            QAction* txt = menu->addAction(QStringLiteral("报盘文本文件(&T)"));
            txt->setObjectName(QStringLiteral("SAVETXT"));
            menu->addSeparator();
            QAction* xml = menu->addAction(QStringLiteral("交换标准文件(&X)"));
            xml->setObjectName(QStringLiteral("SAVEXML"));
            actions_.insert(QStringLiteral("SAVETXT"), txt);
            actions_.insert(QStringLiteral("SAVEXML"), xml);
            connect(txt, &QAction::triggered, this, [this] { Toolbar_ButtonMenuClick(QStringLiteral("SAVETXT")); });
            connect(xml, &QAction::triggered, this, [this] { Toolbar_ButtonMenuClick(QStringLiteral("SAVEXML")); });
            a->setMenu(menu);
            toolbar_->addAction(a);
            if (auto* tb = qobject_cast<QToolButton*>(toolbar_->widgetForAction(a))) {
                tb->setPopupMode(QToolButton::InstantPopup);
                saveButton_ = tb;
            }
        } else {
            connect(a, &QAction::triggered, this, [this, key] { Toolbar_ButtonClick(key); });
            toolbar_->addAction(a);
        }
        if (kindOfKey(key)) a->setCheckable(true);
    }
    // F1 opens the help file from anywhere in the program, as the help button does.
    if (QAction* help = actions_.value(QStringLiteral("HELP"))) {
        help->setShortcut(QKeySequence::HelpContents);
        help->setShortcutContext(Qt::ApplicationShortcut);
    }
}

void TabMain::buildStatusBar() {
    panelActivity_ = new QLabel(this);
    panelActivity_->setObjectName(QStringLiteral("SBarPanel1"));
    panelFile_ = new QLabel(this);
    panelFile_->setObjectName(QStringLiteral("SBarPanel2"));
    panelDate_ = new QLabel(this);
    panelDate_->setObjectName(QStringLiteral("SBarPanel3"));
    mbar_ = new QProgressBar(this);
    mbar_->setObjectName(QStringLiteral("MBar"));
    mbar_->setTextVisible(false);
    mbar_->setValue(0);
    // Shown only while long work reports its progress; an idle empty bar reads as a box.
    mbar_->setVisible(false);
    panelActivity_->setMinimumWidth(220);
    statusBar()->addWidget(panelActivity_);
    statusBar()->addWidget(panelFile_, 1);
    statusBar()->addPermanentWidget(mbar_);
    statusBar()->addPermanentWidget(panelDate_);
}

bool TabMain::MDIForm_Load() {
    AppState& st = state();
    // The work area: one folder per run under the user's runtime or temporary location,
    // with a subfolder per kind marker. Folders that ended runs left behind go first.
    for (const QString& base : WorkArea::candidateBases()) removeStaleWorkAreas(base);
    workArea_ = std::make_unique<WorkArea>();
    QString tried;
    if (!workArea_->create(&tried)) {
        dialogs().error(QStringLiteral("无法创建工作文件夹：") + tried);
        return false;
    }
    st.TempZip = workArea_->path() + QStringLiteral("/tempZip/");
    for (int k = 1; k <= kKindCount; ++k) {
        st.KindMarker[k] = kindMarker(k);
        const QString dir = st.TempZip + st.KindMarker[k] + QLatin1Char('/');
        fs::makeDirPath(dir);
        if (!QFileInfo(dir).isDir()) {
            dialogs().error(QStringLiteral("无法创建工作文件夹：") + dir);
            return false;
        }
        st.KindTempDir[k] = dir;
    }

    panelDate_->setText(statusDateText(QDate::currentDate()));
    panelActivity_->setText(QStringLiteral("待命..."));
    setProperty("HelpContextID", 4000);
    SetToolbarButtonState(QStringLiteral("SAVE"), false);
    SetToolbarButtonState(QStringLiteral("PRINT"), false);
    SetToolbarButtonState(QStringLiteral("annex"), false);
    SetToolbarButtonState(QStringLiteral("WIN"), false);
    if (st.PrinterCount == 0) actions_.value(QStringLiteral("PSET"))->setEnabled(false);
    setShell(this);
    return true;
}

TabMain::BackgroundPicture TabMain::backgroundPicture() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const int width = screen ? int(screen->size().width() * screen->devicePixelRatio()) : 1024;
    const QRect avail = availableArea(screen);
    return {state().DataPath + QStringLiteral("/DICT/") + backgroundPictureName(width),
            fillsScreen(avail) ? avail.size() : QSize(1024, 768)};
}

void TabMain::loadBackground() {
    backgroundPath_ = backgroundPicture().path;
    backgroundSize_ = QSize();
    // Taken (or decoded) when the area gets its size, before its first paint.
    mdi_->viewport()->installEventFilter(this);
}

void TabMain::fitBackground(const QSize& area) {
    // The picture is tiled from the top left corner: only the part the area shows is
    // decoded, and decoded again when the area grows past it.
    if (backgroundPath_.isEmpty() || (area.width() <= backgroundSize_.width() && area.height() <= backgroundSize_.height()))
        return;
    PicturePart pic = backgroundDecoding_.take();
    const QSize got = pic.image.size();
    if (!pic.whole && (got.width() < area.width() || got.height() < area.height()))
        pic = decodePicturePart(backgroundPath_, area, backgroundSize_);
    if (pic.whole) backgroundPath_.clear();   // a missing picture leaves the window plain
    if (pic.image.isNull()) return;
    backgroundSize_ = pic.image.size();
    background_ = std::move(pic.image);
    // Painted by the viewport's paint filter below; the area's own brush fill of a picture
    // would start a pool of threads to blend it at every paint.
    mdi_->setBackground(Qt::NoBrush);
    mdi_->viewport()->update();
}

void TabMain::paintBackground(QPaintEvent* e) {
    QPainter p(mdi_->viewport());
    p.setClipRegion(e->region());
    const QRect area = e->rect();
    const int w = background_.width(), h = background_.height();
    for (int y = area.top() / h * h; y <= area.bottom(); y += h)
        for (int x = area.left() / w * w; x <= area.right(); x += w)
            p.drawImage(QPoint(x, y), background_);
}

bool TabMain::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::Resize && o == mdi_->viewport())
        fitBackground(static_cast<QResizeEvent*>(e)->size());
    else if (e->type() == QEvent::Paint && o == mdi_->viewport() && !background_.isNull())
        paintBackground(static_cast<QPaintEvent*>(e));   // then the area paints over it
    return QMainWindow::eventFilter(o, e);
}

void TabMain::SetToolbarButtonState(const QString& key, bool available) {
    if (QAction* a = actions_.value(key)) {
        a->setEnabled(available);
        if (key == QLatin1String("SAVE") && saveButton_) saveButton_->setEnabled(available);
    }
}

bool TabMain::toolbarButtonAvailable(const QString& key) const {
    QAction* a = actions_.value(key);
    return a && a->isEnabled();
}

void TabMain::setActivityText(const QString& text) {
    // The label repaints with the next paint of the window; a forced repaint would cost each
    // open and save a full paint of the status bar.
    panelActivity_->setText(text);
}

void TabMain::setFileText(const QString& text) { panelFile_->setText(text); }

void TabMain::setKindButtonPressed(int kind, bool pressed) {
    if (QAction* a = actions_.value(kindToolbarKey(kind))) a->setChecked(pressed);
}

bool TabMain::saveForQuestion(int kind) { return commands::SaveForClose(this, kind); }
QString TabMain::activityText() const { return panelActivity_->text(); }

void TabMain::showActivityNow(const QString& text) {
    panelActivity_->setText(text);
    panelActivity_->repaint();
}

namespace {

// Swallows the user's input to every window while long work runs on a worker, so no
// command starts and nothing closes meanwhile; painting goes on.
class InputRefused : public QObject {
public:
    InputRefused() { qApp->installEventFilter(this); }
    ~InputRefused() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Close:
            e->ignore();
            return true;
        default:
            return false;
        }
    }
};

} // namespace

bool TabMain::runBusy(const QString& text, const BusyWork& work) {
    if (busyWork_) return false;
    busyWork_ = true;
    setBusy(true);
    showActivityNow(text);
    mbar_->setValue(0);
    mbar_->setVisible(true);
    bool result = false;
    {
        const InputRefused refused;
        QEventLoop loop;
        // Progress and the end reach the window as queued calls; the loop is left only once
        // the worker has ended, so nothing it posts outlives what it points to.
        auto progress = [this](int percent) {
            QMetaObject::invokeMethod(this, [this, percent] { mbar_->setValue(percent); }, Qt::QueuedConnection);
        };
        std::thread worker;
        try {
            worker = std::thread([&] {
                result = work(progress);
                QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
            });
        } catch (const std::system_error&) {
            // No thread to be had: the work runs here, the window waits for it.
            result = work([this](int percent) { mbar_->setValue(percent); });
        }
        if (worker.joinable()) {
            loop.exec();
            worker.join();   // also when the loop was left for the program's end
        }
    }
    mbar_->setVisible(false);
    setBusy(false);
    busyWork_ = false;
    return result;
}

void TabMain::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
QString TabMain::fileText() const { return panelFile_->text(); }
QString TabMain::dateText() const { return panelDate_->text(); }

void TabMain::Toolbar_ButtonClick(const QString& key) {
    // A button shown unavailable ignores clicks.
    if (!toolbarButtonAvailable(key)) return;
    if (const int kind = kindOfKey(key)) {
        showEditor(kind);
        // The button shows pressed while its editor is the active one.
        setKindButtonPressed(kind, state().CurrentKind == kind);
        return;
    }
    const int cur = state().CurrentKind;
    const bool formActive = isKind(cur) && state().KindOpen[cur];
    if (key == QLatin1String("OPEN")) {
        openCommand();
    } else if (key == QLatin1String("annex")) {
        if (formActive) commands::showAttachments(this);
    } else if (key == QLatin1String("PSET")) {
        printerSetup();
    } else if (key == QLatin1String("PRINT")) {
        if (formActive) printCommand();
    } else if (key == QLatin1String("WIN")) {
        CascadeOpenForms();
    } else if (key == QLatin1String("EXIT")) {
        close();
    } else if (key == QLatin1String("HELP")) {
        helpCommand();
    }
}

void TabMain::Toolbar_ButtonMenuClick(const QString& key) {
    if (!toolbarButtonAvailable(QStringLiteral("SAVE"))) return;
    const int cur = state().CurrentKind;
    if (!isKind(cur) || !state().KindOpen[cur]) return;
    if (key == QLatin1String("SAVETXT"))
        commands::SaveText(this);
    else if (key == QLatin1String("SAVEXML"))
        commands::SaveXmlFile(this);
}

EditorWindow* TabMain::editor(int kind) const { return isKind(kind) ? editors_[kind].data() : nullptr; }

EditorWindow* TabMain::showEditor(int kind) {
    if (!isKind(kind)) return nullptr;
    if (EditorWindow* e = editors_[kind]) {
        QMdiSubWindow* sub = e->subWindow();
        sub->showNormal();
        mdi_->setActiveSubWindow(sub);
        sub->setFocus();
        return e;
    }
    auto* e = new EditorWindow(kind);
    editors_[kind] = e;
    QMdiSubWindow* sub = mdi_->addSubWindow(e);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    e->attachSubWindow(sub);
    e->Form_Load();
    sub->show();
    mdi_->setActiveSubWindow(sub);
    return e;
}

void TabMain::onSubWindowActivated(QMdiSubWindow* w) {
    // Qt also reports activations that are no real change (after a modal dialog, or with
    // nullptr while no editor is active); only a change of the active editor counts.
    if (!w) return;
    auto* e = qobject_cast<EditorWindow*>(w->widget());
    if (!e || e->isClosing()) return;
    if (lastActive_ == e && state().CurrentKind == e->kind()) return;
    lastActive_ = e;
    activationLoaded_ = e->Form_Activate();
}

bool TabMain::loadPendingFile(int kind) {
    activationLoaded_ = false;
    EditorWindow* e = showEditor(kind);
    if (!e) return false;
    // Showing a closed editor or switching to an open one has run its activation already;
    // an editor that was active already gets its activation run here.
    if (state().PendingFile.isEmpty()) return activationLoaded_;
    lastActive_ = e;
    activationLoaded_ = e->Form_Activate();
    return activationLoaded_;
}

bool TabMain::settleChanges(int kind) {
    EditorWindow* e = editor(kind);
    if (!e || !state().KindOpen[kind] || !state().KindChanged[kind]) return true;
    showEditor(kind);
    return e->settleChanges();
}

void TabMain::CascadeOpenForms() {
    bool open[8] = {};
    for (int k = 1; k <= kKindCount; ++k) open[k] = state().KindOpen[k] && editors_[k];
    for (const CascadePlacement& p : cascadePlacements(open)) {
        QMdiSubWindow* sub = editors_[p.kind]->subWindow();
        sub->showNormal();
        mdi_->setActiveSubWindow(sub);
        sub->move(twipsToPx(p.topLeftTwips.x()), twipsToPx(p.topLeftTwips.y()));
        editors_[p.kind]->fitIntoWorkArea();
    }
}

void TabMain::openCommand() {
    FileDialogRequest req;
    req.title = QStringLiteral("打开");
    req.fileName = lastOpenPath_;
    req.filters = {QStringLiteral("报盘文本文件(*.txt *.TXT)"), QStringLiteral("带附件的报盘文件(*.xck *.XCK)"),
                   QStringLiteral("交换标准文件(*.xml *.XML)")};
    const FileDialogResult r = dialogs().openFile(req);
    if (!r.accepted || r.path.isEmpty()) return;
    lastOpenPath_ = r.path;
    commands::OpenSubmissionFile(this, r.path);
}

void TabMain::printerSetup() { commands::printerSetup(this); }

void TabMain::printCommand() {
    setActivityText(QStringLiteral("打印输出申请表单..."));
    commands::showPrintDialog(this);
    // The save button follows the kind's unsaved changes, so they can still be saved;
    // the cascade button shows unavailable until the editor's next activation or edit.
    const int cur = state().CurrentKind;
    SetToolbarButtonState(QStringLiteral("SAVE"), isKind(cur) && state().KindChanged[cur]);
    SetToolbarButtonState(QStringLiteral("WIN"), false);
    setActivityText(QStringLiteral("待命..."));
}

void TabMain::helpCommand() {
    const QString path = state().HelpFilePath;
    if (!QFileInfo(path).isFile()) {
        dialogs().info(QStringLiteral("帮助文件不存在：") + path);
        return;
    }
    // Without a program for the file the desktop says so here instead of doing nothing.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        dialogs().info(QStringLiteral("无法打开帮助文件：") + path);
}

void TabMain::closeEvent(QCloseEvent* ev) {
    if (busyWork_) {
        ev->ignore();
        return;
    }
    // Every editor closes first, each with its own save question; only then is the work
    // area removed, so a save made while closing still finds the attachment lists.
    for (int k = 1; k <= kKindCount; ++k) {
        if (EditorWindow* e = editors_[k]) {
            if (!e->subWindow()->close()) {
                ev->ignore();
                return;
            }
        }
    }
    for (int k = 1; k <= kKindCount; ++k) {
        if (editors_[k] && state().KindOpen[k]) {
            ev->ignore();
            return;
        }
    }
    if (workArea_) {
        workArea_->remove();  // a failed removal is ignored
        workArea_.reset();
    }
    ev->accept();
}

void TabMain::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (isMinimized()) return;
    mbar_->setFixedWidth(twipsToPx(progressBarWidth(width() * 15)));
}

} // namespace mf
