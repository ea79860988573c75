#include "base/CommonDialog.h"

#include "base/Forms.h"
#include "base/Rev11Common.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QStandardPaths>

QDir DocumentsFolder() {
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return documents.exists() ? documents : QDir::home();
}

CommonDialog *MenuDialogs() {
    Form *menu = LoadFormNamed(QStringLiteral("frmStartup"));
    return menu ? menu->findChild<CommonDialog *>(QStringLiteral("dlgPrint")) : nullptr;
}

CommonDialog::CommonDialog(QObject *parent) : QObject(parent) {
    setObjectName(QStringLiteral("dlgPrint"));
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

// Where the user last chose a file: the next file dialog opens there, as an export followed by
// its import expects.
QString LastFolder;

std::optional<QString> ChooseFile(QFileDialog::AcceptMode mode, const QString &filter,
                                  const QString &proposed = QString()) {
    QFileDialog dialog(DialogParent());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDirectory(LastFolder.isEmpty() || !QDir(LastFolder).exists() ? DocumentsFolder()
                                                                           : QDir(LastFolder));
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString file = dialog.selectedFiles().first();
    LastFolder = QFileInfo(file).absolutePath();
    return file;
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
