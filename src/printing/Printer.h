#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPrinter>
#include <QRawFont>
#include <QString>
#include <QTemporaryDir>

#include <array>
#include <functional>
#include <memory>
#include <vector>

// A line or box as a document drew it, in the document's own units (twips, or the scaled
// horizontal units of a framed page). Kept only when a test asks for it.
struct PrintedShape {
    enum Kind { Line, Box } kind;
    double x1, y1, x2, y2;
    int drawWidth;
    int page = 0;
};

// A text as a document printed it, on its page (1 for the first), with the box it covers in the
// document's units and the font and colour it printed in. Kept only when a test asks.
struct PrintedText {
    QString text;
    int page;
    double x, y, width, height;
    QString font;
    double size;
    bool bold, underline;
    quint32 color;
};

// The printing surface every document draws on: positions in twips from the top-left corner
// of the printable area, a current print position, the current font, and the printer that
// the print dialog chose. A document starts with StartDocument (SetUpPrinter does that), is
// opened by its first drawing, and goes to the printer with EndDoc.
class Printer {
public:
    static Printer &Current();

    // The printer the print dialog chose, with the copies and paper chosen there.
    QPrinter &device() { return *m_device; }
    // What the dialog opens at: US Letter, one copy.
    void ResetChoices();

    // Forgets the previous document's settings: twips across, DrawWidth 1, page 1, the same
    // margins on every printer. Nothing is printed until something is drawn.
    void StartDocument();

    void SetOrientation(int orientation); // 1 portrait, 2 landscape
    int Orientation() const;
    void SetColorMode(int mode); // 1 monochrome, 2 colour

    // Units across the printable width: 0 means twips; 12240 spreads 8.5 inches of units over
    // whatever width the printer can print. Vertical units always stay twips.
    void SetScaleWidth(double units) {
        m_scaleWidth = units;
        m_layoutKnown = false;
    }
    double ScaleWidth() const;
    double ScaleHeight() const;

    double CurrentX = 0;
    double CurrentY = 0;
    quint32 ForeColor = 0;
    int DrawWidth = 1;

    void SetFontName(const QString &name);
    QString FontName() const { return m_fontName; }
    void SetFontSize(double points);
    double FontSize() const { return m_fontSize; }
    void SetFontBold(bool bold);
    bool FontBold() const { return m_bold; }
    void SetFontUnderline(bool underline);
    bool FontUnderline() const { return m_underline; }

    // Prints at the current position. Ending the line goes back to x = 0 and down one line of
    // the current font; otherwise the position moves on past the text.
    void Print(const QString &text = QString(), bool endLine = true);
    double TextWidth(const QString &text) const;
    double TextHeight(const QString &text = QStringLiteral("X")) const;
    // From the top of a printed line down to its base line, in the current font.
    double TextAscent() const;
    // The text cut short with an ellipsis so that it is at most width units wide.
    QString ElidedText(const QString &text, double width) const;

    void Line(double x1, double y1, double x2, double y2);
    void Box(double x1, double y1, double x2, double y2);
    void NewPage();
    int Page() const { return m_page; }

    // Sends the document to the printer. False when anything about it failed (no printer, a
    // queue that refused the job, a file that cannot be written, a painter that would not
    // start) or it was cancelled, so that the document can say so instead of pretending it
    // printed.
    bool EndDoc();
    // Why the last document failed, in the print system's words; empty when it did not say.
    QString LastError() const { return m_lastError; }

    // Told the pages done each time a page is finished; answering false cancels the document.
    void SetPageObserver(std::function<bool(int pagesDone)> observer) {
        m_observer = std::move(observer);
    }
    // Stops the document: nothing more is drawn, nothing reaches the printer, and a PDF begun
    // for it is removed. It stays cancelled until the next document starts.
    void Cancel();
    bool Cancelled() const { return m_cancelled; }
    // While a preview draws the document: one document of several jobs stays one, and
    // cancelling it has no file to remove.
    void SetPreviewing(bool previewing) { m_previewing = previewing; }
    bool Previewing() const { return m_previewing; }

    void SetRecorder(std::vector<PrintedShape> *sink) { m_recorder = sink; }
    void SetTextRecorder(std::vector<PrintedText> *sink) { m_textRecorder = sink; }

private:
    Printer();
    // Where the drawing goes: a PDF of the document on its way to a CUPS queue, or the printer.
    QPrinter &Target() const { return m_spool ? *m_spool : *m_device; }
    bool Painting();
    void ApplyMargins();
    bool SubmitSpool();
    // Device pixels per horizontal unit and per twip down, worked out once per layout.
    double XFactor() const;
    double YFactor() const;
    void KnowLayout() const;
    void Record(PrintedShape::Kind kind, double x1, double y1, double x2, double y2);
    QPen DrawPen() const;
    // A text set in a font: its glyphs and how far each moves the pen, and its width, in device
    // pixels. Without glyphs, it takes the painter's text layout (see OneGlyphPerCharacter).
    struct SetText {
        QList<quint32> glyphs;
        QList<QPointF> advances;
        double width = 0;
        bool asGlyphs = false;
    };
    // A font as the printer uses it, made once per document for each font, size and weight: a
    // long report switches between a few of them hundreds of thousands of times.
    struct Face {
        QString name;
        double size;
        bool bold;
        bool underline;
        QFont font;
        QFontMetricsF metrics;
        QRawFont glyphs; // invalid where the system cannot give the tables
        mutable QHash<QString, SetText> shortTexts;
        // The last few long texts: each is measured, then printed, and a page's rule or
        // heading comes back on every line.
        mutable std::array<std::pair<QString, SetText>, 4> longTexts;
        mutable size_t nextLong = 0;
    };
    const Face &CurrentFace() const;
    // The text in the current face. The reference holds until the next text is set.
    const SetText &Set(const QString &text) const;
    // Adds the line's glyphs at the current position to the page's text; false when it must
    // be painted on its own.
    bool GatherGlyphs(const QString &line);
    // Paints the page's gathered text, one glyph run per font and colour.
    void PaintGlyphs();

    // The text of a page, gathered as glyphs: painting a page's words in a few runs costs a
    // fraction of painting each cell on its own, which long reports feel.
    struct GlyphBatch {
        const Face *face;
        quint32 color;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };

    std::unique_ptr<QPrinter> m_device;
    std::unique_ptr<QPrinter> m_spool;
    std::unique_ptr<QTemporaryDir> m_spoolDir; // while a job is being drawn for CUPS
    QString m_lastError;
    std::unique_ptr<QPainter> m_painter;
    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 10;
    bool m_bold = false;
    bool m_underline = false;
    mutable std::vector<std::unique_ptr<Face>> m_faces; // for the document's printer
    mutable Face *m_face = nullptr;                     // the current font's, once asked for
    std::vector<GlyphBatch> m_batches;
    mutable bool m_layoutKnown = false;
    mutable double m_xFactor = 1;
    mutable double m_yFactor = 1;
    double m_scaleWidth = 0;
    int m_page = 1;
    bool m_failed = false;
    bool m_cancelled = false;
    bool m_previewing = false;
    std::function<bool(int)> m_observer;
    std::vector<PrintedShape> *m_recorder = nullptr;
    std::vector<PrintedText> *m_textRecorder = nullptr;
};
