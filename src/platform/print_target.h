#pragma once
// What the printouts draw on: a page addressed in twips with the printer's own operations
// (font, text measurement, text at a position, lines, end of the document). One
// implementation prints on a paged paint device (a printer or a PDF writer), one paints on
// a QPainter already set up in twips (a page on the screen), and one records the calls for
// tests.
#include <QFontMetricsF>
#include <QList>
#include <QPainter>
#include <QString>
#include <optional>
#include <stdexcept>

class QPagedPaintDevice;

namespace mf {

// A failure of the printer itself (it cannot start a page); it ends the print run.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file of a printout (a PDF) could not be written; message() says which and why.
class PrintFileError : public PrintError {
public:
    explicit PrintFileError(const QString& message)
        : PrintError(message.toStdString()), message_(message) {}
    QString message() const { return message_; }

private:
    QString message_;
};

// The user cancelled the print run (the file of a PDF printout was not chosen).
class PrintCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "print run cancelled"; }
};

// The drawing width of a one-point line.
constexpr int kOnePointDrawWidth = 8;

// Centimetres to twips, rounded halves to even.
int CmToTwips(float cm);

class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    // The full page, in twips.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    virtual void setFont(const QString& name, double size, bool bold) = 0;
    void setFontSize(double size) { setFont(fontName(), size, fontBold()); }
    void setFontBold(bool bold) { setFont(fontName(), fontSize(), bold); }
    QString fontName() const { return fontName_; }
    double fontSize() const { return fontSize_; }
    bool fontBold() const { return fontBold_; }

    // Extent of a text in the current font, in twips.
    virtual double textWidth(const QString& s) = 0;
    virtual double textHeight(const QString& s) = 0;

    // Prints s with the top left of its cell at (x, y). An empty text only opens the page.
    virtual void drawText(int x, int y, const QString& s) = 0;
    // A line in the current colour and drawing width.
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    // Drawing width in printer pixels of a 600 dpi printer; a printer draws no line thinner
    // than half a point.
    int drawWidth() const { return drawWidth_; }
    virtual void setDrawWidth(int w) { drawWidth_ = w; }

    // Ends the page as a document of its own (a print job).
    virtual void endDoc() = 0;
    // Ends the print run: the last document is finished and, for a file, complete on disk.
    // Throws PrintError (PrintFileError for a file) when it is not.
    virtual void endRun() {}
    // True once something reached a page: a run that printed nothing made no document.
    virtual bool printedAny() const { return true; }

protected:
    QString fontName_ = QStringLiteral("宋体");
    double fontSize_ = 9;
    bool fontBold_ = false;
    int drawWidth_ = 1;
};

// Prints on a printer or PDF writer. Coordinates are twips from the top left of the
// device's paint area; device units out. With jobPerPage each endDoc() ends the painter,
// which sends the page to the printer as a job of its own; otherwise the pages of the
// whole run are gathered into one document, one page per endDoc() (a PDF file).
class PagedDeviceTarget : public PrintTarget {
public:
    PagedDeviceTarget(QPagedPaintDevice* device, bool jobPerPage);
    ~PagedDeviceTarget() override;

    int pageWidth() const override;
    int pageHeight() const override;
    void setFont(const QString& name, double size, bool bold) override;
    double textWidth(const QString& s) override;
    double textHeight(const QString& s) override;
    void drawText(int x, int y, const QString& s) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void endDoc() override;
    // Ends the last document; throws PrintError when the device could not finish it.
    void endRun() override;
    // Ends the last document; the target can print again afterwards.
    void finish();
    // Pages started so far.
    int pagesStarted() const { return pages_; }
    bool printedAny() const override { return pages_ > 0; }

private:
    void openPage();
    double dev(int twips) const;
    QFont deviceFont() const;
    // Metrics of the current font on the device, made once per font.
    const QFontMetricsF& metrics();

    QPagedPaintDevice* device_;
    bool jobPerPage_;
    QPainter painter_;
    bool pageOpen_ = false;
    bool pageEnded_ = false;
    int pages_ = 0;
    std::optional<QFontMetricsF> metrics_;
};

// Paints on a QPainter whose coordinates are twips (an editor page being painted). The
// page size is given; endDoc() does nothing.
class PainterTarget : public PrintTarget {
public:
    PainterTarget(QPainter& painter, int pageWidth, int pageHeight, QColor colour = Qt::black);
    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    void setFont(const QString& name, double size, bool bold) override;
    double textWidth(const QString& s) override;
    double textHeight(const QString& s) override;
    void drawText(int x, int y, const QString& s) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void endDoc() override {}

private:
    QFont font() const;
    QPainter& painter_;
    int width_, height_;
    QColor colour_;
};

// Records every call, with fixed metrics: a character from U+2E80 on is size × 20 twips
// wide, any other size × 10; every text is size × 23 high.
class RecordingTarget : public PrintTarget {
public:
    enum class Op { Text, Line, EndDoc };
    struct Call {
        Op op = Op::Text;
        int x = 0, y = 0, x2 = 0, y2 = 0;
        QString text;
        QString font;
        double size = 0;
        bool bold = false;
        int drawWidth = 0;
    };

    explicit RecordingTarget(int pageWidth = 11906, int pageHeight = 16838)
        : width_(pageWidth), height_(pageHeight) {}

    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    void setPageSize(int w, int h) { width_ = w, height_ = h; }
    void setFont(const QString& name, double size, bool bold) override;
    double textWidth(const QString& s) override;
    double textHeight(const QString& s) override;
    void drawText(int x, int y, const QString& s) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void endDoc() override;
    bool printedAny() const override;

    const QList<Call>& calls() const { return calls_; }
    // Texts printed (empty texts left out), lines drawn and documents ended.
    QList<Call> texts() const;
    QList<Call> lines() const;
    int jobs() const;
    // The calls of one document (0-based), its end left out.
    QList<Call> job(int index) const;
    // The first printed text equal to s; an empty call with op EndDoc when there is none.
    Call findText(const QString& s) const;
    void clear() { calls_.clear(); }

private:
    Call make(Op op) const;
    int width_, height_;
    QList<Call> calls_;
};

} // namespace mf
