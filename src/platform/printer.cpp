#include "printer.h"

#include "printerror.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTextStream>

namespace platform {

QColor vbColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// -------------------------------------------------------------- PrintItem

PrintItem PrintItem::Shortened(const QString& shown, const QString& whole, double size)
{
    PrintItem it(shown);
    it.m_whole = whole;
    it.m_size = size;
    return it;
}

// ---------------------------------------------------------------- Printer

void Printer::setOrientation(int orientation)
{
    if (orientation == OrientationPortrait || orientation == OrientationLandscape)
        m_orientation = orientation;
}

double Printer::ScaleWidth() const { return backendPageSize(m_orientation).width(); }
double Printer::ScaleHeight() const { return backendPageSize(m_orientation).height(); }

double Printer::TextWidth(const QString& text) const { return backendTextWidth(font(), text); }
double Printer::TextHeight(const QString&) const { return backendTextHeight(font()); }
double Printer::TextAscent() const { return backendTextAscent(font()); }
double Printer::AverageCharWidth() const { return backendAverageCharWidth(font()); }

void Printer::ensureDoc()
{
    if (m_docOpen)
        return;
    backendBeginDoc();
    m_docOpen = true;
    m_page = 1;
}

void Printer::lineFeed()
{
    m_x = 0;
    m_y += TextHeight();
}

QFont Printer::qfont(const FontState& f)
{
    QFont font(f.name);
    font.setPointSizeF(f.size > 0 ? f.size : 10);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    return font;
}

double Printer::averageCharWidth(const QFontMetricsF& fm)
{
    // The classic definition: letters and the space weighted by their
    // frequency in text. Fonts that stand in for another (same widths) then
    // give the same columns, whatever average their own tables carry.
    static const struct { char c; int weight; } weights[] = {
        {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14}, {'h', 42}, {'i', 63},
        {'j', 3},  {'k', 6},  {'l', 35}, {'m', 20}, {'n', 56},  {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49},
        {'s', 56}, {'t', 71}, {'u', 31}, {'v', 10}, {'w', 18},  {'x', 3},  {'y', 18}, {'z', 2},  {' ', 166},
    };
    double sum = 0;
    for (const auto& w : weights)
        sum += w.weight * fm.horizontalAdvance(QChar(QLatin1Char(w.c)));
    return sum / 1000.0;
}

void Printer::printText(const PrintItem& item)
{
    const QString& text = item.text();
    ensureDoc();
    // Text that would run off the bottom goes to a new page, as a printer does by itself.
    // The row goes on there: it no longer stands on one line.
    if (m_y > 0 && m_y + TextHeight() > ScaleHeight()) {
        const double x = m_x;
        const int row = m_row;
        NewPage();
        m_x = x;
        m_row = row;
    }
    // A text in a size of its own stands on the line's baseline; the line keeps its font.
    const double size = m_fontSize;
    double y = m_y;
    if (item.size() > 0 && item.size() != size) {
        const double base = TextAscent();
        m_fontSize = item.size();
        y += base - TextAscent();
    }
    m_whole = item.whole();
    if (!text.isEmpty())
        backendText(m_x, y, text);
    m_x += TextWidth(text);
    m_fontSize = size;
    m_whole.clear();
}

void Printer::Print(std::initializer_list<PrintItem> items, LineEnd end)
{
    Print(QList<PrintItem>(items), end);
}

void Printer::Print(const QList<PrintItem>& items, LineEnd end)
{
    ensureDoc();
    for (const PrintItem& it : items) {
        switch (it.kind()) {
        case PrintItem::Text:
            printText(it);
            break;
        case PrintItem::TabItem: {
            const double x = TabX(qMax(1, it.n()));
            // Half a twip of slack: a position reached by adding widths may
            // differ from the column start by rounding only.
            if (m_x > x + 0.5)
                lineFeed();
            m_x = x;
            break;
        }
        case PrintItem::SpcItem:
            m_x += qMax(0, it.n()) * TextWidth(QStringLiteral(" "));
            break;
        }
    }
    if (end == EndLine) {
        lineFeed();
        ++m_row;
    }
}

void Printer::PrintUpwards(double x, double y, const QString& text)
{
    ensureDoc();
    ++m_row;
    if (!text.isEmpty())
        backendTextUpwards(x, y, text);
    ++m_row;
}

void Printer::Line(double x1, double y1, double x2, double y2, const QColor& color, LineShape shape)
{
    ensureDoc();
    backendLine(x1, y1, x2, y2, color.isValid() ? color : m_foreColor, shape);
    m_x = x2;
    m_y = y2;
}

void Printer::PaintPicture(const QImage& picture, double x, double y, double w, double h)
{
    ensureDoc();
    if (w <= 0)
        w = picture.width() * 15.0;
    if (h <= 0)
        h = picture.height() * 15.0;
    backendPicture(picture, x, y, w, h);
}

void Printer::NewPage()
{
    ensureDoc();
    backendNewPage();
    ++m_page;
    ++m_row;
    m_x = 0;
    m_y = 0;
}

void Printer::EndDoc()
{
    if (m_docOpen) {
        // Even when sending fails the document is over.
        m_docOpen = false;
        m_page = 1;
        m_x = m_y = 0;
        backendEndDoc();
    }
    m_page = 1;
    m_x = m_y = 0;
}

void Printer::KillDoc()
{
    if (m_docOpen) {
        m_docOpen = false;
        try {
            backendKillDoc();
        } catch (...) {
        }
    }
    m_page = 1;
    m_x = m_y = 0;
}

// ------------------------------------------------------- RecordingPrinter

void RecordingPrinter::failOnNextOutput(int number, const QString& description, const QString& source)
{
    m_failCountdown = 0;
    m_failNumber = number;
    m_failDescription = description;
    m_failSource = source;
}

void RecordingPrinter::failAfter(int count, int number, const QString& description)
{
    failOnNextOutput(number, description);
    m_failCountdown = count;
}

void RecordingPrinter::maybeFail()
{
    if (m_failCountdown < 0)
        return;
    if (m_failCountdown > 0) {
        --m_failCountdown;
        return;
    }
    m_failCountdown = -1;
    throw PrintError{m_failNumber, m_failDescription, m_failSource};
}

QList<PrintOp> RecordingPrinter::ofKind(PrintOp::Kind k) const
{
    QList<PrintOp> r;
    for (const PrintOp& op : ops)
        if (op.kind == k)
            r.append(op);
    return r;
}

QList<PrintOp> RecordingPrinter::texts() const { return ofKind(PrintOp::Text); }

const PrintOp* RecordingPrinter::findText(const QString& text) const
{
    for (const PrintOp& op : ops)
        if (op.kind == PrintOp::Text && op.text == text)
            return &op;
    return nullptr;
}

QString RecordingPrinter::textDump() const
{
    QString s;
    QTextStream out(&s);
    for (const PrintOp& op : ops) {
        switch (op.kind) {
        case PrintOp::Text:
            out << "p" << op.page << " text (" << op.x << "," << op.y << ") " << op.fontSize << "pt"
                << (op.bold ? " bold" : "") << (op.angle ? " upwards" : "") << " '" << op.text << "'\n";
            break;
        case PrintOp::Line:
        case PrintOp::Box:
        case PrintOp::FilledBox:
            out << "p" << op.page << (op.kind == PrintOp::Line ? " line (" : op.kind == PrintOp::Box ? " box (" : " fill (")
                << op.x << "," << op.y << ")-(" << op.x2 << "," << op.y2 << ")\n";
            break;
        case PrintOp::Picture:
            out << "p" << op.page << " picture (" << op.x << "," << op.y << ")-(" << op.x2 << "," << op.y2 << ")\n";
            break;
        case PrintOp::NewPage: out << "newpage\n"; break;
        case PrintOp::EndDoc: out << "enddoc\n"; break;
        case PrintOp::KillDoc: out << "killdoc\n"; break;
        }
    }
    return s;
}

namespace {
// Font metrics in twips: measured on a device of 1440 dots an inch.
QFontMetricsF twipMetrics(const QFont& font)
{
    static const QImage device = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(qRound(1440 / 0.0254));
        i.setDotsPerMeterY(qRound(1440 / 0.0254));
        return i;
    }();
    return QFontMetricsF(font, &device);
}
}  // namespace

