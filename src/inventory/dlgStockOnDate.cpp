#include "inventory/dlgStockOnDate.h"

#include "base/StockHistory.h"
#include "common/Currency.h"
#include "inventory/ItemCsv.h"
#include "inventory/TableDocument.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace {

const QStringList Headings = {QStringLiteral("Description"), QStringLiteral("Category"),
                              QStringLiteral("On hand"), QStringLiteral("Unit cost"),
                              QStringLiteral("Value")};

} // namespace

dlgStockOnDate::dlgStockOnDate(QWidget *parent)
    : QDialog(parent), dtOnDate(new QDateEdit(this)), tblStockOnDate(new QTableView(this)),
      lblTotalValue(new QLabel(this)),
      cmdPrintStock(new QPushButton(QStringLiteral("&Print"), this)),
      cmdExportStock(new QPushButton(QStringLiteral("&Export..."), this)),
      m_rows(new QStandardItemModel(this)) {
    setObjectName(QStringLiteral("dlgStockOnDate"));
    setWindowTitle(QStringLiteral("Stock on a Date"));
    dtOnDate->setObjectName(QStringLiteral("dtOnDate"));
    tblStockOnDate->setObjectName(QStringLiteral("tblStockOnDate"));
    lblTotalValue->setObjectName(QStringLiteral("lblTotalValue"));
    cmdPrintStock->setObjectName(QStringLiteral("cmdPrintStock"));
    cmdExportStock->setObjectName(QStringLiteral("cmdExportStock"));
    ShowDate(dtOnDate, QDate::currentDate());
    ShowTable(tblStockOnDate, m_rows, Headings, 0); // the description takes the room left

    QDialogButtonBox *buttons = TableButtons(this, cmdPrintStock, cmdExportStock);
    connect(cmdPrintStock, &QPushButton::clicked, this, &dlgStockOnDate::PrintStock);
    connect(cmdExportStock, &QPushButton::clicked, this, &dlgStockOnDate::ExportStock);
    connect(dtOnDate, &QDateEdit::dateChanged, this, &dlgStockOnDate::Load);

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("On hand at the end of"), this), 0, 0);
    layout->addWidget(dtOnDate, 0, 1);
    layout->addWidget(tblStockOnDate, 1, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Total value at cost:"), this), 2, 0);
    layout->addWidget(lblTotalValue, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    resize(820, 560);
    Load();
}

QString dlgStockOnDate::Title() const {
    return QStringLiteral("Stock on ") + QLocale().toString(dtOnDate->date(), QLocale::ShortFormat);
}

void dlgStockOnDate::Load() {
    m_rows->removeRows(0, m_rows->rowCount());
    qint64 total = 0; // ten-thousandths
    for (const CountOnDate &row : StockHistory::StockOn(dtOnDate->date())) {
        const Currency cost = Currency::fromTenThousandths(row.Cost.value_or(0));
        const Currency value = cost.times(row.OnHand).value_or(Currency());
        total += value.tenThousandths();
        const QString onHand = QString::number(row.OnHand);
        m_rows->appendRow(
            {new QStandardItem(row.Description), new QStandardItem(row.Category),
             NumberCell(onHand, onHand),
             row.Cost ? NumberCell(cost.toString(), PlainAmount(cost)) : NumberCell({}, {}),
             NumberCell(value.toString(), PlainAmount(value))});
    }
    lblTotalValue->setText(Currency::fromTenThousandths(total).toString());
    RowsLoaded(this, *m_rows, cmdPrintStock, cmdExportStock);
}

void dlgStockOnDate::PrintStock() {
    PrintTable(QStringLiteral("Stock on a Date"), Title(),
               QStringLiteral("Total value at cost: ") + lblTotalValue->text(), Headings,
               {0.5, 3.6, 5.0, 5.8, 6.8}, *m_rows);
}

void dlgStockOnDate::ExportStock() {
    ExportTable(Title(), Headings, *m_rows);
}
