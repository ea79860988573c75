#include "support/Pdf.h"

#include "support/Gui.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

void PrintToPdf(const QString &path, const std::function<void()> &afterAccept) {
    OnNextModal([path, afterAccept](QWidget *modal) {
        auto *dialog = qobject_cast<QDialog *>(modal);
        QVERIFY2(dialog && modal->inherits("QPrintDialog"), "expected the print dialog");
        if (auto *printers = modal->findChild<QComboBox *>(QStringLiteral("printers"))) {
            for (int i = 0; i < printers->count(); ++i) {
                if (printers->itemText(i).contains(QLatin1String("PDF")))
                    printers->setCurrentIndex(i);
            }
        }
        auto *file = modal->findChild<QLineEdit *>(QStringLiteral("filename"));
        QVERIFY(file);
        file->setText(path);
        dialog->accept();
        if (afterAccept)
            afterAccept();
    });
}

void PrintToQueue(const QString &queue, int copies, const QString &paper,
                  const std::function<void()> &afterAccept) {
    OnNextModal([=](QWidget *modal) {
        QVERIFY2(modal->inherits("QPrintDialog"), "expected the print dialog");
        auto *printers = modal->findChild<QComboBox *>(QStringLiteral("printers"));
        QVERIFY(printers && printers->findText(queue) >= 0);
        printers->setCurrentIndex(printers->findText(queue));
        modal->findChild<QSpinBox *>(QStringLiteral("copies"))->setValue(copies);
        // The paper is chosen in the printer's properties, a dialog of its own.
        QTimer::singleShot(0, [paper] {
            QWidget *properties = QApplication::activeModalWidget();
            auto *sizes = properties->findChild<QComboBox *>(QStringLiteral("pageSizeCombo"));
            QVERIFY2(sizes, "expected the paper sizes");
            const int size = sizes->findText(paper, Qt::MatchContains);
            QVERIFY2(size >= 0, qPrintable(paper));
            sizes->setCurrentIndex(size);
            static_cast<QDialog *>(properties)->accept();
        });
        modal->findChild<QPushButton *>(QStringLiteral("properties"))->click();
        static_cast<QDialog *>(modal)->accept();
        if (afterAccept)
            afterAccept();
    });
}

void CancelPrintDialog() {
    OnNextModal([](QWidget *modal) {
        QVERIFY(modal->inherits("QPrintDialog"));
        static_cast<QDialog *>(modal)->reject();
    });
}

void AnswerPreview(bool print, const std::function<void(int pages)> &seen) {
    OnNextModal([print, seen](QWidget *modal) {
        auto *view = modal->findChild<QPrintPreviewWidget *>(QStringLiteral("preview"));
        QVERIFY2(view, "expected the print preview");
        if (seen)
            seen(view->pageCount());
        modal
            ->findChild<QPushButton *>(print ? QStringLiteral("previewPrint")
                                             : QStringLiteral("previewClose"))
            ->click();
    });
}

QList<PdfWord> ReadPdfWords(const QString &path) {
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("words.html"));
    QProcess::execute(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, html});
    QFile file(html);
    QList<PdfWord> words;
    if (!file.open(QIODevice::ReadOnly))
        return words;
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression item(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    int page = 0;
    for (auto it = item.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        QString word = m.captured(5);
        word.replace(QLatin1String("&amp;"), QLatin1String("&"))
            .replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&apos;"), QLatin1String("'"));
        words.append({word, m.captured(1).toDouble(), m.captured(2).toDouble(),
                      m.captured(3).toDouble(), m.captured(4).toDouble(), page});
    }
    return words;
}

int PdfPageCount(const QString &path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(QString::fromUtf8(info.readAllStandardOutput())).captured(1).toInt();
}

PdfWord FindWord(const QList<PdfWord> &words, const QString &text, int page) {
    for (const PdfWord &word : words) {
        if (word.text == text && (page <= 0 || word.page == page))
            return word;
    }
    return {QString(), 0, 0, 0, 0, 0};
}

QList<PdfWord> LineOf(const QList<PdfWord> &words, const PdfWord &word) {
    QList<PdfWord> line;
    for (const PdfWord &w : words) {
        if (w.page == word.page && std::abs(w.yMin - word.yMin) < 1)
            line << w;
    }
    return line;
}

QStringList WordTexts(const QList<PdfWord> &words) {
    QStringList texts;
    for (const PdfWord &word : words)
        texts << word.text;
    return texts;
}