double RecordingPrinter::backendAverageCharWidth(const FontState& f) const
{
    return fontMetrics ? averageCharWidth(twipMetrics(qfont(f))) : f.size * (f.bold ? 11.0 : 10.0);
}

double RecordingPrinter::backendTextWidth(const FontState& f, const QString& text) const
{
    return fontMetrics ? twipMetrics(qfont(f)).horizontalAdvance(text) : text.size() * backendAverageCharWidth(f);
}

// Line spacing of the classic serif list font: 1.15 em.
double RecordingPrinter::backendTextHeight(const FontState& f) const
{
    return fontMetrics ? twipMetrics(qfont(f)).lineSpacing() : f.size * 23.0;
}

double RecordingPrinter::backendTextAscent(const FontState& f) const
{
    return fontMetrics ? twipMetrics(qfont(f)).ascent() : f.size * 18.0;
}

QSizeF RecordingPrinter::backendPageSize(int orientation) const
{
    return orientation == OrientationLandscape ? portraitPage.transposed() : portraitPage;
}

void RecordingPrinter::backendBeginDoc() {}

PrintOp RecordingPrinter::base(PrintOp::Kind k) const
{
    PrintOp op;
    op.kind = k;
    op.page = Page();
    op.fontName = FontName();
    op.fontSize = FontSize();
    op.bold = FontBold();
    op.italic = FontItalic();
    op.underline = FontUnderline();
    op.drawWidth = DrawWidth();
    op.orientation = Orientation();
    op.row = row();
    return op;
}

