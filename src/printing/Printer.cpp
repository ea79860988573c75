#include "printing/Printer.h"

#include "printing/CupsJob.h"

#include "base/Controls.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>

#include <cmath>

namespace {

constexpr double TwipsPerInch = 1440.0;
// DrawWidth counts printer dots; we take the common 600 dots to the inch.
constexpr double DrawWidthDotsPerInch = 600.0;
// Every output keeps this much paper free at each edge, or more where the printer needs it.
constexpr double MarginInches = 0.25;
const QSizeF LetterInches(8.5, 11.0);

// Text whose characters each stand for one glyph of the font, in a row: Latin letters with
// their accents, and the punctuation, currency and trade marks of the suite's code page.
// Anything else goes to the painter's text layout, which joins and reorders where a script needs.
bool OneGlyphPerCharacter(const QString &text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || (u >= 0x0300 && u < 0x2000) ||
            (u >= 0x20D0 && u != 0x2122))
            return false;
    }
    return true;
}

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

void Printer::ResetChoices() {
    m_device->setPageSize(QPageSize(QPageSize::Letter));
    m_device->setCopyCount(1);
}

void Printer::StartDocument() {
    if (m_painter->isActive())
        m_painter->end();
    m_faces.clear();
    m_face = nullptr;
    m_batches.clear();
    m_layoutKnown = false;
    m_failed = false;
    m_cancelled = false;
    m_lastError.clear();
    m_page = 1;
    m_scaleWidth = 0;
    CurrentX = 0;
    CurrentY = 0;
    DrawWidth = 1;
    // On a CUPS queue the document is drawn into a PDF of the printer's page, which goes to the
    // queue once it is whole; a preview draws on a surface of its own.
    m_spoolDir.reset();
    m_spool.reset();
    if (m_device->outputFormat() == QPrinter::NativeFormat && !m_previewing && CupsAvailable()) {
        m_spool = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_spool->setOutputFormat(QPrinter::PdfFormat);
        m_spool->setDocName(m_device->docName());
        m_spool->setCreator(m_device->creator());
        m_spool->setPageLayout(m_device->pageLayout());
    }
    ApplyMargins();
}

void Printer::ApplyMargins() {
    QPageLayout layout = m_device->pageLayout();
    layout.setUnits(QPageLayout::Inch);
    const QMarginsF least = layout.minimumMargins();
    const QMarginsF margins(
        std::max(MarginInches, least.left()), std::max(MarginInches, least.top()),
        std::max(MarginInches, least.right()), std::max(MarginInches, least.bottom()));
    m_device->setPageMargins(margins, QPageLayout::Inch);
    if (m_spool)
        m_spool->setPageMargins(margins, QPageLayout::Inch);
    m_layoutKnown = false;
}

void Printer::SetOrientation(int orientation) {
    const auto wanted = orientation == 1 ? QPageLayout::Portrait : QPageLayout::Landscape;
    m_device->setPageOrientation(wanted);
    if (m_spool)
        m_spool->setPageOrientation(wanted);
    ApplyMargins();
}

int Printer::Orientation() const {
    return Target().pageLayout().orientation() == QPageLayout::Portrait ? 1 : 2;
}

void Printer::SetColorMode(int mode) {
    m_device->setColorMode(mode == 2 ? QPrinter::Color : QPrinter::GrayScale);
    if (m_spool)
        m_spool->setColorMode(m_device->colorMode());
}

double Printer::ScaleWidth() const {
    if (m_scaleWidth > 0)
        return m_scaleWidth;
    // Documents are laid out in inches on US Letter: on a narrower paper the same layout is
    // drawn a little closer together, so that every word stays on the page.
    const QMarginsF margins = Target().pageLayout().margins(QPageLayout::Inch);
    const QSizeF letter = Orientation() == 1 ? LetterInches : LetterInches.transposed();
    const double letterWidth = (letter.width() - margins.left() - margins.right()) * TwipsPerInch;
    return std::max(Target().pageRect(QPrinter::Inch).width() * TwipsPerInch, letterWidth);
}

double Printer::ScaleHeight() const {
    return Target().pageRect(QPrinter::Inch).height() * TwipsPerInch;
}

void Printer::KnowLayout() const {
    if (m_layoutKnown)
        return;
    m_yFactor = Target().logicalDpiY() / TwipsPerInch;
    m_xFactor = Target().pageRect(QPrinter::DevicePixel).width() / ScaleWidth();
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
    m_face = nullptr;
}

void Printer::SetFontBold(bool bold) {
    if (bold != m_bold)
        m_face = nullptr;
    m_bold = bold;
}

