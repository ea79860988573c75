#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QTableView>

#include <array>
#include <vector>

// One cell of a grid. Numbers are kept as numbers and turned into text only when the cell is
// shown or read, so that tens of thousands of rows load and sort without formatting every
// amount up front. The text a cell reads as is always the text the screens show.
class GridCell {
public:
    enum Kind : quint8 {
        Text,       // any text
        Integer,    // whole number, plain decimal
        Money,      // ten-thousandths, the locale's currency format with two decimals
        PlainMoney, // ten-thousandths, plain decimal ("12.5"), as amounts are held for sorting
    };
    GridCell() = default;
    GridCell(const QString &text) : m_text(text) {}
    static GridCell Number(qint64 value, Kind kind) {
        GridCell cell;
        cell.m_kind = kind;
        cell.m_number = value;
        return cell;
    }
    Kind kind() const { return m_kind; }
    qint64 number() const { return m_number; }
    void setKind(Kind kind) { m_kind = kind; }
    QString text() const;

private:
    Kind m_kind = Text;
    qint64 m_number = 0;
    QString m_text;
};

class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Grid rows: row 0 is the heading, rows 1 and on are the body.
    int Rows() const { return int(m_cells.size() / size_t(std::max(1, m_cols))) + 1; }
    void SetRows(int rows);
    int Cols() const { return m_cols; }
    void SetCols(int cols);
    QString Text(int row, int col) const;
    void SetText(int row, int col, const QString &text);
    const GridCell &Cell(int row, int col) const;
    void SetCell(int row, int col, const GridCell &cell);
    void RemoveRow(int row);
    void SetColAlignment(int col, Qt::Alignment alignment);
    // Fills every body row at once (faster than cell by cell for a whole file).
    void SetBody(std::vector<GridCell> cells);
    // Empties the body and hands its storage over for refilling: reloading 32,767 rows into
    // the same memory spares the system handing out and taking back megabytes each time.
    std::vector<GridCell> TakeBody();
    // Adds body rows after the last one, the cells row by row.
    void AppendRows(const std::vector<GridCell> &cells);
    // Shows every body cell of the column as another kind of the same number.
    void SetColumnKind(int col, GridCell::Kind kind);
    void SortRows(const std::vector<int> &order); // order[i] = old body index of new row i

private:
    bool Valid(int row, int col) const;
    int m_cols = 0;
    std::vector<GridCell> m_cells; // body rows, row-major
    QStringList m_headings;
    std::vector<Qt::Alignment> m_alignments;
};

// The grid of the screens: a heading row over rows of cells, the current row and column,
// in-place sorts, and the mouse wheel scrolling a page at a time. Every column is at least as
// wide as the screen asked, its heading and the cells it holds; room to spare goes to the
// columns of text (names, categories), or to the last column when none holds text.
class FlexGrid : public QTableView {
    Q_OBJECT
public:
    enum SortKind { NumericAscending, GenericAscending };

    FlexGrid(const QString &name, QWidget *parent);

    int Rows() const { return m_model->Rows(); }
    void SetRows(int rows) { m_model->SetRows(rows); }
    int Cols() const { return m_model->Cols(); }
    void SetCols(int cols);
    QString TextMatrix(int row, int col) const { return m_model->Text(row, col); }
    void SetTextMatrix(int row, int col, const QString &text) { m_model->SetText(row, col, text); }
    FlexGridModel *Model() const { return m_model; }

    // The current row and column; row 0 means none of the body is current.
    int Row() const;
    void SetRow(int row);
    int Col() const;
    void RemoveItem(int row);
    int TopRow() const;
    void SetTopRow(int row);
    // The least width of a column, in characters of the grid's font, and its alignment.
    void SetColWidthChars(int col, int characters);
    void SetColAlignment(int col, Qt::Alignment alignment);

    // Sorts body rows by the column; rows that compare equal keep their order.
    void Sort(int col, SortKind kind);

    // The whole visible height counted in heading-row heights: one wheel notch scrolls that
    // many rows, and at least ten.
    int PageRows() const;

signals:
    // A click on a row, or Space or Enter on the row the arrows have reached.
    void Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Measures the body cells (x: column, y: model row), all of them while they are few, else
    // an even sample of their rows; true when a column needs more room than it had.
    bool MeasureCells(const QRect &cells);
    void MeasureAll();
    void NoteChanged(const QRect &cells);
    void MeasureChanged();
    // The width of a cell's text in the grid's font, never less than the text takes on screen.
    qreal TextWidth(const QString &text);
    // Sets every column to what it needs and shares out the room left in the view.
    void FitColumns();

    FlexGridModel *m_model;
    std::vector<int> m_leastWidths;        // as the screen asked
    std::vector<int> m_cellWidths;         // the widest cell measured
    std::vector<bool> m_textColumns;       // a measured cell held text that is no number
    std::array<qreal, 256> m_letterWidths; // Latin-1 letters as measured, -1 before
    QRect m_changedSpan;                   // the cells changed and not measured yet

    bool m_fitting = false;
};

// The mouse wheel over a screen scrolls its hooked grid a page per notch, whatever control
// under the pointer would otherwise take it. One hook at a time for the whole program.
void HookGridWheel(QWidget *screen, FlexGrid *grid);
void UnhookGridWheel();
// One notch: away from the user (delta > 0) a page up, towards the user a page down.
void ScrollGridByWheel(int delta, FlexGrid *grid);