void RecordingPrinter::backendText(double x, double y, const QString& text)
{
    maybeFail();
    PrintOp op = base(PrintOp::Text);
    op.x = x;
    op.y = y;
    op.x2 = x + TextWidth(text);
    // The font's whole box, as a PDF reader measures a word: the next line may not start in it.
    op.y2 = y + (fontMetrics ? twipMetrics(qfont(font())).height() : TextHeight());
    op.text = text;
    op.whole = wholeText();
    op.baseline = y + TextAscent();
    op.color = ForeColor();
    ops.append(op);
}

void RecordingPrinter::backendTextUpwards(double x, double y, const QString& text)
{
    maybeFail();
    PrintOp op = base(PrintOp::Text);
    op.angle = 90;
    op.x = x;
    op.y = y - TextWidth(text);
    op.x2 = x + (fontMetrics ? twipMetrics(qfont(font())).height() : TextHeight());
    op.y2 = y;
    op.text = text;
    op.color = ForeColor();
    ops.append(op);
}

void RecordingPrinter::backendLine(double x1, double y1, double x2, double y2, const QColor& c, LineShape s)
{
    maybeFail();
    PrintOp op = base(s == LineShape::Line ? PrintOp::Line : s == LineShape::Box ? PrintOp::Box : PrintOp::FilledBox);
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = c;
    if (s == LineShape::Box && FillStyle() == 0)
        op.fillColor = FillColor();
    ops.append(op);
}

void RecordingPrinter::backendPicture(const QImage& img, double x, double y, double w, double h)
{
    maybeFail();
    PrintOp op = base(PrintOp::Picture);
    op.x = x;
    op.y = y;
    op.x2 = x + w;
    op.y2 = y + h;
    op.imageSize = img.size();
    ops.append(op);
}

void RecordingPrinter::backendNewPage()
{
    maybeFail();
    ops.append(base(PrintOp::NewPage));
}

void RecordingPrinter::backendEndDoc()
{
    maybeFail();
    ops.append(base(PrintOp::EndDoc));
    ++documentsEnded;
}

void RecordingPrinter::backendKillDoc()
{
    ops.append(base(PrintOp::KillDoc));
    ++documentsKilled;
}

// ---------------------------------------------------------- SystemPrinter

struct SystemPrinter::Impl {
    QPrinter printer{QPrinter::HighResolution};
    QPainter painter;
    QString pdfPattern;
    int docCounter = 0;
    int pageOrientation = OrientationPortrait;
    QHash<QString, double> avgCache;