void Printer::SetFontUnderline(bool underline) {
    if (underline != m_underline)
        m_face = nullptr;
    m_underline = underline;
}

void Printer::SetFontSize(double points) {
    if (points > 0 && points != m_fontSize) {
        m_fontSize = points;
        m_face = nullptr;
    }
}

const Printer::Face &Printer::CurrentFace() const {
    if (m_face)
        return *m_face;
    for (const std::unique_ptr<Face> &face : m_faces) {
        if (face->size == m_fontSize && face->bold == m_bold && face->underline == m_underline &&
            face->name == m_fontName)
            return *(m_face = face.get());
    }
    // The suite's documents name the heavy face as one word.
    const bool black = m_fontName.compare(QLatin1String("ArialBlack"), Qt::CaseInsensitive) == 0;
    QFont font(black ? QStringLiteral("Arial Black") : m_fontName);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(m_fontSize);
    font.setWeight(black ? QFont::Black : m_bold ? QFont::Bold : QFont::Normal);
    const QFont plain(font, &Target());
    font.setUnderline(m_underline);
    const QFont onDevice(font, &Target());
    m_faces.push_back(std::make_unique<Face>(Face{m_fontName,
                                                  m_fontSize,
                                                  m_bold,
                                                  m_underline,
                                                  onDevice,
                                                  QFontMetricsF(onDevice, &Target()),
                                                  QRawFont::fromFont(plain),
                                                  {},
                                                  {},
                                                  0}));
    return *(m_face = m_faces.back().get());
}

bool Printer::GatherGlyphs(const QString &line) {
    const Face &face = CurrentFace();
    const SetText &set = Set(line);
    if (!set.asGlyphs)
        return false;
    auto batch = std::find_if(m_batches.begin(), m_batches.end(), [&](const GlyphBatch &b) {
        return b.face == &face && b.color == ForeColor;
    });
    if (batch == m_batches.end())
        batch = m_batches.insert(m_batches.end(), {&face, ForeColor, {}, {}});
    const QPointF start(CurrentX * XFactor(), CurrentY * YFactor() + face.metrics.ascent());
    QPointF pen = start;
    for (qsizetype k = 0; k < set.glyphs.size(); ++k) {
        batch->glyphs.push_back(set.glyphs[k]);
        batch->positions.push_back(pen);
        pen += set.advances[k];
    }
    if (m_underline) {
        QPen rule(ColorFromValue(ForeColor), face.metrics.lineWidth());
        rule.setCapStyle(Qt::FlatCap);
        m_painter->setPen(rule);
        // Where the painter's text layout puts it: on the middle of a whole pixel below the base
        // line, never lower than the font's descent.
        double offset = std::ceil(face.metrics.underlinePos()) + 0.5;
        if (face.metrics.underlinePos() <= face.metrics.descent())
            offset = std::min(offset, face.metrics.descent() - 0.5);
        const double y = start.y() + offset;
        m_painter->drawLine(QPointF(std::floor(start.x()), y), QPointF(std::floor(pen.x()), y));
    }
    return true;
}

void Printer::PaintGlyphs() {
    for (const GlyphBatch &batch : m_batches) {
        QGlyphRun run;
        run.setRawFont(batch.face->glyphs);
        run.setGlyphIndexes(batch.glyphs);
        run.setPositions(batch.positions);
        m_painter->setPen(ColorFromValue(batch.color));
        m_painter->drawGlyphRun(QPointF(0, 0), run);
    }
    m_batches.clear();
}

double Printer::TextWidth(const QString &text) const {
    return Set(text).width / XFactor();
}

const Printer::SetText &Printer::Set(const QString &text) const {
    const Face &face = CurrentFace();
    // Short texts (counts, amounts) come back again and again down a report's columns; a long
    // one is measured, then printed.
    const bool shortText = text.size() <= 12;
    if (shortText) {
        auto known = face.shortTexts.constFind(text);
        if (known != face.shortTexts.constEnd())
            return *known;
    } else {
        for (const auto &[known, set] : face.longTexts) {
            if (known == text)
                return set;
        }
    }
    SetText set;
    if (OneGlyphPerCharacter(text) && face.glyphs.isValid()) {
        set.glyphs = face.glyphs.glyphIndexesForString(text);
        set.asGlyphs = set.glyphs.size() == text.size() && !set.glyphs.contains(0u);
    }
    if (set.asGlyphs) {
        set.advances = face.glyphs.advancesForGlyphIndexes(set.glyphs, QRawFont::KernedAdvances);
        for (const QPointF &advance : std::as_const(set.advances))
            set.width += advance.x();
    } else {
        set.glyphs.clear();
        set.width = face.metrics.horizontalAdvance(text);
    }
    if (shortText) {
        if (face.shortTexts.size() >= 4096)
            face.shortTexts.clear();
        return *face.shortTexts.insert(text, std::move(set));
    }
    auto &slot = face.longTexts[face.nextLong];
    face.nextLong = (face.nextLong + 1) % face.longTexts.size();
    slot = {text, std::move(set)};
    return slot.second;
}

