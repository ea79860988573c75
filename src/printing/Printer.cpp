#include "printing/Printer.h"

#include "shell/Controls.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>

namespace {

constexpr double TwipsPerInch = 1440.0;
// DrawWidth counts printer dots; we take the common 600 dots to the inch.
constexpr double DrawWidthDotsPerInch = 600.0;

} // namespace

Printer &Printer::Current() {
    // Never destroyed: a printer torn down after the application object is gone may still
    // reach for its fonts and print engine.
    static Printer *printer = new Printer();
    return *printer;
}

Printer::Printer()
    : m_device(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_painter(std::make_unique<QPainter>()) {
    // Arial prints with a metric-compatible face where Arial itself is not installed.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans")});
}

void Printer::StartDocument() {
    if (m_painter->isActive())
        m_painter->end();
    m_deviceFont.reset();
    m_metrics.reset();
    m_layoutKnown = false;
    m_failed = false;
    m_cancelled = false;
    m_page = 1;
    m_scaleWidth = 0;
    CurrentX = 0;
    CurrentY = 0;
    DrawWidth = 1;
    m_device->setPageSize(QPageSize(QPageSize::Letter));
    m_device->setCopyCount(1);
    if (m_device->outputFormat() == QPrinter::PdfFormat)
        m_device->setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
}

void Printer::SetOrientation(int orientation) {
    m_layoutKnown = false;
    m_device->setPageOrientation(orientation == 1 ? QPageLayout::Portrait : QPageLayout::Landscape);
}

int Printer::Orientation() const {
    return m_device->pageLayout().orientation() == QPageLayout::Portrait ? 1 : 2;
}

void Printer::SetColorMode(int mode) {
    m_device->setColorMode(mode == 2 ? QPrinter::Color : QPrinter::GrayScale);
}

double Printer::ScaleWidth() const {
    if (m_scaleWidth > 0)
        return m_scaleWidth;
    return m_device->pageRect(QPrinter::Inch).width() * TwipsPerInch;
}

double Printer::ScaleHeight() const {
    return m_device->pageRect(QPrinter::Inch).height() * TwipsPerInch;
}

void Printer::KnowLayout() const {
    if (m_layoutKnown)
        return;
    m_yFactor = m_device->logicalDpiY() / TwipsPerInch;
    m_xFactor = m_scaleWidth > 0 ? m_device->pageRect(QPrinter::DevicePixel).width() / m_scaleWidth
                                 : m_device->logicalDpiX() / TwipsPerInch;
    m_layoutKnown = true;
}

double Printer::XFactor() const {
    KnowLayout();
    return m_xFactor;
}

double Printer::YFactor() const {
    KnowLayout();
    return m_yFactor;
}

void Printer::SetFontName(const QString &name) {
    m_fontName = name;
    m_deviceFont.reset();
}

void Printer::SetFontBold(bool bold) {
    if (bold != m_bold)
        m_deviceFont.reset();
    m_bold = bold;
}

void Printer::SetFontUnderline(bool underline) {
    if (underline != m_underline)
        m_deviceFont.reset();
    m_underline = underline;
}

void Printer::SetFontSize(double points) {
    if (points > 0 && points != m_fontSize) {
        m_fontSize = points;
        m_deviceFont.reset();
    }
}

const QFont &Printer::DeviceFont() const {
    if (m_deviceFont)
        return *m_deviceFont;
    // The suite's documents name the heavy face as one word.
    const bool black = m_fontName.compare(QLatin1String("ArialBlack"), Qt::CaseInsensitive) == 0;
    QFont font(black ? QStringLiteral("Arial Black") : m_fontName);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(m_fontSize);
    font.setWeight(black ? QFont::Black : m_bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(m_underline);
    m_deviceFont.emplace(font, m_device.get());
    m_metrics.emplace(*m_deviceFont, m_device.get());
    m_advances.clear();
    return *m_deviceFont;
}

const QFontMetricsF &Printer::Metrics() const {
    DeviceFont();
    return *m_metrics;
}

double Printer::TextWidth(const QString &text) const {
    const QFontMetricsF &metrics = Metrics();
    // Short texts (counts, amounts) come back again and again down a report's columns.
    if (text.size() > 12)
        return metrics.horizontalAdvance(text) / XFactor();
    auto known = m_advances.constFind(text);
    if (known == m_advances.constEnd()) {
        if (m_advances.size() >= 4096)
            m_advances.clear();
        known = m_advances.insert(text, metrics.horizontalAdvance(text));
    }
    return *known / XFactor();
}

double Printer::TextHeight(const QString &text) const {
    const int lines = std::max<qsizetype>(1, text.count(u'\n') + 1);
    return lines * Metrics().height() / YFactor();
}

QString Printer::ElidedText(const QString &text, double width) const {
    if (TextWidth(text) <= width)
        return text; // the usual case, and far cheaper to find out than to elide
    return Metrics().elidedText(text, Qt::ElideRight, std::max(0.0, width * XFactor()));
}

bool Printer::Painting() {
    if (m_failed || m_cancelled)
        return false;
    if (!m_painter->isActive() && !m_painter->begin(m_device.get())) {
        m_failed = true;
        return false;
    }
    return true;
}

void Printer::Print(const QString &text, bool endLine) {
    // A line break inside the text ends the printed line there, as on the printer itself.
    const QStringList lines =
        QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (!line.isEmpty() && Painting()) {
            if (m_textRecorder)
                m_textRecorder->push_back({line, m_page});
            const QFont font = DeviceFont();
            m_painter->setFont(font);
            m_painter->setPen(ColorFromValue(ForeColor));
            const QFontMetricsF metrics(font, m_device.get());
            m_painter->drawText(
                QPointF(CurrentX * XFactor(), CurrentY * YFactor() + metrics.ascent()), line);
        }
        if (i + 1 < lines.size() || endLine) {
            CurrentX = 0;
            CurrentY += TextHeight();
        } else {
            CurrentX += TextWidth(line);
        }
    }
}

QPen Printer::DrawPen() const {
    QPen pen(ColorFromValue(ForeColor));
    pen.setWidthF(std::max(1, DrawWidth) * m_device->logicalDpiX() / DrawWidthDotsPerInch);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void Printer::Record(PrintedShape::Kind kind, double x1, double y1, double x2, double y2) {
    if (m_recorder)
        m_recorder->push_back({kind, x1, y1, x2, y2, DrawWidth});
}

void Printer::Line(double x1, double y1, double x2, double y2) {
    Record(PrintedShape::Line, x1, y1, x2, y2);
    if (!Painting())
        return;
    m_painter->setPen(DrawPen());
    m_painter->drawLine(QPointF(x1 * XFactor(), y1 * YFactor()),
                        QPointF(x2 * XFactor(), y2 * YFactor()));
}

void Printer::Box(double x1, double y1, double x2, double y2) {
    Record(PrintedShape::Box, x1, y1, x2, y2);
    if (!Painting())
        return;
    m_painter->setPen(DrawPen());
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawRect(
        QRectF(QPointF(x1 * XFactor(), y1 * YFactor()), QPointF(x2 * XFactor(), y2 * YFactor())));
}

void Printer::NewPage() {
    if (Painting() && !m_device->newPage())
        m_failed = true;
    if (m_observer && !m_cancelled && !m_observer(m_page))
        m_cancelled = true;
    ++m_page;
    CurrentX = 0;
    CurrentY = 0;
}

void Printer::Cancel() {
    m_cancelled = true;
    if (!m_painter->isActive())
        return;
    if (m_previewing) {
        m_painter->end();
    } else if (m_device->outputFormat() == QPrinter::PdfFormat) {
        m_painter->end();
        QFile::remove(m_device->outputFileName());
    } else if (!m_device->abort()) {
        // The system's print engine cannot take a job back once drawing began, and ending it
        // would send what was drawn: the unfinished job is left for ever, and a printer with
        // the same settings takes the next document.
        auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
        fresh->setPrinterName(m_device->printerName());
        fresh->setPageLayout(m_device->pageLayout());
        fresh->setColorMode(m_device->colorMode());
        fresh->setDuplex(m_device->duplex());
        fresh->setCollateCopies(m_device->collateCopies());
        (void)m_painter.release();
        (void)m_device.release();
        m_device = std::move(fresh);
        m_painter = std::make_unique<QPainter>();
    }
}

bool Printer::EndDoc() {
    if (m_cancelled)
        Cancel();
    else if (m_painter->isActive() && !m_painter->end())
        m_failed = true;
    const bool ok = !m_failed && !m_cancelled && m_device->printerState() != QPrinter::Error;
    m_failed = false;
    m_page = 1;
    return ok;
}
