// Starts the program, opens the application form of kind 1 with two documents attached,
// and saves pictures of the attachment manager and of the list view, plus the list's
// printout as a PDF, for checking them by eye:
//   attach_snapshot <manager.png> <view.png> <list.pdf>
#include "attachments/attachment_list.h"
#include "attachments/attachment_printout.h"
#include "attachments/ui/frm_browse_fj.h"
#include "attachments/ui/frm_fjgl.h"
#include "core/app_state.h"
#include "core/ui/main_window.h"
#include "core/ui/startup.h"
#include "forms/ui/editor_window.h"
#include "platform/dialogs.h"
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_setup.h"

#include "tool_app.h"

#include <QApplication>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: attach_snapshot <manager.png> <view.png> <list.pdf>\n");
        return 2;
    }
    mf::QtDialogs dialogs;
    auto main = startProgramForTool(app, dialogs);
    if (!main) return 1;
    mf::EditorWindow* e = main->showEditor(1);
    if (!e) return 1;
    e->setText(mf::ControlArray::ChTXT, 0, QStringLiteral("华北矿业有限公司"));
    e->setText(mf::ControlArray::ChTXT, 1, QStringLiteral("青石沟铁矿"));
    e->setText(mf::ControlArray::ChTXT, 3, QStringLiteral("2024-1-5"));

    QTemporaryDir docs;
    const QString doc = docs.filePath(QStringLiteral("营业执照扫描件.jpg"));
    QFile f(doc);
    f.open(QIODevice::WriteOnly);
    f.write("JPEG");
    f.close();
    QList<mf::AttachmentMaterial> materials;
    mf::loadMaterials(&materials);
    if (materials.size() > 1) {
        mf::SetFileUrl(materials[0].fjid, QStringLiteral("1"), doc);
        mf::RecountElectronicFiles(materials[0].fjid);
        mf::SetFileUrl(materials[2].fjid, QStringLiteral("1"), doc);
        mf::RecountElectronicFiles(materials[2].fjid);
    }

    mf::FrmFjgl manager(e, main.get());
    manager.show();
    manager.selectMaterial(1);
    mf::frmBrowseFJ view(e, main.get());
    view.show();
    QTimer::singleShot(400, [&] {
        manager.grab().save(QString::fromLocal8Bit(argv[1]));
        view.grab().save(QString::fromLocal8Bit(argv[2]));
        QPdfWriter pdf(QString::fromLocal8Bit(argv[3]));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        mf::printAttachmentList(pdf, view.printout(), false);
        for (int k = 1; k <= mf::kKindCount; ++k) mf::state().KindChanged[k] = false;
        manager.close();
        view.close();
        main->close();
        app.quit();
    });
    const int rc = app.exec();
    mf::setDialogs(nullptr);
    return rc;
}
