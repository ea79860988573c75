#include "shell/CommonDialog.h"

#include "printing/Printer.h"
#include "shell/Rev11Common.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// Where the user keeps documents; the home folder where there is no documents folder.
QDir DocumentsFolder() {
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return documents.exists() ? documents : QDir::home();
}

} // namespace

CommonDialog::CommonDialog(QObject *parent) : QObject(parent) {
    setObjectName(QStringLiteral("dlgPrint"));
}

bool CommonDialog::ShowPrinter(const QString &docName) {
    Printer::Current().ResetChoices();
    QPrinter &device = Printer::Current().device();
    // A print queue and a PDF viewer show what the document is and where it came from.
    device.setDocName(docName);
    device.setCreator(ProductName + u' ' + ProgramVersion.toString());
    QPrintDialog dialog(&device, DialogParent());
    // No page range: every document prints whole. "Print to File (PDF)" stays among the
    // printers: on a desktop without one it is the only way to print.
    dialog.setOptions(QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintToFile |
                      QAbstractPrintDialog::PrintShowPageSize);
    // A PDF goes where the user keeps documents, under the document's name: left to itself
    // the dialog would propose the folder the program was started from, the data folder.
    if (auto *file = dialog.findChild<QLineEdit *>(QStringLiteral("filename"))) {
        QString name = docName;
        name.replace(QRegularExpression(QStringLiteral("[/\\:*?\"<>|]")), QStringLiteral("-"));
        file->setText(DocumentsFolder().filePath(name + QStringLiteral(".pdf")));
    }
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QColor> CommonDialog::ShowColor(const QColor &current) {
    QColorDialog dialog(current, DialogParent());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<QString> CommonDialog::ShowFont(const QString &currentFamily) {
    QFontDialog dialog(QFont(currentFamily), DialogParent());
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont().family();
}

namespace {

std::optional<QString> ChooseFile(QFileDialog::AcceptMode mode, const QString &filter,
                                  const QString &proposed = QString()) {
    QFileDialog dialog(DialogParent());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    if (!proposed.isEmpty()) {
        dialog.setDirectory(DocumentsFolder());
        dialog.selectFile(proposed);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

std::optional<QString> CommonDialog::ShowOpen(const QString &filter) {
    std::optional<QString> file = ChooseFile(QFileDialog::AcceptOpen, filter);
    if (file)
        m_fileName = *file;
    return file;
}

std::optional<QString> CommonDialog::ShowOpenOther(const QString &filter) {
    return ChooseFile(QFileDialog::AcceptOpen, filter);
}

std::optional<QString> CommonDialog::ShowSave(const QString &filter, const QString &proposedName) {
    return ChooseFile(QFileDialog::AcceptSave, filter, proposedName);
}
