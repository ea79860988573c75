#pragma once

#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

// Every item with what it had on hand at the end of a past day, valued at that day's cost, as
// the stock history tells it.
class dlgStockOnDate : public QDialog {
    Q_OBJECT
public:
    explicit dlgStockOnDate(QWidget *parent);

    QDateEdit *dtOnDate;
    QTableView *tblStockOnDate;
    QLabel *lblTotalValue;
    QPushButton *cmdPrintStock;
    QPushButton *cmdExportStock;

    void Load();
    void PrintStock();
    void ExportStock();

private:
    QString Title() const;

    QStandardItemModel *m_rows;
};
