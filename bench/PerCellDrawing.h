#pragma once

#include "base/Controls.h"
#include "printing/Printer.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPrinter>

#include <functional>
#include <memory>
#include <vector>

// What the documents are measured against: their texts at the same places on the same pages,
// each cell painted with a QPainter::drawText of its own, as the documents once were. The
// document is drawn once with the printer's recorder on to learn its texts; the work returned
// paints them into a PDF at path.
inline std::function<void()> PerCellDrawing(const std::function<void()> &printDocument,
                                            const QString &path) {
    auto texts = std::make_shared<std::vector<PrintedText>>();
    Printer &printer = Printer::Current();
    printer.SetTextRecorder(texts.get());
    printDocument();
    printer.SetTextRecorder(nullptr);
    const QPageLayout layout = printer.device().pageLayout();
    return [texts, layout, path] {
        QPrinter device(QPrinter::HighResolution);
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setOutputFileName(path);
        device.setPageLayout(layout);
        QPainter painter(&device);
        const double across = device.logicalDpiX() / 1440.0;
        const double down = device.logicalDpiY() / 1440.0;
        struct Face {
            QFont font;
            double ascent;
        };
        QHash<QString, Face> faces;
        int page = 1;
        for (const PrintedText &text : *texts) {
            for (; page < text.page; ++page)
                device.newPage();
            const QString key = QStringLiteral("%1/%2/%3/%4")
                                    .arg(text.font)
                                    .arg(text.size)
                                    .arg(text.bold)
                                    .arg(text.underline);
            auto face = faces.find(key);
            if (face == faces.end()) {
                QFont font(text.font);
                font.setPointSizeF(text.size);
                font.setBold(text.bold);
                font.setUnderline(text.underline);
                const QFont onDevice(font, &device);
                face = faces.insert(key, {onDevice, QFontMetricsF(onDevice, &device).ascent()});
            }
            painter.setFont(face->font);
            painter.setPen(ColorFromValue(text.color));
            painter.drawText(QPointF(text.x * across, text.y * down + face->ascent), text.text);
        }
    };
}
