#pragma once
// The printer as the print-outs use it: positions in twips (1/1440 inch)
// from the top-left corner of the printable page, a current print position,
// and text printed at tab columns of the current font.
//
// Usage (one list line "place, name, games" with right-aligned numbers):
//     using platform::Tab;
//     auto& P = platform::printer();
//     P.setOrientation(platform::OrientationLandscape);
//     P.setFontName("Times New Roman");
//     P.setFontSize(12);
//     P.Print({Tab(9 - d1), place, Tab(13), name, Tab(57 - d2), games});  // ends the line
//     P.Print({Tab(5), name}, platform::NoLineEnd);  // like a trailing ';'
//     P.Print();                                        // an empty line
//     P.Line(600, 2400, 11000, 2400);                   // a rule
//     P.PrintUpwards(3400, 2060, name);                 // a column head, reading up from y 2060
//     P.Line(1700, 675, 2100, 950, platform::vbColor(0xFF00), platform::LineShape::FilledBox);
//     P.NewPage();  ...  P.EndDoc();
// Every operation may throw platform::PrintError (see printerror.h); print
// routines run inside print::RunPrint which handles it.
//
// Tab(n): column n starts n-1 average character widths of the current font
// from the left edge (x 0). When the print position already lies right of
// that column, the text goes to column n of the next line.
// Print(...) without NoLineEnd ends the line: x back to 0, y one line
// (TextHeight of the current font) down. Text is drawn with its top at
// CurrentY. Printing below the page bottom starts a new page by itself.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QSizeF>
#include <QList>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <memory>

class QPrinter;

namespace platform {

constexpr int OrientationPortrait = 1;
constexpr int OrientationLandscape = 2;

// Classic colour number (&HBBGGRR) as a QColor: vbColor(0xFF) is red.
QColor vbColor(quint32 bgr);

struct Tab {
    explicit Tab(int c) : column(c) {}
    int column;
};
struct Spc {
    explicit Spc(int n) : count(n) {}
    int count;
};

// One element of a Print statement: a text, a Tab(n) or a Spc(n).
class PrintItem {
public:
    enum Kind { Text, TabItem, SpcItem };
    PrintItem(const QString& s) : m_kind(Text), m_text(s) {}
    PrintItem(const char* s) : m_kind(Text), m_text(QString::fromUtf8(s)) {}
    PrintItem(Tab t) : m_kind(TabItem), m_n(t.column) {}
    PrintItem(Spc s) : m_kind(SpcItem), m_n(s.count) {}
    // `shown` standing in for `whole`, a text too wide for its place; in `size` points (0: the current
    // font's), its baseline on the line's.
    static PrintItem Shortened(const QString& shown, const QString& whole, double size = 0);
    Kind kind() const { return m_kind; }
    const QString& text() const { return m_text; }
    const QString& whole() const { return m_whole.isNull() ? m_text : m_whole; }
    double size() const { return m_size; }
    int n() const { return m_n; }

private:
    Kind m_kind;
    QString m_text;
    QString m_whole;
    double m_size = 0;
    int m_n = 0;
};

enum LineEnd { EndLine, NoLineEnd };
enum class LineShape { Line, Box, FilledBox };

class Printer {
public:
    virtual ~Printer() = default;

    // --- print position (twips) ---
    double CurrentX() const { return m_x; }
    double CurrentY() const { return m_y; }
    // Moving the print position starts a new row (see PrintOp::row).
    void setCurrentX(double x) { m_x = x; ++m_row; }
    void setCurrentY(double y) { m_y = y; ++m_row; }

    // --- page ---
    int Orientation() const { return m_orientation; }
    void setOrientation(int orientation);  // 1 portrait, 2 landscape
    double ScaleWidth() const;              // printable width in twips
    double ScaleHeight() const;             // printable height in twips
    int Page() const { return m_page; }

    // --- font ---
    QString FontName() const { return m_fontName; }
    double FontSize() const { return m_fontSize; }
    bool FontBold() const { return m_bold; }
    bool FontItalic() const { return m_italic; }
    bool FontUnderline() const { return m_underline; }
    void setFontName(const QString& name) { m_fontName = name; }
    void setFontSize(double points) { m_fontSize = points; }
    void setFontBold(bool on) { m_bold = on; }
    void setFontItalic(bool on) { m_italic = on; }
    void setFontUnderline(bool on) { m_underline = on; }

