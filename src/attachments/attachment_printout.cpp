#include "attachments/attachment_printout.h"

#include "attachments/attachment_list.h"
#include "attachments/list_document.h"
#include "core/app_state.h"
#include "platform/dialogs.h"
#include "platform/fs.h"
#include "platform/print_target.h"
#include "platform/text_layout.h"
#include "platform/vb.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <cmath>

namespace mf {

namespace {

int cmToTwips(double cm) { return int(std::nearbyint(float(cm) * 1440.0f / 2.54f)); }

// A computed position in whole twips, halves to the even neighbour.
int tw(double x) { return int(std::nearbyint(x)); }

} // namespace

QString attachmentListTitle(int kind) {
    static const char* const titles[] = {"材料清单", "采矿权新立申请材料清单", "采矿权变更申请材料清单",
                                         "采矿权延续申请材料清单", "采矿权注销申请材料清单",
                                         "采矿权范围申请材料清单", "采矿权转让申请材料清单",
                                         "采矿权年检申请材料清单"};
    return QString::fromUtf8(titles[isKind(kind) ? kind : 0]);
}

int fillInDateIndex(int kind) { return kind == 1 || kind == 5 || kind == 7 ? 3 : 4; }

QString listDateText(const QString& typed) {
    if (!vb::isDate(typed)) return QString();
    static const QRegularExpression ymd(QStringLiteral("^\\s*(\\d{4})\\s*[-/.年]\\s*(\\d{1,2})\\s*[-/.月]\\s*(\\d{1,2})"));
    const QRegularExpressionMatch m = ymd.match(typed);
    if (!m.hasMatch()) return QString();
    return QStringLiteral("%1年%2月%3日").arg(m.captured(1).toInt()).arg(m.captured(2).toInt()).arg(m.captured(3).toInt());
}

bool FillAttachmentList(QStringList* titles) {
    titles->clear();
    const int kind = state().CurrentKind;
    if (!fs::fileExists(workListPath(kind))) EnsureWorkXml();
    ListDocument doc;
    if (!doc.load(workListPath(kind))) {
        dialogs().message(QStringLiteral("岩契录件"), QStringLiteral("XML文件不存在"), MsgIcon::None);
        return false;
    }
    for (const pugi::xpath_node& m : doc.materials()) {
        if (vb::val(nodeText(m.node(), ".//dzjs")) <= 0) continue;
        for (const pugi::xpath_node& f : fileEntries(m.node()))
            if (!nodeText(f.node(), ".//fileUrl").isEmpty()) titles->append(nodeText(f.node(), ".//fileTitle"));
    }
    return true;
}

int attachmentListPages(int rows) { return rows <= 0 ? 1 : (rows + kListRowsPerPage - 1) / kListRowsPerPage; }

bool attachmentListPageFits(double widthTw, double heightTw) {
    return widthTw >= 1440.0 / 25.4 * 209 && heightTw >= 1440.0 / 25.4 * 296;
}

namespace {

// The fonts that stand in for 宋体 have no bold face, and a PDF shows the weight the
// printer makes up for one as a faint double print. The title's glyphs are therefore also
// outlined, so that it prints bold on any printer; the text itself stays text.
void emboldenTitle(QPainter& p, PrintTarget& t, int left, int top, int right, const QStringList& lines) {
    QFont font(t.fontName());
    font.setPixelSize(std::max(1, int(std::lround(t.fontSize() * 20))));
    font.setBold(true);
    const QFontMetricsF fm(font);
    const double step = t.textHeight(QStringLiteral("字"));
    QPainterPath outline;
    for (int i = 0; i < lines.size(); ++i) {
        const int x = int(std::nearbyint(left + (right - left - t.textWidth(lines[i])) / 2));
        outline.addText(QPointF(x, int(std::nearbyint(top + i * step)) + fm.ascent()), font, lines[i]);
    }
    // A stroke of a thirtieth of the size thickens every stroke of the glyphs alike.
    p.strokePath(outline, QPen(Qt::black, t.fontSize() * 20 / 30, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

} // namespace

void paintAttachmentListPage(QPainter& p, const AttachmentListPrint& list, int page) {
    const int L = cmToTwips(2.0), T = cmToTwips(4.1), R = cmToTwips(18.2), B = cmToTwips(26.5);
    const int h = int(std::nearbyint((B - T) * 0.025));
    const int n = int(list.titles.size());
    const int pages = attachmentListPages(n);
    const QString label1 = QStringLiteral("项目名称："), label2 = QStringLiteral("申 请 人："),
                  label3 = QStringLiteral("申请日期：");
    p.save();
    PainterTarget t(p, R, B);
    const QString song = QStringLiteral("宋体");
    // A text that would run past its cell shrinks, then wraps or is cut with "…", inside it.
    auto cell = [&](int x, int y, int right, int bottom, const QString& s, bool centre = false) {
        const QStringList lines = fitCell(t, s, right - x, bottom - y, kMinCellFontSize);
        const double step = t.textHeight(QStringLiteral("字"));
        for (int i = 0; i < lines.size(); ++i)
            t.drawText(centre ? tw(x + (right - x - t.textWidth(lines[i])) / 2) : x, tw(y + i * step), lines[i]);
        return lines;
    };

    t.setFont(song, 14, true);
    const int y3 = cmToTwips(3.0), y35 = cmToTwips(3.5);
    const QStringList titleLines = cell(L, cmToTwips(1.5), R, y3, list.title, true);
    emboldenTitle(p, t, L, cmToTwips(1.5), R, titleLines);

    // A caption is printed bold and measured in the regular weight.
    t.setFont(song, 9, true);
    t.drawText(L, y3, label1);
    t.setFont(song, 9, false);
    cell(tw(L + t.textWidth(label1)), y3, R, y35, list.project);
    t.setFont(song, 9, true);
    t.drawText(L, y35, label2);
    // The date is centred by its width in bold, the weight set when it is measured.
    const int x3 = tw(((R - L) - t.textWidth(list.date)) / 2 + L + 1000);
    t.setFont(song, 9, false);
    cell(tw(L + t.textWidth(label2)), y35, x3 - 100, T, list.applicant);
    t.setFont(song, 9, true);
    t.drawText(x3, y35, label3);
    t.setFont(song, 9, false);
    t.drawText(tw(x3 + t.textWidth(label3)), y35, list.date);

    // Rules of half a point, as on the paper form.
    p.setPen(QPen(Qt::black, 10));
    p.drawLine(L, T, L, B);
    p.drawLine(L, T, R, T);
    p.drawLine(L, B, R, B);
    p.drawLine(R, T, R, B);
    p.drawLine(L + 1000, T, L + 1000, B);
    for (int i = 1; i <= kListRowsPerPage; ++i) p.drawLine(L, T + i * h, R, T + i * h);

    t.setFont(song, 9, true);
    t.drawText(L + cmToTwips(0.5), T + cmToTwips(0.15), QStringLiteral("序号"));
    t.drawText(L + cmToTwips(0.5) + (R - L - 1000) / 2, T + cmToTwips(0.15), QStringLiteral("附件标题"));

    int k = (page - 1) * kListRowsPerPage;
    const int x0 = L + cmToTwips(0.25);
    int y = T + cmToTwips(0.75);
    for (int row = 0; row < kListRowsPerPage && k < n; ++row, ++k, y += h) {
        // The row's cell ends at the next rule below the text.
        const int bottom = T + (row + 2) * h - 10;
        t.setFont(song, 9, false);
        cell(x0 + cmToTwips(0.25), y, L + 1000 - 20, bottom, QString::number(k + 1));
        t.setFont(song, 9, false);
        cell(x0 + 1000, y, R - 60, bottom, list.titles.at(k));
    }

    t.setFont(song, 9, false);
    const QString footer = QStringLiteral("共 %1 页  第 %2 页").arg(pages).arg(page);
    const double footerWidth = t.textWidth(QStringLiteral("共   页  第   页"));
    t.drawText(tw(((R - L) - footerWidth) / 2 + L), B + cmToTwips(0.9), footer);
    p.restore();
}

bool printAttachmentList(QPagedPaintDevice& device, const AttachmentListPrint& list, bool jobPerPage) {
    const int pages = attachmentListPages(int(list.titles.size()));
    QPainter painter;
    auto begin = [&] {
        if (!painter.begin(&device)) return false;
        // Twips from the top left of the paint area.
        painter.scale(device.logicalDpiX() / 1440.0, device.logicalDpiY() / 1440.0);
        return true;
    };
    if (!begin()) return false;
    for (int p = 1; p <= pages; ++p) {
        paintAttachmentListPage(painter, list, p);
        if (p == pages) break;
        if (jobPerPage) {
            painter.end();
            if (!begin()) return false;
        } else if (!device.newPage()) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

} // namespace mf
