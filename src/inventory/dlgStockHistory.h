#pragma once

#include <QDialog>

class QDateEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;

// An item's stock history: its movements between two dates, newest first, to read, print or
// export to a spreadsheet.
class dlgStockHistory : public QDialog {
    Q_OBJECT
public:
    dlgStockHistory(const QString &description, const QString &category, QWidget *parent);

    QTableView *tblHistory;
    QDateEdit *dtFrom;
    QDateEdit *dtTo;
    QPushButton *cmdPrintHistory;
    QPushButton *cmdExportHistory;

    void Load();
    void PrintHistory();
    void ExportHistory();

private:
    QString m_description;
    QString m_category;
    QStandardItemModel *m_rows;
};
