#include "inventory/ItemExchange.h"

#include "base/CommonDialog.h"
#include "base/Rev11Common.h"
#include "inventory/ItemCsv.h"
#include "inventory/ItemFile.h"
#include "inventory/StockMoves.h"
#include "inventory/frmServices.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Items and Spreadsheets");

QString Count(size_t n, const char *thing) {
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(thing)).arg(n == 1 ? "" : "s");
}

// What the import will do, and every row it refuses; true when the user goes ahead.
bool ConfirmImport(const QString &path, const ItemImport &plan) {
    QDialog dialog(DialogParent());
    dialog.setObjectName(QStringLiteral("importItems"));
    dialog.setWindowTitle(QStringLiteral("Import Items"));
    QString summary = QStringLiteral("%1\n\nThe file adds %2 and updates %3 (%4 unchanged).")
                          .arg(QDir::toNativeSeparators(path), Count(size_t(plan.Added), "item"),
                               Count(size_t(plan.Updated), "item"))
                          .arg(plan.Unchanged);
    if (!plan.Refused.empty())
        summary += QStringLiteral("\n%1 not taken:").arg(Count(plan.Refused.size(), "row"));
    auto *label = new QLabel(summary, &dialog);
    label->setObjectName(QStringLiteral("summary"));
    label->setWordWrap(true);
    auto *refused = new QPlainTextEdit(&dialog);
    refused->setObjectName(QStringLiteral("refused"));
    refused->setReadOnly(true);
    QStringList lines;
    for (const RefusedRow &row : plan.Refused)
        lines << QStringLiteral("Line %1: %2").arg(row.Line).arg(row.Reason);
    refused->setPlainText(lines.join(u'\n'));
    refused->setVisible(!plan.Refused.empty());
    auto *buttons = new QDialogButtonBox(&dialog);
    if (plan.Added + plan.Updated > 0) {
        buttons->addButton(QStringLiteral("Import"), QDialogButtonBox::AcceptRole)
            ->setObjectName(QStringLiteral("import"));
    }
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(refused, 1);
    layout->addWidget(buttons);
    dialog.resize(620, plan.Refused.empty() ? 180 : 420);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

QString CsvFilter() {
    return QStringLiteral("CSV files (*.csv);;All files (*)");
}

bool WriteCsv(const QString &path, const QByteArray &bytes, const QString &title) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    MsgBox(QStringLiteral("The file %1 could not be written.").arg(QDir::toNativeSeparators(path)),
           QMessageBox::Ok, title);
    return false;
}

void ExportItems() {
    const std::optional<QString> path =
        MenuDialogs()->ShowSave(CsvFilter(), QStringLiteral("Items.csv"));
    if (!path)
        return;
    const std::vector<ItemRecord> items = ReadAllItems();
    if (!WriteCsv(*path, ItemsToCsv(items), Title))
        return;
    MsgBox(QStringLiteral("%1 written to %2.")
               .arg(Count(items.size(), "item"), QDir::toNativeSeparators(*path)),
           QMessageBox::Ok, Title);
}

void ImportItems() {
    const std::optional<QString> path = MenuDialogs()->ShowOpenOther(CsvFilter());
    if (!path)
        return;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        MsgBox(
            QStringLiteral("The file %1 could not be read.").arg(QDir::toNativeSeparators(*path)),
            QMessageBox::Ok, Title);
        return;
    }
    QString error;
    const std::optional<ItemImport> plan = PlanItemImport(file.readAll(), ReadAllItems(), &error);
    if (!plan) {
        MsgBox(error, QMessageBox::Ok, Title);
        return;
    }
    if (!ConfirmImport(*path, *plan))
        return;
    const std::vector<Movement> movements = CountChanges(
        ReadAllItems(), plan->Items, MovementKind::Imported, QFileInfo(*path).fileName());
    if (!SaveWithHistory(movements, [&] { return RewriteItemsFile(plan->Items, &error); })) {
        MsgBox(error, QMessageBox::Ok, Title);
        return;
    }
    // The screens that hold the items show the file as it now is.
    if (auto *services = static_cast<frmServices *>(LoadedForm(QStringLiteral("frmServices"))))
        services->LoadSalesItems();
    if (Form *menu = LoadedForm(QStringLiteral("frmStartup")))
        menu->Form_Activate(); // which routines the items now allow
    MsgBox(QStringLiteral("%1 added and %2 updated.")
               .arg(Count(size_t(plan->Added), "item"), Count(size_t(plan->Updated), "item")),
           QMessageBox::Ok, Title);
}