    // --- colours and lines ---
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor& c) { m_foreColor = c; }
    QColor FillColor() const { return m_fillColor; }
    void setFillColor(const QColor& c) { m_fillColor = c; }
    int FillStyle() const { return m_fillStyle; }   // 0 solid, 1 transparent (default)
    void setFillStyle(int style) { m_fillStyle = style; }
    int DrawWidth() const { return m_drawWidth; }   // line width in pixels
    void setDrawWidth(int w) { m_drawWidth = w < 1 ? 1 : w; }

    // --- metrics of the current font, in twips ---
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text = QStringLiteral("Ag")) const;
    double TextAscent() const;   // from a text's top to its baseline
    double AverageCharWidth() const;
    double TabX(int column) const { return (column - 1) * AverageCharWidth(); }

    // --- output ---
    void Print(std::initializer_list<PrintItem> items = {}, LineEnd end = EndLine);
    void Print(const QList<PrintItem>& items, LineEnd end = EndLine);
    // Line (x1,y1)-(x2,y2)[, colour][, B | BF]; an invalid colour means ForeColor.
    // Leaves the print position at (x2, y2).
    void Line(double x1, double y1, double x2, double y2, const QColor& color = QColor(),
              LineShape shape = LineShape::Line);
    // Writes the text upwards (turned a quarter to the left) in the current
    // font, as a banner writes its caption: its lines' box stands right of x,
    // its first letter at y, and it reads up from there. Its own row; the
    // print position stays.
    void PrintUpwards(double x, double y, const QString& text);
    // Draws the picture with its top-left corner at (x, y), w x h twips;
    // w or h <= 0 means the picture's own size (15 twips a pixel).
    void PaintPicture(const QImage& picture, double x, double y, double w = 0, double h = 0);
    void NewPage();
    void EndDoc();    // sends the document; the next output starts a new one at page 1
    void KillDoc();   // abandons the document; never throws
    bool DocumentOpen() const { return m_docOpen; }

protected:
    struct FontState {
        QString name;
        double size;
        bool bold, italic, underline;
    };
    FontState font() const { return {m_fontName, m_fontSize, m_bold, m_italic, m_underline}; }
    int row() const { return m_row; }
    // While a text is handed to backendText: the text it stands for (see PrintItem::Shortened).
    const QString& wholeText() const { return m_whole; }

    // Measuring with the font itself: the font, and the classic average character width in pixels of fm.
    static QFont qfont(const FontState& f);
    static double averageCharWidth(const QFontMetricsF& fm);

    // Back-end hooks.
    virtual double backendAverageCharWidth(const FontState& f) const = 0;
    virtual double backendTextWidth(const FontState& f, const QString& text) const = 0;
    virtual double backendTextHeight(const FontState& f) const = 0;
    virtual double backendTextAscent(const FontState& f) const = 0;
    virtual QSizeF backendPageSize(int orientation) const = 0;  // printable twips
    virtual void backendBeginDoc() = 0;                       // may throw PrintError
    virtual void backendText(double x, double y, const QString& text) = 0;
    virtual void backendTextUpwards(double x, double y, const QString& text) = 0;
    virtual void backendLine(double x1, double y1, double x2, double y2, const QColor& c, LineShape s) = 0;
    virtual void backendPicture(const QImage& img, double x, double y, double w, double h) = 0;
    virtual void backendNewPage() = 0;
    virtual void backendEndDoc() = 0;
    virtual void backendKillDoc() = 0;

private:
    void ensureDoc();
    void lineFeed();
    void printText(const PrintItem& item);

    double m_x = 0, m_y = 0;
    int m_orientation = OrientationPortrait;
    int m_page = 1;
    int m_row = 0;
    bool m_docOpen = false;
    QString m_fontName = QStringLiteral("Times New Roman");
    double m_fontSize = 10;
    bool m_bold = false, m_italic = false, m_underline = false;
    QColor m_foreColor = Qt::black;
    QColor m_fillColor = Qt::black;
    int m_fillStyle = 1;
    int m_drawWidth = 1;
    QString m_whole;
};

