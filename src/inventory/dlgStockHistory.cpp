#include "inventory/dlgStockHistory.h"

#include "base/CommonDialog.h"
#include "base/Rev11Common.h"
#include "base/StockHistory.h"
#include "inventory/ItemCsv.h"
#include "printing/InventoryPrintRoutines.h"
#include "printing/PrintJob.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardItemModel>
#include <QTableView>

namespace {

const QStringList Headings = {QStringLiteral("Date"), QStringLiteral("What happened"),
                              QStringLiteral("Change"), QStringLiteral("On hand after"),
                              QStringLiteral("Reference")};

QString Title(const QString &description) {
    return QStringLiteral("Stock History - ") + description;
}

} // namespace

QString MovementText(int kind) {
    static const char *const texts[] = {
        "Added",    "Edited on the item screen",    "Picked",
        "Returned", "Received on a purchase order", "Imported from a spreadsheet",
        "Deleted",  "Changed outside this program"};
    return QString::fromLatin1(texts[kind]);
}

dlgStockHistory::dlgStockHistory(const QString &description, const QString &category,
                                 QWidget *parent)
    : QDialog(parent), tblHistory(new QTableView(this)), dtFrom(new QDateEdit(this)),
      dtTo(new QDateEdit(this)), cmdPrintHistory(new QPushButton(QStringLiteral("&Print"), this)),
      cmdExportHistory(new QPushButton(QStringLiteral("&Export..."), this)),
      m_description(description), m_category(category), m_rows(new QStandardItemModel(this)) {
    setObjectName(QStringLiteral("dlgStockHistory"));
    setWindowTitle(Title(description));
    tblHistory->setObjectName(QStringLiteral("tblHistory"));
    dtFrom->setObjectName(QStringLiteral("dtFrom"));
    dtTo->setObjectName(QStringLiteral("dtTo"));
    cmdPrintHistory->setObjectName(QStringLiteral("cmdPrintHistory"));
    cmdExportHistory->setObjectName(QStringLiteral("cmdExportHistory"));
    for (QDateEdit *date : {dtFrom, dtTo}) {
        date->setCalendarPopup(true);
        date->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    }
    const QDate today = QDate::currentDate();
    dtFrom->setDate(today.addYears(-1));
    dtTo->setDate(today);
    m_rows->setHorizontalHeaderLabels(Headings);
    tblHistory->setModel(m_rows);
    tblHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblHistory->verticalHeader()->hide();
    tblHistory->horizontalHeader()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(cmdPrintHistory, QDialogButtonBox::ActionRole);
    buttons->addButton(cmdExportHistory, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdPrintHistory, &QPushButton::clicked, this, &dlgStockHistory::PrintHistory);
    connect(cmdExportHistory, &QPushButton::clicked, this, &dlgStockHistory::ExportHistory);
    connect(dtFrom, &QDateEdit::dateChanged, this, &dlgStockHistory::Load);
    connect(dtTo, &QDateEdit::dateChanged, this, &dlgStockHistory::Load);

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("%1 (%2)").arg(description, category), this), 0, 0,
                      1, 4);
    layout->addWidget(new QLabel(QStringLiteral("From"), this), 1, 0);
    layout->addWidget(dtFrom, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("To"), this), 1, 2);
    layout->addWidget(dtTo, 1, 3);
    layout->addWidget(tblHistory, 2, 0, 1, 5);
    layout->addWidget(buttons, 3, 0, 1, 5);
    layout->setColumnStretch(4, 1);
    resize(760, 480);
    Load();
}

void dlgStockHistory::Load() {
    m_rows->removeRows(0, m_rows->rowCount());
    const std::vector<Movement> movements =
        StockHistory::ItemHistory(m_description, m_category, dtFrom->date(), dtTo->date());
    const QLocale locale;
    for (const Movement &m : movements) {
        QList<QStandardItem *> row;
        for (const QString &text :
             {locale.toString(m.At.toLocalTime(), QLocale::ShortFormat), MovementText(int(m.Kind)),
              QString::number(m.Change), QString::number(m.OnHand), m.Reference})
            row << new QStandardItem(text);
        row[2]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row[3]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_rows->appendRow(row);
    }
    tblHistory->resizeColumnsToContents();
    const bool any = m_rows->rowCount() > 0;
    cmdPrintHistory->setEnabled(any);
    cmdExportHistory->setEnabled(any);
    if (!StockHistory::LastError().isEmpty())
        MsgBox(StockHistory::LastError(), QMessageBox::Ok, windowTitle());
}

void dlgStockHistory::PrintHistory() {
    const double columns[] = {0.5, 2.0, 4.3, 5.1, 6.3}; // inches
    PrintWithDialog(
        Title(m_description), QStringLiteral("The Stock History will not be Printed"), [&] {
            Printer &printer = Printer::Current();
            SetUpPrinter(QStringLiteral("Portrait"), 2);
            const auto heading = [&] {
                SetPrintFont(14, true, false);
                PrintAt(0.5, 0.5, Title(m_description));
                SetPrintFont(10, false, false);
                PrintAt(0.5, 0,
                        QStringLiteral("%1, %2 to %3")
                            .arg(m_category.isEmpty() ? QStringLiteral("No category") : m_category,
                                 QLocale().toString(dtFrom->date(), QLocale::ShortFormat),
                                 QLocale().toString(dtTo->date(), QLocale::ShortFormat)));
                printer.Print();
                SetPrintFont(10, true, false);
                for (int c = 0; c < Headings.size(); ++c)
                    PrintAt(columns[c], 0, Headings[c], c + 1 == Headings.size());
                SetPrintFont(10, false, false);
            };
            heading();
            for (int r = 0; r < m_rows->rowCount() && !printer.Cancelled(); ++r) {
                if (printer.CurrentY + printer.TextHeight() > printer.ScaleHeight() - 720) {
                    printer.NewPage();
                    heading();
                }
                for (int c = 0; c < Headings.size(); ++c) {
                    const double x = columns[c] * 1440;
                    const double width =
                        (c + 1 < Headings.size() ? columns[c + 1] * 1440 : printer.ScaleWidth()) -
                        x - 120;
                    PrintFitted(x, width, m_rows->item(r, c)->text(), c + 1 == Headings.size());
                }
            }
            return printer.EndDoc();
        });
}

void dlgStockHistory::ExportHistory() {
    const std::optional<QString> path = MenuDialogs()->ShowSave(
        QStringLiteral("CSV files (*.csv);;All files (*)"), Title(m_description) + ".csv");
    if (!path)
        return;
    std::vector<QStringList> rows;
    for (int r = 0; r < m_rows->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < Headings.size(); ++c)
            row << m_rows->item(r, c)->text();
        rows.push_back(row);
    }
    QSaveFile file(*path);
    const QByteArray csv = TableToCsv(Headings, rows);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
        MsgBox(QStringLiteral("The file %1 could not be written.")
                   .arg(QDir::toNativeSeparators(*path)),
               QMessageBox::Ok, windowTitle());
}
