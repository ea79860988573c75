#include "support/Screens.h"

#include <QHeaderView>
#include <QWheelEvent>

namespace {

QStringList Column(const FlexGrid &grid, int col) {
    QStringList cells;
    for (int r = 1; r < grid.Rows(); ++r)
        cells << grid.TextMatrix(r, col);
    return cells;
}

// The cells down the first column; the second numbers the rows, 1 for the first.
void Fill(FlexGrid &grid, const QStringList &first) {
    grid.SetCols(2);
    grid.SetRows(first.size() + 1);
    for (int r = 1; r <= first.size(); ++r) {
        grid.SetTextMatrix(r, 0, first.at(r - 1));
        grid.SetTextMatrix(r, 1, QString::number(r));
    }
}

QList<int> Widths(const FlexGrid &grid) {
    QList<int> widths;
    for (int c = 0; c < grid.Cols(); ++c)
        widths << grid.columnWidth(c);
    return widths;
}

void Wheel(QWidget *target, int delta, int times = 1) {
    QWheelEvent event(QPointF(10, 10), target->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    for (int i = 0; i < times; ++i)
        QApplication::sendEvent(target, &event);
}

} // namespace

class TestFlexGrid : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { UnhookGridWheel(); }

    void sorts_data() {
        QTest::addColumn<QString>("cells"); // the column top to bottom, "|" between cells
        QTest::addColumn<FlexGrid::SortKind>("kind");
        QTest::addColumn<QString>("sorted");
        const FlexGrid::SortKind generic = FlexGrid::GenericAscending;
        QTest::newRow("generic: numbers as numbers") << "100|9.5|20" << generic << "9.5|20|100";
        QTest::newRow("generic: money as amounts")
            << "$100.00|$9.50|$1,000.00" << generic << "$9.50|$100.00|$1,000.00";
        QTest::newRow("generic: text, any case")
            << "pipe|Fittings|Adhesive|valves" << generic << "Adhesive|Fittings|pipe|valves";
        QTest::newRow("generic: numbers before text") << "Zinc|12||3" << generic << "3|12||Zinc";
        QTest::newRow("generic: equal rows keep order") << "B|A|B|A" << generic << "A|A|B|B";
        QTest::newRow("generic: negatives as numbers")
            << "5|abc|($1.00)|-2" << generic << "-2|($1.00)|5|abc";
        QTest::newRow("numeric: text counts as nought")
            << "5|abc|-2|10" << FlexGrid::NumericAscending << "-2|abc|5|10";
    }
    void sorts() {
        QFETCH(QString, cells);
        QFETCH(FlexGrid::SortKind, kind);
        QFETCH(QString, sorted);
        FlexGrid grid("grid", nullptr);
        const QStringList before = cells.split('|');
        Fill(grid, before); // the second column numbers the rows as they were
        grid.Sort(0, kind);
        QCOMPARE(Column(grid, 0), sorted.split('|'));
        QCOMPARE(grid.TextMatrix(0, 0), QString()); // the heading row stays where it is
        for (int r = 1; r < grid.Rows(); ++r) {     // whole rows move; equal rows keep their order
            const int was = grid.TextMatrix(r, 1).toInt();
            QCOMPARE(before.value(was - 1), grid.TextMatrix(r, 0));
            if (r > 1 && grid.TextMatrix(r, 0) == grid.TextMatrix(r - 1, 0))
                QVERIFY(was > grid.TextMatrix(r - 1, 1).toInt());
        }
    }

    void cellsAndRows() {
        FlexGrid grid("grid", nullptr);
        Fill(grid, {"a", "b", "c"});
        grid.SetRow(2);
        QCOMPARE(grid.Row(), 2);
        grid.RemoveItem(2);
        QCOMPARE(Column(grid, 0), QStringList({"a", "c"}));
        grid.SetRows(1);
        QCOMPARE(grid.Row(), 0); // no body left, so no current row
        // Typed cells read as the screens show them.
        grid.SetCols(3);
        grid.SetRows(2);
        grid.Model()->SetCell(1, 0, GridCell::Number(95000, GridCell::PlainMoney));
        grid.Model()->SetCell(1, 1, GridCell::Number(95000, GridCell::Money));
        grid.Model()->SetCell(1, 2, GridCell::Number(-7, GridCell::Integer));
        QCOMPARE(Column(grid, 0) + Column(grid, 1) + Column(grid, 2),
                 QStringList({"9.5", "$9.50", "-7"}));
        QCOMPARE(grid.Model()->data(grid.Model()->index(0, 1), Qt::DisplayRole).toString(),
                 QString("$9.50"));
        grid.Model()->SetColumnKind(0, GridCell::Money);
        QCOMPARE(grid.TextMatrix(1, 0), QString("$9.50"));
    }

