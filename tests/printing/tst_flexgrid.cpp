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

void Fill(FlexGrid &grid, const QStringList &first, const QStringList &second = {}) {
    grid.SetCols(2);
    grid.SetRows(first.size() + 1);
    for (int r = 1; r <= first.size(); ++r) {
        grid.SetTextMatrix(r, 0, first.at(r - 1));
        grid.SetTextMatrix(r, 1, second.value(r - 1, QString::number(r)));
    }
}

void Wheel(QWidget *target, int delta) {
    QWheelEvent event(QPointF(10, 10), target->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestFlexGrid : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { UnhookGridWheel(); }

    void sorts_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("generic: numbers as numbers")
            << int(FlexGrid::GenericAscending) << QStringList{"100", "9.5", "20"}
            << QStringList{"9.5", "20", "100"};
        QTest::newRow("generic: money as amounts")
            << int(FlexGrid::GenericAscending) << QStringList{"$100.00", "$9.50", "$1,000.00"}
            << QStringList{"$9.50", "$100.00", "$1,000.00"};
        QTest::newRow("generic: text, any case")
            << int(FlexGrid::GenericAscending)
            << QStringList{"pipe", "Fittings", "Adhesive", "valves"}
            << QStringList{"Adhesive", "Fittings", "pipe", "valves"};
        QTest::newRow("generic: numbers before text")
            << int(FlexGrid::GenericAscending) << QStringList{"Zinc", "12", "", "3"}
            << QStringList{"3", "12", "", "Zinc"};
        QTest::newRow("numeric: text counts as nought")
            << int(FlexGrid::NumericAscending) << QStringList{"5", "abc", "-2", "10"}
            << QStringList{"-2", "abc", "5", "10"};
    }
    void sorts() {
        QFETCH(int, kind);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, sorted);
        FlexGrid grid("grid", nullptr);
        Fill(grid, cells);
        grid.Sort(0, FlexGrid::SortKind(kind));
        QCOMPARE(Column(grid, 0), sorted);
        QCOMPARE(grid.TextMatrix(0, 0), QString()); // the heading row stays where it is
    }

    void sortKeepsTheOrderOfEqualRows() {
        FlexGrid grid("grid", nullptr);
        Fill(grid, {"B", "A", "B", "A"}, {"1", "2", "3", "4"});
        grid.Sort(0, FlexGrid::GenericAscending);
        QCOMPARE(Column(grid, 1), QStringList({"2", "4", "1", "3"}));
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
        QCOMPARE(grid.Rows(), 1);
        QCOMPARE(grid.Row(), 0);
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
        QStringList cells;
        for (int i = 1; i <= 200; ++i)
            cells << QString::number(i);
        Fill(*grid, cells);
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
        Wheel(grid->viewport(), 120);
        Wheel(grid->viewport(), 120);
        Wheel(grid->viewport(), 120);
        QCOMPARE(grid->TopRow(), 1); // never above the first row
        for (int i = 0; i < 40; ++i)
            Wheel(grid->viewport(), -120);
        QVERIFY(grid->TopRow() > 150); // at the end, the last rows are in view
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
        UnhookGridWheel();
    }
};

QTEST_MAIN(TestFlexGrid)
#include "tst_flexgrid.moc"