    double pxPerTwip() const { return printer.resolution() / 1440.0; }
    QFontMetricsF metrics(const FontState& f) const
    {
        return QFontMetricsF(Printer::qfont(f), const_cast<QPrinter*>(&printer));
    }
    void applyOrientation(int o)
    {
        printer.setPageOrientation(o == OrientationLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        pageOrientation = o;
    }
};

SystemPrinter::SystemPrinter() : d(std::make_unique<Impl>())
{
    d->pdfPattern = qEnvironmentVariable("STOOTPLANNER_PRINT_PDF");
    if (!d->pdfPattern.isEmpty()) {
        d->printer.setOutputFormat(QPrinter::PdfFormat);
        d->printer.setPageSize(QPageSize(QPageSize::A4));
        d->printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    }
}

SystemPrinter::~SystemPrinter()
{
    if (d->painter.isActive())
        d->painter.end();
}

QPrinter* SystemPrinter::qprinter() const { return &d->printer; }
bool SystemPrinter::printsToPdf() const { return !d->pdfPattern.isEmpty(); }

double SystemPrinter::backendAverageCharWidth(const FontState& f) const
{
    const QString key = QStringLiteral("%1|%2|%3|%4").arg(f.name).arg(f.size).arg(f.bold).arg(f.italic);
    if (auto it = d->avgCache.constFind(key); it != d->avgCache.constEnd())
        return it.value();
    const double twips = averageCharWidth(d->metrics(f)) / d->pxPerTwip();
    d->avgCache.insert(key, twips);
    return twips;
}

double SystemPrinter::backendTextWidth(const FontState& f, const QString& text) const
{
    return d->metrics(f).horizontalAdvance(text) / d->pxPerTwip();
}

double SystemPrinter::backendTextHeight(const FontState& f) const
{
    return d->metrics(f).lineSpacing() / d->pxPerTwip();
}

double SystemPrinter::backendTextAscent(const FontState& f) const
{
    return d->metrics(f).ascent() / d->pxPerTwip();
}

QSizeF SystemPrinter::backendPageSize(int orientation) const
{
    QPageLayout layout = d->printer.pageLayout();
    layout.setOrientation(orientation == OrientationLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const QRectF r = layout.paintRect(QPageLayout::Point);
    return QSizeF(r.width() * 20.0, r.height() * 20.0);
}

void SystemPrinter::backendBeginDoc()
{
    if (printsToPdf()) {
        QString name = d->pdfPattern;
        if (name.contains(QLatin1String("%n"))) {
            // Numbered files of an earlier run stay: the count goes on after the highest one there.
            const QFileInfo fi(name);
            const QStringList parts = fi.fileName().split(QLatin1String("%n"));
            const QRegularExpression numbered(QRegularExpression::anchoredPattern(
                QRegularExpression::escape(parts.value(0)) + QStringLiteral("(\\d+)")
                + QRegularExpression::escape(parts.mid(1).join(QLatin1String("%n")))));
            for (const QString& f : fi.dir().entryList(QDir::Files))
                if (const auto m = numbered.match(f); m.hasMatch())
                    d->docCounter = qMax(d->docCounter, m.captured(1).toInt());
            name.replace(QLatin1String("%n"), QString::number(++d->docCounter));
        }
        d->printer.setOutputFileName(name);
    } else if (d->printer.outputFormat() == QPrinter::NativeFormat
               && QPrinterInfo::availablePrinterNames().isEmpty()) {
        // A file chosen in the print dialog needs no printer; anything else does.
        throw PrintError{errDeviceUnavailable, QStringLiteral("Apparaat niet beschikbaar"), QStringLiteral("Printer")};
    }
    d->applyOrientation(Orientation());
    if (!d->painter.begin(&d->printer))
        throw PrintError{errPrinterError, QStringLiteral("De printer kan niet worden geopend"), QStringLiteral("Printer")};
}

void SystemPrinter::backendText(double x, double y, const QString& text)
{
    const FontState f = font();
    const double k = d->pxPerTwip();
    d->painter.setFont(qfont(f));
    d->painter.setPen(ForeColor());
    const QFontMetricsF fm = d->metrics(f);
    d->painter.drawText(QPointF(x * k, y * k + fm.ascent()), text);
}

void SystemPrinter::backendTextUpwards(double x, double y, const QString& text)
{
    const FontState f = font();
    const double k = d->pxPerTwip();
    d->painter.save();
    d->painter.setFont(qfont(f));
    d->painter.setPen(ForeColor());
    // Turned a quarter to the left about its first letter: the line's top faces left, its box lies right of x.
    d->painter.translate(x * k, y * k);
    d->painter.rotate(-90);
    d->painter.drawText(QPointF(0, d->metrics(f).ascent()), text);
    d->painter.restore();
}

void SystemPrinter::backendLine(double x1, double y1, double x2, double y2, const QColor& c, LineShape s)
{
    const double k = d->pxPerTwip();
    QPen pen(c);
    pen.setWidthF(qMax(1.0, DrawWidth() * d->printer.resolution() / 300.0));
    d->painter.setPen(pen);
    d->painter.setBrush(Qt::NoBrush);
    const QRectF r = QRectF(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k)).normalized();
    switch (s) {
    case LineShape::Line:
        d->painter.drawLine(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k));
        break;
    case LineShape::Box:
        if (FillStyle() == 0)
            d->painter.fillRect(r, FillColor());
        d->painter.drawRect(r);
        break;
    case LineShape::FilledBox:
        d->painter.fillRect(r, c);
        break;
    }
}

void SystemPrinter::backendPicture(const QImage& img, double x, double y, double w, double h)
{
    const double k = d->pxPerTwip();
    d->painter.drawImage(QRectF(x * k, y * k, w * k, h * k), img);
}

void SystemPrinter::backendNewPage()
{
    if (Orientation() != d->pageOrientation)
        d->applyOrientation(Orientation());
    if (!d->printer.newPage())
        throw PrintError{errPrinterError, QStringLiteral("Nieuwe pagina mislukt"), QStringLiteral("Printer")};
}

void SystemPrinter::backendEndDoc()
{
    if (!d->painter.end())
        throw PrintError{errPrinterError, QStringLiteral("Het document kon niet worden afgedrukt"), QStringLiteral("Printer")};
}

void SystemPrinter::backendKillDoc()
{
    d->printer.abort();
    if (d->painter.isActive())
        d->painter.end();
}

// ------------------------------------------------------------------ global

namespace {
Printer* g_printer = nullptr;
std::unique_ptr<SystemPrinter> g_system;
}  // namespace

Printer& printer()
{
    if (g_printer)
        return *g_printer;
    if (!g_system)
        g_system = std::make_unique<SystemPrinter>();
    return *g_system;
}

void setPrinter(Printer* p) { g_printer = p; }

}  // namespace platform
