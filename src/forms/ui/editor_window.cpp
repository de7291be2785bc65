#include "forms/ui/editor_window.h"

#include "core/app_state.h"
#include "core/main_window_rules.h"
#include "core/shell.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <QLabel>

namespace mf {

namespace {
const char* const kCaptions[] = {"",
                                 "采矿权新立申请表",
                                 "采矿权变更申请表",
                                 "采矿权延续申请表",
                                 "采矿权注销申请表",
                                 "划定矿区范围表",
                                 "采矿权转让申请表",
                                 "矿产资源开发利用年度报告书"};
}

EditorWindow::EditorWindow(int kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setObjectName(kindFormName(kind));
    setWindowTitle(caption());
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(new QLabel(caption(), this));
    resize(505, 545);
}

EditorWindow::~EditorWindow() = default;

QString EditorWindow::caption() const { return QString::fromUtf8(kCaptions[isKind(kind_) ? kind_ : 0]); }

void EditorWindow::attachSubWindow(QMdiSubWindow* sub) {
    sub_ = sub;
    sub->setWindowTitle(caption());
    sub->installEventFilter(this);
}

void EditorWindow::Form_Load() {
    AppState& st = state();
    setProperty("HelpContextID", 0);
    st.KindOpen[kind_] = true;
    const int n = CountOtherOpenForms();
    st.CurrentKind = kind_;
    st.KindChanged[kind_] = false;
    shell().SetToolbarButtonState(QStringLiteral("SAVE"), false);
    shell().SetToolbarButtonState(QStringLiteral("annex"), true);
    shell().SetToolbarButtonState(QStringLiteral("PRINT"), true);
    shell().SetToolbarButtonState(QStringLiteral("WIN"), true);
    if (sub_) {
        const QPoint off = editorOpeningOffset(n);
        sub_->move(off.x() / 15, off.y() / 15);
    }
}

void EditorWindow::Form_Activate() {
    AppState& st = state();
    st.CurrentKind = kind_;
    shell().SetToolbarButtonState(QStringLiteral("SAVE"), st.KindChanged[kind_]);
    shell().setFileText(st.KindFilePath[kind_]);
    shell().SetToolbarButtonState(QStringLiteral("annex"), true);
}

bool EditorWindow::Form_Unload() {
    AppState& st = state();
    st.CurrentKind = kind_;
    st.KindFilePath[kind_].clear();
    st.KindOpen[kind_] = false;
    bool other = false;
    for (int k = 1; k <= kKindCount; ++k)
        if (k != kind_ && st.KindOpen[k]) other = true;
    if (!other) {
        st.CurrentKind = 0;
        shell().setActivityText(QStringLiteral("待命..."));
        shell().setFileText(QString());
        shell().SetToolbarButtonState(QStringLiteral("SAVE"), false);
        shell().SetToolbarButtonState(QStringLiteral("PRINT"), false);
        shell().SetToolbarButtonState(QStringLiteral("WIN"), false);
        shell().SetToolbarButtonState(QStringLiteral("annex"), false);
    }
    return true;
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sub_ && event->type() == QEvent::Close) {
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