    // Every column shows its heading and its cells whole, and is never narrower than the
    // screen asked; room to spare goes to the columns of text, else to the last column.
    void columnsFitHeadingsAndCells_data() {
        QTest::addColumn<QString>("headings"); // "|" between columns
        QTest::addColumn<QList<int>>("least"); // characters, as the screen asks
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<int>>("takers"); // the columns that get the room to spare
        QTest::newRow("names and categories share the room")
            << "Description|Category|Cost (Unit)|On-Hand" << QList<int>{10, 8, 6, 4}
            << QStringList{"Copper elbow 3/4 in sweat x sweat|Pipe & Fittings|$1,234.56|1200",
                           "Ball valve|Valves|$2.00|7"}
            << QList<int>{0, 1};
        QTest::newRow("headings wider than asked")
            << "Vendor Name|Account Number|Phone|Vendor Rec" << QList<int>{6, 5, 5, 3}
            << QStringList{"Gulf Supply|A-1|813-555-0199|2"} << QList<int>{0, 1, 2};
        QTest::newRow("asked wider than anything held")
            << "Re-order|Description" << QList<int>{8, 57} << QStringList{"400|Tee"}
            << QList<int>{1};
        QTest::newRow("numbers only: the last column")
            << "Qty|Cost|Rec" << QList<int>{3, 3, 3} << QStringList{"3|$12,345.00|9"}
            << QList<int>{2};
        QTest::newRow("no rows yet: the last column")
            << "Name|Rec" << QList<int>{4, 3} << QStringList{} << QList<int>{1};
    }
    void columnsFitHeadingsAndCells() {
        QFETCH(QString, headings);
        QFETCH(QList<int>, least);
        QFETCH(QStringList, rows);
        QFETCH(QList<int>, takers);
        QWidget screen;
        auto *grid = new FlexGrid("grid", &screen);
        const QStringList heads = headings.split('|');
        grid->SetCols(int(heads.size()));
        for (int c = 0; c < heads.size(); ++c) {
            grid->SetTextMatrix(0, c, heads[c]);
            grid->SetColWidthChars(c, least[c]);
        }
        grid->SetRows(int(rows.size()) + 1);
        for (int r = 1; r <= rows.size(); ++r) {
            const QStringList cells = rows[r - 1].split('|');
            for (int c = 0; c < cells.size(); ++c)
                grid->SetTextMatrix(r, c, cells[c]);
        }
        screen.resize(1200, 300);
        grid->setGeometry(0, 0, 60, 300);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));

        // Narrower than its columns need: it scrolls, and nothing is cut short.
        const auto fitted = [&] {
            QCOMPARE(CutHeadings(&screen), QStringList());
            const int average = grid->fontMetrics().averageCharWidth();
            for (int c = 0; c < grid->Cols(); ++c) {
                // the view's own measure of its cells, as resizing to contents uses
                QVERIFY2(grid->columnWidth(c) >=
                             static_cast<QAbstractItemView *>(grid)->sizeHintForColumn(c),
                         qPrintable(heads[c]));
                QVERIFY2(grid->columnWidth(c) >= least[c] * average, qPrintable(heads[c]));
            }
        };
        fitted();
        const QList<int> needed = Widths(*grid);
        QVERIFY(grid->horizontalHeader()->length() > grid->viewport()->width());

        // Wider: the room left over goes to the takers alone, and all of it.
        grid->resize(1100, 300);
        fitted();
        const QList<int> wide = Widths(*grid);
        for (int c = 0; c < grid->Cols(); ++c)
            QVERIFY2((wide[c] > needed[c]) == takers.contains(c), qPrintable(heads[c]));
        QCOMPARE(grid->horizontalHeader()->length(), grid->viewport()->width());

        // A longer text put into a cell later widens its column, once the screen is done.
        if (!rows.isEmpty()) {
            grid->resize(60, 300);
            grid->SetTextMatrix(1, grid->Cols() - 1, "Stainless steel hex nipple 1/2 in");
            Settle();
            fitted();
        }
    }

    void wheelScrollsAPage_data() {
        QTest::addColumn<int>("visibleRows");
        QTest::addColumn<int>("page");
        QTest::newRow("small grid: ten rows a notch") << 4 << 10;
        QTest::newRow("tall grid: its own height") << 25 << 25;
    }
    void wheelScrollsAPage() {
        QFETCH(int, visibleRows);
        QFETCH(int, page);
        QWidget screen;
        auto *grid = new FlexGrid("fgItems", &screen);
        Fill(*grid, QStringList(200, "part"));
        const int heading = grid->horizontalHeader()->sizeHint().height();
        grid->setGeometry(0, 0, 300, heading * visibleRows);
        screen.resize(320, heading * visibleRows + 20);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCOMPARE(grid->PageRows(), page);
        HookGridWheel(&screen, grid);
        grid->SetTopRow(1);
        Wheel(grid->viewport(), -120);
        QCOMPARE(grid->TopRow(), 1 + page);
        Wheel(&screen, -120); // over the screen itself: the hooked grid scrolls
        QCOMPARE(grid->TopRow(), 1 + 2 * page);
        Wheel(grid->viewport(), 120, 3);
        QCOMPARE(grid->TopRow(), 1);       // never above the first row
        Wheel(grid->viewport(), -120, 40); // at the end, the last rows are in view
        QVERIFY(grid->rowViewportPosition(198) < grid->viewport()->height());

        // Unhooked, the grid scrolls as any list does, a few rows a notch.
        UnhookGridWheel();
        grid->SetTopRow(1);
        Wheel(grid->viewport(), -120);
        QVERIFY(grid->TopRow() > 1 && grid->TopRow() < 1 + page);
    }

    void unloadingTheScreenReleasesTheHook() {
        auto *screen = new QWidget;
        auto *grid = new FlexGrid("fgItems", screen);
        Fill(*grid, {"a", "b"});
        HookGridWheel(screen, grid);
        delete screen;
        ScrollGridByWheel(-120, nullptr); // nothing left to scroll: no crash
    }
};

QTEST_MAIN(TestFlexGrid)
#include "tst_flexgrid.moc"
