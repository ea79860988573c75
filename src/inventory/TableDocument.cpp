#include "inventory/TableDocument.h"

#include "base/CommonDialog.h"
#include "base/Rev11Common.h"
#include "base/StockHistory.h"
#include "inventory/ItemCsv.h"
#include "inventory/ItemExchange.h"
#include "printing/InventoryPrintRoutines.h"
#include "printing/PrintJob.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"

#include <QAbstractItemModel>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTableView>

#include <functional>

namespace {

bool NumberColumn(const QAbstractItemModel &rows, int column) {
    return rows.index(0, column).data(Qt::UserRole).isValid();
}

} // namespace

void ShowTable(QTableView *view, QStandardItemModel *rows, const QStringList &headings, int roomy) {
    rows->setHorizontalHeaderLabels(headings);
    view->setModel(rows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    // Fitted by the header rather than once by hand: a table fitted by hand loses the roomy
    // column's room when its rows are loaded again.
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setSectionResizeMode(roomy, QHeaderView::Stretch);
}

void ShowDate(QDateEdit *box, QDate day) {
    box->setCalendarPopup(true);
    box->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    box->setDate(day);
}

QDialogButtonBox *TableButtons(QDialog *dialog, QPushButton *print, QPushButton *exportRows) {
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    buttons->addButton(print, QDialogButtonBox::ActionRole);
    buttons->addButton(exportRows, QDialogButtonBox::ActionRole);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

void RowsLoaded(QDialog *dialog, const QAbstractItemModel &rows, QPushButton *print,
                QPushButton *exportRows) {
    print->setEnabled(rows.rowCount() > 0);
    exportRows->setEnabled(rows.rowCount() > 0);
    if (!StockHistory::LastError().isEmpty())
        MsgBox(StockHistory::LastError(), QMessageBox::Ok, dialog->windowTitle());
}

QStandardItem *NumberCell(const QString &shown, const QString &bare) {
    auto *cell = new QStandardItem(shown);
    cell->setData(bare, Qt::UserRole);
    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return cell;
}

void PrintTable(const QString &kind, const QString &title, const QString &subtitle,
                const QStringList &headings, const std::vector<double> &columnInches,
                const QAbstractItemModel &rows) {
    const auto draw = [&] {
        Printer &printer = Printer::Current();
        SetUpPrinter(QStringLiteral("Portrait"), 2);
        const auto line = [&](const std::function<QString(int)> &text) {
            for (int c = 0; c < headings.size(); ++c) {
                const bool last = c + 1 == headings.size();
                const double x = columnInches[size_t(c)] * 1440;
                const double end =
                    last ? printer.ScaleWidth() : columnInches[size_t(c) + 1] * 1440 - 120;
                PrintFitted(x, end - x, text(c), last, NumberColumn(rows, c));
            }
        };
        const auto pageTop = [&] {
            SetPrintFont(14, true, false);
            PrintAt(0.5, 0.5, title);
            SetPrintFont(10, false, false);
            PrintAt(0.5, 0, subtitle);
            printer.Print();
            SetPrintFont(10, true, false);
            line([&](int c) { return headings[c]; });
            SetPrintFont(10, false, false);
        };
        pageTop();
        for (int r = 0; r < rows.rowCount() && !printer.Cancelled(); ++r) {
            if (printer.CurrentY + printer.TextHeight() > printer.ScaleHeight() - 720) {
                printer.NewPage();
                pageTop();
            }
            line([&](int c) { return rows.index(r, c).data().toString(); });
        }
        return printer.EndDoc();
    };
    PrintWithDialog(title, QStringLiteral("The ") + kind + QStringLiteral(" will not be Printed"),
                    draw);
}

void ExportTable(const QString &title, const QStringList &headings,
                 const QAbstractItemModel &rows) {
    // A title's dates and fractions ("1/2") hold characters no file name may.
    QString name = title;
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("-"));
    const std::optional<QString> path =
        MenuDialogs()->ShowSave(CsvFilter(), name + QStringLiteral(".csv"));
    if (!path)
        return;
    std::vector<bool> numbers;
    for (int c = 0; c < headings.size(); ++c)
        numbers.push_back(NumberColumn(rows, c));
    std::vector<QStringList> lines;
    for (int r = 0; r < rows.rowCount(); ++r) {
        QStringList line;
        for (int c = 0; c < headings.size(); ++c)
            line << rows.index(r, c)
                        .data(numbers[size_t(c)] ? Qt::UserRole : Qt::DisplayRole)
                        .toString();
        lines.push_back(line);
    }
    WriteCsv(*path, TableToCsv(headings, lines, numbers), title);
}
