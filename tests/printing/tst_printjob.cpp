#include "inventory/InventoryReport.h"
#include "support/SaveKinds.h"
#include "support/Screens.h"

#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>

namespace {

// Presses the print progress's Cancel as soon as it shows, then runs then.
class ProgressCancel : public QObject {
public:
    explicit ProgressCancel(std::function<void()> then) : m_then(std::move(then)) {
        qApp->installEventFilter(this);
    }
    bool done = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *progress = qobject_cast<QProgressDialog *>(watched);
        if (!done && progress && event->type() == QEvent::Show) {
            done = true;
            progress->cancel();
            m_then();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

// What pdfinfo or pdffonts says of the file.
QString Tool(const QString &tool, const QString &pdf) {
    QProcess run;
    run.start(tool, {pdf});
    run.waitForFinished();
    return QString::fromUtf8(run.readAllStandardOutput());
}

} // namespace

class TestPrintJob : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() {
        Printer::Current().SetTextRecorder(nullptr);
        QVERIFY(EndScreenTest());
    }

    void previewShowsWhatPrints_data() {
        QTest::addColumn<int>("document");
        const std::vector<Document> documents = EveryDocument({});
        for (size_t k = 0; k < documents.size(); ++k)
            QTest::newRow(qPrintable(documents[k].name)) << int(k);
    }
    void previewShowsWhatPrints() {
        QFETCH(int, document);
        const Document doc = EveryDocument({})[size_t(document)];
        TestDataFolder data;
        data.write("/MyBusinessData.txt", AceBusinessData);
        VendorRecord vendor;
        vendor[VendorName] = "Gulf Supply";
        QVERIFY(SaveVendor(1, vendor));
        LoadForm<frmSetup>()->ckPreview->setChecked(true);
        QVERIFY(PreviewDocuments()); // kept for the next run
        const FolderSnapshot before = Snapshot(AppPath());
        QTemporaryDir out;
        const QString pdf = out.filePath("document.pdf");
        std::vector<PrintedText> texts;
        Printer::Current().SetTextRecorder(&texts);

        // Closing the preview is the document's cancel: no file, no message but its own.
        // In the documents folder, or the home folder without one; never the data folder.
        QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        if (document % 2)
            documents.mkpath(".");
        else
            documents.removeRecursively();
        const QString proposed =
            (documents.exists() ? documents : QDir::home()).filePath(doc.name + ".pdf");
        OnNextModal([&](QWidget *modal) {
            auto *file = modal->findChild<QLineEdit *>("filename");
            QCOMPARE(file->text(), proposed);
            // Every document prints whole: no page range is offered, and one copy is proposed.
            QVERIFY(!modal->findChild<QWidget *>("gbPrintRange")->isVisible());
            QCOMPARE(modal->findChild<QSpinBox *>("copies")->value(), 1);
            file->setText(pdf);
            static_cast<QDialog *>(modal)->accept();
        });
        AnswerPreview(false);
        auto cancelled = AnswerMessageBox(QMessageBox::Ok);
        QVERIFY(!PrintWithDialog(doc.name, "Not printed", doc.draw));
        QCOMPARE(cancelled->text, QString("Not printed"));
        QVERIFY(!QFile::exists(pdf));

        // Printed from the preview: the pages it showed, the words of its first page.
        texts.clear();
        int pages = 0;
        QStringList previewed, printed;
        PrintToPdf(pdf);
        AnswerPreview(true, [&](int shown) {
            pages = shown;
            for (const PrintedText &t : texts) {
                if (t.page == 1)
                    previewed << t.text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
            }
        });
        QVERIFY(PrintWithDialog(doc.name, "Not printed", doc.draw));
        for (const PdfWord &w : ReadPdfWords(pdf)) {
            if (w.page == 1)
                printed << w.text;
        }
        QVERIFY(pages >= 1 && previewed.size() > 3);
        QCOMPARE(PdfPageCount(pdf), pages);
        printed.sort();
        previewed.sort();
        QCOMPARE(printed, previewed);
        const QString info = Tool("pdfinfo", pdf);
        QVERIFY2(info.contains(
                     QRegularExpression("Title: +" + QRegularExpression::escape(doc.name) + "\n")),
                 qPrintable(info));
        // Outline fonts, embedded: a bitmap stand-in would print blurred and read as nothing.
        const QString fonts = Tool("pdffonts", pdf);
        QVERIFY2(!fonts.contains("Type 3") && fonts.contains("Sans"), qPrintable(fonts));
        QVERIFY(Snapshot(AppPath()) == before);
    }

    // Cancel on the progress while the preview draws the pages, then Close and Print wherever
    // a preview shows: the document is cancelled, and nothing stays modal.
    void progressCancelledDuringPreview_data() {
        QTest::addColumn<QString>("document");
        QTest::newRow("report") << InventoryReportTitle;
        QTest::newRow("price book") << QStringLiteral("Price Book");
    }
    void progressCancelledDuringPreview() {
        QFETCH(QString, document);
        DocumentText many;
        many.Rows = 3000; // long enough that the progress shows while the pages are drawn
        DrawDocument draw;
        for (const Document &doc : EveryDocument(many))
            draw = doc.name == document ? doc.draw : draw;
        TestDataFolder data;
        LoadForm<frmSetup>()->ckPreview->setChecked(true);
        SetProgressDelay(0);
        QTemporaryDir out;
        const QString pdf = out.filePath("document.pdf");
        PrintToPdf(pdf);
        bool previewShown = false;
        ProgressCancel cancel([&] {
            // A preview that showed after all is answered as a hurried user would.
            QTimer::singleShot(0, [&] {
                QWidget *preview = QApplication::activeModalWidget();
                if (!preview || preview->objectName() != "printPreview")
                    return;
                previewShown = true;
                for (const char *button : {"previewClose", "previewPrint"})
                    preview->findChild<QPushButton *>(button)->click();
            });
        });
        auto seen = AnswerMessageBox(QMessageBox::Ok);
        QVERIFY(!PrintWithDialog(document, "Not printed", draw));
        SetProgressDelay(1000);
        QVERIFY(cancel.done);
        QCOMPARE(seen->text, QString("Not printed"));
        QVERIFY(!previewShown);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(!QApplication::activeModalWidget());
        bool answered = false; // the program's event loop still runs
        QTimer::singleShot(0, [&] { answered = true; });
        QTRY_VERIFY(answered);
    }
};

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
