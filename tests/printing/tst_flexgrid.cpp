#include "printing/FlexGrid.h"
#include "support/Gui.h"

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

    void typedCellsReadAsTheScreensShowThem() {
        FlexGrid grid("grid", nullptr);
        grid.SetCols(3);
        grid.SetRows(2);
        grid.Model()->SetCell(1, 0, GridCell::Number(95000, GridCell::PlainMoney));
        grid.Model()->SetCell(1, 1, GridCell::Number(95000, GridCell::Money));
        grid.Model()->SetCell(1, 2, GridCell::Number(-7, GridCell::Integer));
        QCOMPARE(grid.TextMatrix(1, 0), QString("9.5"));
        QCOMPARE(grid.TextMatrix(1, 1), QString("$9.50"));
        QCOMPARE(grid.TextMatrix(1, 2), QString("-7"));
        QCOMPARE(grid.Model()->data(grid.Model()->index(0, 1), Qt::DisplayRole).toString(),
                 QString("$9.50"));
        grid.Model()->SetColumnKind(0, GridCell::Money);
        QCOMPARE(grid.TextMatrix(1, 0), QString("$9.50"));
    }

    void rowsAndRemoval() {
        FlexGrid grid("grid", nullptr);
        Fill(grid, {"a", "b", "c"});
        grid.SetRow(2);
        QCOMPARE(grid.Row(), 2);
        grid.RemoveItem(2);
        QCOMPARE(Column(grid, 0), QStringList({"a", "c"}));
        grid.SetRows(1);
        QCOMPARE(grid.Row(), 0); // no body left, so no current row
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
