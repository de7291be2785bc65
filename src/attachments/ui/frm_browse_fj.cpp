#include "attachments/ui/frm_browse_fj.h"

#include "attachments/attachment_printout.h"
#include "core/app_state.h"
#include "core/form_access.h"
#include "platform/dialogs.h"
#include "platform/pdf_file.h"
#include "platform/ui/printer_setup.h"
#include "platform/ui/program_printer.h"

#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QTableWidget>

namespace mf {

namespace {
constexpr int kNumberColumnPx = 1000 / 15;
}

frmBrowseFJ::frmBrowseFJ(FormAccess* form, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("申请材料浏览"));
    setObjectName(QStringLiteral("frmBrowseFJ"));
    setModal(true);
    resize(640, 600);

    Pic1 = new QWidget(this);
    Pic1->setObjectName(QStringLiteral("Pic1"));
    lblTName = new QLabel(QStringLiteral("材料清单"), Pic1);
    QFont titleFont = lblTName->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    lblTName->setFont(titleFont);
    lblTName->setAlignment(Qt::AlignCenter);
    Label1 = new QLabel(QStringLiteral("项目名称："), Pic1);
    lblPName = new QLabel(Pic1);
    Label2 = new QLabel(QStringLiteral("申 请 人："), Pic1);
    lblNName = new QLabel(Pic1);
    Label3 = new QLabel(QStringLiteral("申请日期："), Pic1);
    lblDName = new QLabel(Pic1);

    MSFlexGrid2 = new QTableWidget(0, 2, Pic1);
    MSFlexGrid2->setObjectName(QStringLiteral("MSFlexGrid2"));
    MSFlexGrid2->verticalHeader()->hide();
    MSFlexGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid1 = new QTableWidget(0, 2, Pic1);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->horizontalHeader()->hide();
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    cmdPrint = new QPushButton(QStringLiteral("打印"), this);
    cmdExit = new QPushButton(QStringLiteral("关闭"), this);
    Command1 = new QPushButton(QStringLiteral("设置"), Pic1);
    for (QPushButton* b : {cmdPrint, cmdExit, Command1}) b->setAutoDefault(false);
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::close);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    // Load: the labels from the current editor form, then the list.
    const int kind = state().CurrentKind;
    lblTName->setText(attachmentListTitle(kind));
    ListedFileCount = 0;
    if (form) {
        lblDName->setText(listDateText(form->text(ControlArray::ChTXT, fillInDateIndex(kind))));
        lblPName->setText(form->text(ControlArray::ChTXT, 1));
        lblNName->setText(form->text(ControlArray::ChTXT, 0));
    }
    FillAttachmentList();
}

void frmBrowseFJ::FillAttachmentList() {
    QStringList titles;
    mf::FillAttachmentList(&titles);
    for (const QString& title : titles) {
        MSFlexGrid1->setRowCount(++ListedFileCount);
        auto* number = new QTableWidgetItem(QString::number(ListedFileCount));
        number->setTextAlignment(Qt::AlignCenter);
        MSFlexGrid1->setItem(ListedFileCount - 1, 0, number);
        MSFlexGrid1->setItem(ListedFileCount - 1, 1, new QTableWidgetItem(title));
    }
}

void frmBrowseFJ::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    const int w = width();
    Pic1->setGeometry(0, 0, w, height() - 48);
    lblTName->setGeometry(8, 8, w - 16, 32);
    Label1->setGeometry(16, 48, 72, 22);
    lblPName->setGeometry(88, 48, w - 104, 22);
    Label2->setGeometry(16, 74, 72, 22);
    lblNName->setGeometry(88, 74, w / 2 - 96, 22);
    Label3->setGeometry(w / 2 + 8, 74, 72, 22);
    lblDName->setGeometry(w / 2 + 80, 74, w / 2 - 96, 22);
    Command1->setGeometry(w - 88, 44, 72, 26);

    const int gridW = w - 32;
    MSFlexGrid2->setGeometry(16, 104, gridW, MSFlexGrid2->horizontalHeader()->height() + 2);
    // The list lies under the heading strip, 20 twips up.
    const int top = MSFlexGrid2->y() + MSFlexGrid2->height() - 20 / 15;
    MSFlexGrid1->setGeometry(16, top, gridW, Pic1->height() - top - 8);
    MSFlexGrid2->setHorizontalHeaderLabels({QStringLiteral("序号"), QStringLiteral("附件标题")});
    MSFlexGrid2->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    for (QTableWidget* g : {MSFlexGrid2, MSFlexGrid1}) {
        g->setColumnWidth(0, kNumberColumnPx);
        g->setColumnWidth(1, gridW - kNumberColumnPx - 4);
    }
    cmdPrint->setGeometry(w - 200, height() - 40, 88, 32);
    cmdExit->setGeometry(w - 104, height() - 40, 88, 32);
}

AttachmentListPrint frmBrowseFJ::printout() const {
    AttachmentListPrint p;
    p.title = lblTName->text();
    p.project = lblPName->text();
    p.applicant = lblNName->text();
    p.date = lblDName->text();
    for (int r = 0; r < MSFlexGrid1->rowCount(); ++r) {
        const QTableWidgetItem* it = MSFlexGrid1->item(r, 1);
        p.titles << (it ? it->text() : QString());
    }
    return p;
}

void frmBrowseFJ::cmdPrint_Click() {
    QPrinter& printer = programPrinter();
    const QRectF page = printer.pageLayout().fullRect(QPageLayout::Point);
    if (!attachmentListPageFits(page.width() * 20, page.height() * 20)) {
        dialogs().message(QStringLiteral("错误"), QStringLiteral("打印机页面设置不正确(应设置为A4[纵向]大小)..."),
                          MsgIcon::Exclamation);
        return;
    }
    // A printer of this run's own. The PDF printer asks for its file once and takes all
    // pages in one document, put in place only when complete; a real printer gets one job
    // per page.
    const std::unique_ptr<QPrinter> run = runPrinter(printer);
    const bool pdf = run->outputFormat() == QPrinter::PdfFormat;
    std::unique_ptr<PdfFile> file;
    if (pdf) {
        // The list's title and the project, as the form's printout is named.
        const QString path = askPdfPath(pdfFileName(lblTName->text(), lblPName->text()));
        if (path.isEmpty()) return;
        file = std::make_unique<PdfFile>(path);
        if (!file->open()) {
            dialogs().error(file->message());
            return;
        }
        run->setOutputFileName(file->temporaryPath());
    }
    if (!printAttachmentList(*run, printout(), !pdf)) {
        dialogs().message(QStringLiteral("提示"), QStringLiteral("打印错误，请检查打印机安装是否正确！"),
                          MsgIcon::Exclamation);
        return;
    }
    if (file && !file->commit()) dialogs().error(file->message());
}

void frmBrowseFJ::Command1_Click() {
    // The printer choice, as in the main window's printer set-up.
    showPrinterSetup(this);
}

} // namespace mf