double Printer::TextHeight(const QString &text) const {
    const int lines = std::max<qsizetype>(1, text.count(u'\n') + 1);
    return lines * CurrentFace().metrics.height() / YFactor();
}

double Printer::TextAscent() const {
    return CurrentFace().metrics.ascent() / YFactor();
}

QString Printer::ElidedText(const QString &text, double width) const {
    if (TextWidth(text) <= width)
        return text; // the usual case, and far cheaper to find out than to elide
    const QString ellipsis(QChar(0x2026));
    const SetText mark = Set(ellipsis);
    const SetText &set = Set(text);
    if (!mark.asGlyphs || !set.asGlyphs)
        return CurrentFace().metrics.elidedText(text, Qt::ElideRight,
                                                std::max(0.0, width * XFactor()));
    // As the text layout elides: the characters that end before the room left for the mark.
    const double room = width * XFactor() - mark.width;
    if (room < 0)
        return QString(); // not even the mark fits
    double used = 0;
    qsizetype kept = 0;
    while (kept < set.advances.size() && (used += set.advances[kept].x()) < room)
        ++kept;
    return text.left(kept) + ellipsis;
}

bool Printer::Painting() {
    if (m_failed || m_cancelled)
        return false;
    if (m_painter->isActive())
        return true;
    if (m_spool) {
        m_spoolDir = std::make_unique<QTemporaryDir>();
        if (!m_spoolDir->isValid()) {
            m_failed = true;
            return false;
        }
        m_spool->setOutputFileName(m_spoolDir->filePath(QStringLiteral("job.pdf")));
    }
    if (!m_painter->begin(&Target())) {
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
                m_textRecorder->push_back({line, m_page, CurrentX, CurrentY, TextWidth(line),
                                           TextHeight(), m_fontName, m_fontSize, m_bold,
                                           m_underline, ForeColor});
            if (!GatherGlyphs(line)) {
                m_painter->setFont(CurrentFace().font);
                m_painter->setPen(ColorFromValue(ForeColor));
                m_painter->drawText(QPointF(CurrentX * XFactor(),
                                            CurrentY * YFactor() + CurrentFace().metrics.ascent()),
                                    line);
            }
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
    pen.setWidthF(std::max(1, DrawWidth) * Target().logicalDpiX() / DrawWidthDotsPerInch);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void Printer::Record(PrintedShape::Kind kind, double x1, double y1, double x2, double y2) {
    if (m_recorder)
        m_recorder->push_back({kind, x1, y1, x2, y2, DrawWidth, m_page});
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
    if (Painting()) {
        PaintGlyphs();
        if (!Target().newPage())
            m_failed = true;
    }
    if (m_observer && !m_cancelled && !m_observer(m_page))
        m_cancelled = true;
    ++m_page;
    CurrentX = 0;
    CurrentY = 0;
}

void Printer::Cancel() {
    m_cancelled = true;
    m_batches.clear();
    if (!m_painter->isActive())
        return;
    if (m_previewing) {
        m_painter->end();
    } else if (Target().outputFormat() == QPrinter::PdfFormat) {
        m_painter->end();
        QFile::remove(Target().outputFileName());
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
    if (m_cancelled) {
        Cancel();
    } else if (m_painter->isActive()) {
        PaintGlyphs();
        if (!m_painter->end())
            m_failed = true;
    }
    bool ok = !m_failed && !m_cancelled && Target().printerState() != QPrinter::Error;
    if (ok && m_spoolDir)
        ok = SubmitSpool();
    m_spoolDir.reset();
    m_failed = false;
    m_page = 1;
    return ok;
}

bool Printer::SubmitSpool() {
    CupsJobOptions options;
    options.Copies = m_device->copyCount();
    options.Collate = m_device->collateCopies();
    options.Media = m_device->pageLayout().pageSize().key();
    m_lastError = SubmitCupsJob(m_device->printerName(), m_spool->outputFileName(),
                                m_device->docName(), options);
    return m_lastError.isEmpty();
}
