#include "inventory/dlgStockHistory.h"

#include "base/StockHistory.h"
#include "inventory/TableDocument.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace {

const QStringList Headings = {QStringLiteral("Date"), QStringLiteral("What happened"),
                              QStringLiteral("Change"), QStringLiteral("On hand after"),
                              QStringLiteral("Reference")};

QString Title(const QString &description) {
    return QStringLiteral("Stock History - ") + description;
}

// What a movement's kind means to the user.
QString MovementText(MovementKind kind) {
    static const char *const texts[] = {
        "Added",    "Edited on the item screen",    "Picked",
        "Returned", "Received on a purchase order", "Imported from a spreadsheet",
        "Deleted",  "Changed outside this program"};
    return QString::fromLatin1(texts[int(kind)]);
}

} // namespace

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
    ShowDate(dtFrom, QDate::currentDate().addYears(-1));
    ShowDate(dtTo, QDate::currentDate());
    ShowTable(tblHistory, m_rows, Headings, 4); // the reference takes the room left

    QDialogButtonBox *buttons = TableButtons(this, cmdPrintHistory, cmdExportHistory);
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
        const QString change = QString::number(m.Change);
        const QString onHand = QString::number(m.OnHand);
        m_rows->appendRow(
            {new QStandardItem(locale.toString(m.At.toLocalTime(), QLocale::ShortFormat)),
             new QStandardItem(MovementText(m.Kind)), NumberCell(change, change),
             NumberCell(onHand, onHand), new QStandardItem(m.Reference)});
    }
    RowsLoaded(this, *m_rows, cmdPrintHistory, cmdExportHistory);
}

void dlgStockHistory::PrintHistory() {
    const QLocale locale;
    PrintTable(QStringLiteral("Stock History"), Title(m_description),
               QStringLiteral("%1, %2 to %3")
                   .arg(m_category.isEmpty() ? QStringLiteral("No category") : m_category,
                        locale.toString(dtFrom->date(), QLocale::ShortFormat),
                        locale.toString(dtTo->date(), QLocale::ShortFormat)),
               Headings, {0.5, 2.0, 4.3, 5.1, 6.3}, *m_rows);
}

void dlgStockHistory::ExportHistory() {
    ExportTable(Title(m_description), Headings, *m_rows);
}
