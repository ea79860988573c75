#include "printing/PrintJob.h"

#include "base/Rev11Common.h"
#include "base/ScreenLayout.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QPrintPreviewWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include <memory>

namespace {

int ProgressDelayMs = 1000;

// The pages done, shown once the document has taken longer than a second, with a Cancel
// button; short documents never show it.
class PrintProgress {
public:
    PrintProgress() {
        m_clock.start();
        Printer::Current().SetPageObserver([this](int pages) { return PageDone(pages); });
    }
    ~PrintProgress() { Printer::Current().SetPageObserver({}); }
    PrintProgress(const PrintProgress &) = delete;
    PrintProgress &operator=(const PrintProgress &) = delete;

private:
    bool PageDone(int pages) {
        if (!m_dialog) {
            if (m_clock.elapsed() < ProgressDelayMs)
                return true;
            m_dialog = std::make_unique<QProgressDialog>(QString(), QStringLiteral("Cancel"), 0, 0,
                                                         DialogParent());
            m_dialog->setObjectName(QStringLiteral("printProgress"));
            m_dialog->setWindowTitle(Printer::Current().device().docName());
            m_dialog->setWindowModality(Qt::ApplicationModal);
            m_dialog->setAutoClose(false);
            m_dialog->setAutoReset(false);
            m_dialog->setMinimumDuration(0);
            m_dialog->setMinimumWidth(360);
            m_dialog->show();
        }
        // A few times a second is enough for the eye and for the Cancel button.
        if (m_shown.isValid() && m_shown.elapsed() < 100)
            return !m_dialog->wasCanceled();
        m_shown.start();
        m_dialog->setLabelText(QStringLiteral("Printing: %1 pages done").arg(pages));
        QCoreApplication::processEvents();
        return !m_dialog->wasCanceled();
    }

    QElapsedTimer m_clock;
    QElapsedTimer m_shown; // since the dialog was last brought up to date
    std::unique_ptr<QProgressDialog> m_dialog;
};

PrintResult Print(const DrawDocument &draw) {
    PrintProgress progress;
    const bool drawn = draw();
    if (Printer::Current().Cancelled())
        return PrintResult::Cancelled;
    return drawn ? PrintResult::Printed : PrintResult::Failed;
}

QDialog *PreviewDialog(QPrintPreviewWidget *&view) {
    Printer &printer = Printer::Current();
    auto *dialog = new QDialog(DialogParent());
    dialog->setObjectName(QStringLiteral("printPreview"));
    dialog->setWindowTitle(QStringLiteral("Print Preview - ") + printer.device().docName());
    view = new QPrintPreviewWidget(&printer.device(), dialog);
    view->setObjectName(QStringLiteral("preview"));
    auto *tools = new QToolBar(dialog);
    tools->addAction(QStringLiteral("Fit Width"), view, &QPrintPreviewWidget::fitToWidth);
    tools->addAction(QStringLiteral("Whole Page"), view, &QPrintPreviewWidget::fitInView);
    tools->addAction(QStringLiteral("Zoom In"), view, [view] { view->zoomIn(); });
    tools->addAction(QStringLiteral("Zoom Out"), view, [view] { view->zoomOut(); });
    tools->addAction(QStringLiteral("Previous Page"), view,
                     [view] { view->setCurrentPage(view->currentPage() - 1); });
    tools->addAction(QStringLiteral("Next Page"), view,
                     [view] { view->setCurrentPage(view->currentPage() + 1); });
    auto *buttons = new QDialogButtonBox(dialog);
    QPushButton *print = buttons->addButton(QStringLiteral("Print"), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("previewPrint"));
    QPushButton *close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("previewClose"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(tools);
    layout->addWidget(view, 1);
    layout->addWidget(buttons);
    dialog->resize(900, 760);
    return dialog;
}

PrintResult Preview(const DrawDocument &draw) {
    Printer &printer = Printer::Current();
    QPrintPreviewWidget *view = nullptr;
    const std::unique_ptr<QDialog> dialog(PreviewDialog(view));
    bool drawn = true;
    bool cancelled = false;
    QObject::connect(view, &QPrintPreviewWidget::paintRequested, dialog.get(), [&] {
        printer.SetPreviewing(true);
        PrintProgress progress;
        drawn = draw();
        cancelled = printer.Cancelled();
        printer.SetPreviewing(false);
    });
    // Every page is drawn before the preview shows: the progress of a long document lets events
    // through, and a Close or Print handled on a half-shown dialog would leave it open for good.
    view->updatePreview();
    if (cancelled)
        return PrintResult::Cancelled;
    if (!drawn)
        return PrintResult::Failed;
    if (dialog->exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    return Print(draw);
}

} // namespace

void SetProgressDelay(int milliseconds) {
    ProgressDelayMs = milliseconds;
}

PrintResult PrintDocument(const DrawDocument &draw, bool offerPreview) {
    return offerPreview && PreviewDocuments() ? Preview(draw) : Print(draw);
}

bool ReportPrintResult(PrintResult result, const QString &cancelMessage) {
    if (result == PrintResult::Failed)
        ReportPrintError();
    else if (result == PrintResult::Cancelled && !cancelMessage.isEmpty())
        MsgBox(cancelMessage);
    return result == PrintResult::Printed;
}

bool PrintWithDialog(const QString &docName, const QString &cancelMessage,
                     const DrawDocument &draw) {
    if (!ShowPrintDialog(docName))
        return ReportPrintResult(PrintResult::Cancelled, cancelMessage);
    return ReportPrintResult(PrintDocument(draw), cancelMessage);
}
