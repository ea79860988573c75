#include "shell/CommonDialog.h"

#include "printing/Printer.h"
#include "shell/Rev11Common.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPrintDialog>

CommonDialog::CommonDialog(QObject *parent) : QObject(parent) {
    setObjectName(QStringLiteral("dlgPrint"));
}

bool CommonDialog::ShowPrinter() {
    QPrintDialog dialog(&Printer::Current().device(), DialogParent());
    // No page range: every document prints whole. "Print to File (PDF)" stays among the
    // printers: on a desktop without one it is the only way to print.
    dialog.setOptions(QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintToFile |
                      QAbstractPrintDialog::PrintShowPageSize);
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

std::optional<QString> CommonDialog::ShowOpen(const QString &filter) {
    QFileDialog dialog(DialogParent());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    m_fileName = dialog.selectedFiles().first();
    return m_fileName;
}