// One recorded operation of the RecordingPrinter.
struct PrintOp {
    enum Kind { Text, Line, Box, FilledBox, Picture, NewPage, EndDoc, KillDoc };
    Kind kind = Text;
    int page = 1;            // page the operation landed on
    double x = 0, y = 0;     // text: top-left; line/box: first corner; picture: top-left
    double x2 = 0, y2 = 0;   // line/box: second corner; text: x + width, y + the font's ascent + descent
                             // (with fontMetrics; else its line height); picture: x + w, y + h
    QString text;
    QString whole;           // text: the text it stands for, where it was shortened; else the text itself
    double baseline = 0;     // text: y + the font's ascent
    QString fontName;
    double fontSize = 0;
    bool bold = false, italic = false, underline = false;
    QColor color;            // text: ForeColor; line/box: its colour
    QColor fillColor;        // Box with FillStyle 0: the fill, else invalid
    int drawWidth = 1;
    // Text: 0 along the line; 90 written upwards, its box (x, y)-(x2, y2) the room it takes on the page
    // (x2 - x its ascent and descent, y2 - y its width), its first letter at the foot (y2).
    int angle = 0;
    QSize imageSize;         // Picture: size in pixels of the image drawn
    int orientation = OrientationPortrait;
    // Texts of one row: printed between two line ends, moves of the print position or pages. A Tab
    // that sends the rest of a line one line down does not start a new row.
    int row = 0;
};

// Back-end for tests: records every operation; deterministic metrics:
// average character width = 10 twips per point (11 when bold), text width =
// characters x average width, text height = 23 twips per point, ascent 18; the
// printable page is `portraitPage` in portrait, swapped in landscape.
// With fontMetrics on, widths and heights are those of the fonts themselves,
// measured as the system printer measures them.
class RecordingPrinter final : public Printer {
public:
    QList<PrintOp> ops;
    QSizeF portraitPage{11338, 16271};   // A4 with narrow margins
    bool fontMetrics = false;
    int documentsEnded = 0;
    int documentsKilled = 0;

    // The next output operation (text, line, picture, new page, end of
    // document) throws this error instead of being recorded.
    void failOnNextOutput(int number, const QString& description, const QString& source = QStringLiteral("Printer"));
    // Like failOnNextOutput but only after `count` more successful outputs.
    void failAfter(int count, int number, const QString& description);

    QList<PrintOp> texts() const;            // only Text operations
    QList<PrintOp> ofKind(PrintOp::Kind k) const;
    const PrintOp* findText(const QString& text) const;  // first text op with exactly that text
    QString textDump() const;                // "page y x text" lines, for failure messages

protected:
    double backendAverageCharWidth(const FontState& f) const override;
    double backendTextWidth(const FontState& f, const QString& text) const override;
    double backendTextHeight(const FontState& f) const override;
    double backendTextAscent(const FontState& f) const override;
    QSizeF backendPageSize(int orientation) const override;
    void backendBeginDoc() override;
    void backendText(double x, double y, const QString& text) override;
    void backendTextUpwards(double x, double y, const QString& text) override;
    void backendLine(double x1, double y1, double x2, double y2, const QColor& c, LineShape s) override;
    void backendPicture(const QImage& img, double x, double y, double w, double h) override;
    void backendNewPage() override;
    void backendEndDoc() override;
    void backendKillDoc() override;

private:
    void maybeFail();
    PrintOp base(PrintOp::Kind k) const;
    int m_failCountdown = -1;
    int m_failNumber = 0;
    QString m_failDescription, m_failSource;
};

// Back-end on QPrinter: the system's default printer, or a PDF file when the
// environment variable STOOTPLANNER_PRINT_PDF names one (each document then
// overwrites that file; a "%n" in the name is replaced by a document counter
// that goes on after the numbered files already there, so none is replaced).
// Throws PrintError 68 when no printer is available.
class SystemPrinter final : public Printer {
public:
    SystemPrinter();
    ~SystemPrinter() override;
    QPrinter* qprinter() const;
    bool printsToPdf() const;

protected:
    double backendAverageCharWidth(const FontState& f) const override;
    double backendTextWidth(const FontState& f, const QString& text) const override;
    double backendTextHeight(const FontState& f) const override;
    double backendTextAscent(const FontState& f) const override;
    QSizeF backendPageSize(int orientation) const override;
    void backendBeginDoc() override;
    void backendText(double x, double y, const QString& text) override;
    void backendTextUpwards(double x, double y, const QString& text) override;
    void backendLine(double x1, double y1, double x2, double y2, const QColor& c, LineShape s) override;
    void backendPicture(const QImage& img, double x, double y, double w, double h) override;
    void backendNewPage() override;
    void backendEndDoc() override;
    void backendKillDoc() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The current printer. Unless replaced, a SystemPrinter made on first use.
Printer& printer();
// Replaces the current printer (not owned); nullptr restores the system printer.
void setPrinter(Printer* p);

// Test helper: a RecordingPrinter installed for the lifetime of the object.
class ScopedRecordingPrinter {
public:
    ScopedRecordingPrinter() { setPrinter(&rec); }
    ~ScopedRecordingPrinter() { setPrinter(nullptr); }
    RecordingPrinter rec;
};

}  // namespace platform
