#include "printing/FlexGrid.h"

#include "common/Currency.h"
#include "common/NumberText.h"

#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <utility>

QString GridCell::text() const {
    switch (m_kind) {
    case Integer:
        return QString::number(m_number);
    case Money:
        return Currency::fromTenThousandths(m_number).toString();
    case PlainMoney:
        return Currency::fromTenThousandths(m_number).toPlainString();
    case Text:
        break;
    }
    return m_text;
}

// ---- model ----

int FlexGridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : Rows() - 1;
}

int FlexGridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_cols;
}

QVariant FlexGridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return Cell(index.row() + 1, index.column()).text();
    if (role == Qt::TextAlignmentRole)
        return int(m_alignments[size_t(index.column())] | Qt::AlignVCenter);
    return {};
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_cols)
        return {};
    if (role == Qt::DisplayRole)
        return m_headings.value(section);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

bool FlexGridModel::Valid(int row, int col) const {
    return row >= 0 && row < Rows() && col >= 0 && col < m_cols;
}

void FlexGridModel::SetRows(int rows) {
    const int body = std::max(0, rows - 1);
    const int old = Rows() - 1;
    if (body == old || m_cols == 0) {
        if (m_cols == 0)
            m_cells.clear();
        return;
    }
    if (body > old) {
        beginInsertRows({}, old, body - 1);
        m_cells.resize(size_t(body) * size_t(m_cols));
        endInsertRows();
    } else {
        beginRemoveRows({}, body, old - 1);
        m_cells.resize(size_t(body) * size_t(m_cols));
        endRemoveRows();
    }
}

void FlexGridModel::SetCols(int cols) {
    beginResetModel();
    m_cols = std::max(0, cols);
    m_cells.clear();
    while (m_headings.size() < m_cols)
        m_headings << QString();
    m_alignments.resize(size_t(m_cols), Qt::AlignLeft);
    endResetModel();
}

const GridCell &FlexGridModel::Cell(int row, int col) const {
    static const GridCell empty;
    if (!Valid(row, col) || row == 0)
        return empty;
    return m_cells[size_t(row - 1) * size_t(m_cols) + size_t(col)];
}

QString FlexGridModel::Text(int row, int col) const {
    if (row == 0)
        return col >= 0 && col < m_cols ? m_headings.value(col) : QString();
    return Cell(row, col).text();
}

void FlexGridModel::SetText(int row, int col, const QString &text) {
    SetCell(row, col, text);
}

void FlexGridModel::SetCell(int row, int col, const GridCell &cell) {
    if (!Valid(row, col))
        return;
    if (row == 0) {
        m_headings[col] = cell.text();
        emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    m_cells[size_t(row - 1) * size_t(m_cols) + size_t(col)] = cell;
    const QModelIndex at = index(row - 1, col);
    emit dataChanged(at, at);
}

void FlexGridModel::RemoveRow(int row) {
    if (row < 1 || row >= Rows())
        return;
    beginRemoveRows({}, row - 1, row - 1);
    const auto first = m_cells.begin() + std::ptrdiff_t(row - 1) * m_cols;
    m_cells.erase(first, first + m_cols);
    endRemoveRows();
}

void FlexGridModel::SetColAlignment(int col, Qt::Alignment alignment) {
    if (col < 0 || col >= m_cols)
        return;
    m_alignments[size_t(col)] = alignment;
    if (Rows() > 1)
        emit dataChanged(index(0, col), index(Rows() - 2, col));
}

void FlexGridModel::SetBody(std::vector<GridCell> cells) {
    beginResetModel();
    m_cells = std::move(cells);
    m_cells.resize(m_cells.size() - m_cells.size() % size_t(std::max(1, m_cols)));
    endResetModel();
}

std::vector<GridCell> FlexGridModel::TakeBody() {
    beginResetModel();
    std::vector<GridCell> cells = std::move(m_cells);
    m_cells.clear();
    endResetModel();
    cells.clear();
    return cells;
}

void FlexGridModel::AppendRows(const std::vector<GridCell> &cells) {
    const int rows = int(cells.size() / size_t(std::max(1, m_cols)));
    if (rows == 0)
        return;
    const int first = Rows() - 1;
    beginInsertRows({}, first, first + rows - 1);
    m_cells.insert(m_cells.end(), cells.begin(), cells.begin() + ptrdiff_t(rows) * m_cols);
    endInsertRows();
}

void FlexGridModel::SetColumnKind(int col, GridCell::Kind kind) {
    if (col < 0 || col >= m_cols)
        return;
    for (size_t at = size_t(col); at < m_cells.size(); at += size_t(m_cols))
        m_cells[at].setKind(kind);
    if (Rows() > 1)
        emit dataChanged(index(0, col), index(Rows() - 2, col));
}

void FlexGridModel::SortRows(const std::vector<int> &order) {
    emit layoutAboutToBeChanged();
    std::vector<GridCell> sorted;
    sorted.reserve(m_cells.size());
    for (int from : order) {
        const auto first = m_cells.begin() + std::ptrdiff_t(from) * m_cols;
        std::move(first, first + m_cols, std::back_inserter(sorted));
    }
    m_cells = std::move(sorted);
    emit layoutChanged();
}

// ---- view ----

FlexGrid::FlexGrid(const QString &name, QWidget *parent)
    : QTableView(parent), m_model(new FlexGridModel(this)) {
    setObjectName(name);
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are chosen whole: Tab leaves the grid for the next control instead of the next cell.
    setTabKeyNavigation(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    m_letterWidths.fill(-1);
    connect(this, &QAbstractItemView::clicked, this, [this] { emit Click(); });
    // The view's own handling of these signals comes first (it was connected by setModel), so
    // the header's sections are in place by the time the widths are worked out.
    connect(m_model, &QAbstractItemModel::modelReset, this, &FlexGrid::MeasureAll);
    connect(m_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) {
                NoteChanged(QRect(QPoint(0, first), QPoint(Cols() - 1, last)));
            });
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                NoteChanged(QRect(QPoint(topLeft.column(), topLeft.row()),
                                  QPoint(bottomRight.column(), bottomRight.row())));
            });
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, &FlexGrid::FitColumns);
}

void FlexGrid::SetCols(int cols) {
    m_model->SetCols(cols);
}

int FlexGrid::Row() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void FlexGrid::SetRow(int row) {
    if (row < 1 || row >= Rows()) {
        setCurrentIndex(QModelIndex());
        return;
    }
    setCurrentIndex(m_model->index(row - 1, std::max(0, Col())));
}

int FlexGrid::Col() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

void FlexGrid::RemoveItem(int row) {
    m_model->RemoveRow(row);
}

int FlexGrid::TopRow() const {
    return Rows() > 1 ? verticalScrollBar()->value() + 1 : 0;
}

void FlexGrid::SetTopRow(int row) {
    if (Rows() > 1)
        verticalScrollBar()->setValue(std::clamp(row, 1, Rows() - 1) - 1);
}

void FlexGrid::SetColWidthChars(int col, int characters) {
    if (col < 0 || col >= Cols())
        return;
    m_leastWidths.resize(size_t(Cols()), 0);
    m_leastWidths[size_t(col)] = fontMetrics().averageCharWidth() * characters + 10;
    FitColumns();
}

void FlexGrid::SetColAlignment(int col, Qt::Alignment alignment) {
    m_model->SetColAlignment(col, alignment);
}

namespace {

// What a cell sorts by: numbers (in ten-thousandths) before text, as the grid compares them.
// Text sorts by its rank among the column's distinct texts, worked out once, so that the sort
// itself compares whole numbers only: a column of 32,767 rows holds few distinct categories.
struct SortKey {
    bool isText;
    qint64 value; // the number, or the text's rank
};

// Only text that starts like a number (or like money) can read as one; anything else need
// not be parsed, which matters for a column of 32,767 names.
bool MayBeNumber(const QString &text, const QString &currencySymbol) {
    for (const QChar c : text) {
        if (c == u' ')
            continue;
        return c.isDigit() || c == u'-' || c == u'+' || c == u'(' || c == u'.' || c == u',' ||
               c.category() == QChar::Symbol_Currency ||
               (!currencySymbol.isEmpty() && c == currencySymbol.front());
    }
    return false;
}

// The number a cell reads as, when it reads as one.
std::optional<qint64> NumberOf(const GridCell &cell, const QString &text,
                               const QString &currencySymbol) {
    switch (cell.kind()) {
    case GridCell::Integer:
        return cell.number() * 10000;
    case GridCell::Money:
    case GridCell::PlainMoney:
        return cell.number();
    case GridCell::Text:
        break;
    }
    if (!MayBeNumber(text, currencySymbol))
        return std::nullopt;
    return ScaledNumber(text, 4);
}

} // namespace

void FlexGrid::Sort(int col, SortKind kind) {
    const int body = Rows() - 1;
    if (body < 2 || col < 0 || col >= Cols())
        return;
    const QString currencySymbol = QLocale().currencySymbol();
    std::vector<SortKey> keys(static_cast<size_t>(body));
    QHash<QString, int> textIds;
    std::vector<QString> folded; // distinct texts, in one letter case
    for (int r = 1; r <= body; ++r) {
        const GridCell &cell = m_model->Cell(r, col);
        const QString text = cell.kind() == GridCell::Text ? cell.text() : QString();
        SortKey &key = keys[size_t(r - 1)];
        if (const std::optional<qint64> number = NumberOf(cell, text, currencySymbol)) {
            key = {false, *number};
        } else if (kind == NumericAscending) {
            key = {false, 0}; // text that is no number counts as nought
        } else {
            auto known = textIds.constFind(text);
            if (known == textIds.constEnd()) {
                known = textIds.insert(text, int(folded.size()));
                folded.push_back(text.toCaseFolded());
            }
            key = {true, *known};
        }
    }
    // Distinct texts in order; each text key becomes its rank.
    std::vector<int> byText(folded.size());
    for (size_t i = 0; i < byText.size(); ++i)
        byText[i] = int(i);
    std::sort(byText.begin(), byText.end(),
              [&folded](int a, int b) { return folded[size_t(a)] < folded[size_t(b)]; });
    std::vector<qint64> rank(folded.size());
    for (size_t i = 0; i < byText.size(); ++i)
        rank[size_t(byText[i])] = qint64(i);
    for (SortKey &key : keys) {
        if (key.isText)
            key.value = rank[size_t(key.value)];
    }

    std::vector<int> order(static_cast<size_t>(body));
    for (int i = 0; i < body; ++i)
        order[size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        const SortKey &x = keys[size_t(a)], &y = keys[size_t(b)];
        if (x.isText != y.isText)
            return !x.isText;
        return x.value < y.value;
    });
    m_model->SortRows(order);
}

namespace {

// Rows measured at most when many change at once: enough to learn how wide the names and
// amounts of a column run, few enough that a body of 32,767 rows loads as fast as ever.
constexpr int SampleRows = 256;

} // namespace

void FlexGrid::MeasureAll() {
    const size_t cols = size_t(Cols());
    m_cellWidths.assign(cols, 0);
    m_textColumns.assign(cols, false);
    m_leastWidths.resize(cols, 0);
    m_changedSpan = QRect();
    MeasureCells(QRect(0, 0, Cols(), Rows() - 1));
    FitColumns();
}

void FlexGrid::NoteChanged(const QRect &cells) {
    // A screen renumbering 32,767 rows changes them one cell at a time: what changed is
    // measured once the screen is done, as a sample when it is many rows.
    const bool queued = !m_changedSpan.isEmpty();
    m_changedSpan = queued ? m_changedSpan.united(cells) : cells;
    if (!queued)
        QMetaObject::invokeMethod(this, &FlexGrid::MeasureChanged, Qt::QueuedConnection);
}

void FlexGrid::MeasureChanged() {
    const QRect changed = std::exchange(m_changedSpan, QRect());
    if (MeasureCells(changed))
        FitColumns();
}

bool FlexGrid::MeasureCells(const QRect &cells) {
    const int first = std::max(0, cells.top()), last = std::min(cells.bottom(), Rows() - 2);
    const int firstCol = std::max(0, cells.left()), lastCol = std::min(cells.right(), Cols() - 1);
    if (cells.isEmpty() || first > last || firstCol > lastCol)
        return false;
    m_cellWidths.resize(size_t(Cols()), 0);
    m_textColumns.resize(size_t(Cols()), false);
    // A cell's text sits inside the focus frame's margin and the grid line.
    const int padding =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) +
        (showGrid() ? 1 : 0);
    const QString currencySymbol = QLocale().currencySymbol();
    const int count = last - first + 1;
    const int measured = std::min(count, SampleRows);
    bool wider = false;
    for (int i = 0; i < measured; ++i) {
        const int row = first + int(qint64(i) * count / measured) + 1;
        for (int c = firstCol; c <= lastCol; ++c) {
            const GridCell &cell = m_model->Cell(row, c);
            const QString text = cell.text();
            if (text.isEmpty())
                continue;
            const int width = int(std::ceil(TextWidth(text))) + padding;
            if (width > m_cellWidths[size_t(c)]) {
                m_cellWidths[size_t(c)] = width;
                wider = true;
            }
            if (!m_textColumns[size_t(c)] && cell.kind() == GridCell::Text &&
                !NumberOf(cell, text, currencySymbol)) {
                m_textColumns[size_t(c)] = true;
                wider = true;
            }
        }
    }
    return wider;
}

qreal FlexGrid::TextWidth(const QString &text) {
    // Letter by letter from a table: laying out the text of every cell measured would cost a
    // quarter of the time it takes to load the rows. Kerning draws letters together, so the
    // letters added up are never narrower than the text laid out.
    qreal width = 0;
    for (const QChar letter : text) {
        if (letter.unicode() >= m_letterWidths.size())
            return QFontMetricsF(font()).horizontalAdvance(text);
        qreal &advance = m_letterWidths[letter.unicode()];
        if (advance < 0)
            advance = QFontMetricsF(font()).horizontalAdvance(letter);
        width += advance;
    }
    return width;
}

void FlexGrid::FitColumns() {
    // Setting a width can bring a scroll bar and with it a narrower view, which fits again.
    if (m_fitting)
        return;
    m_fitting = true;
    const int cols = Cols();
    std::vector<int> widths(size_t(std::max(0, cols)), 0);
    std::vector<int> takers; // the columns that share the room left over
    int needed = 0, lastShown = -1;
    for (int c = 0; c < cols; ++c) {
        if (isColumnHidden(c))
            continue;
        const size_t at = size_t(c);
        int &width = widths[at];
        width = std::max(horizontalHeader()->sectionSizeHint(c),
                         std::max(at < m_leastWidths.size() ? m_leastWidths[at] : 0,
                                  at < m_cellWidths.size() ? m_cellWidths[at] : 0));
        needed += width;
        lastShown = c;
        if (at < m_textColumns.size() && m_textColumns[at])
            takers.push_back(c);
    }
    if (takers.empty() && lastShown >= 0)
        takers.push_back(lastShown);
    const int spare = viewport()->width() - needed;
    if (spare > 0 && !takers.empty()) {
        qint64 shared = 0;
        for (int c : takers)
            shared += widths[size_t(c)];
        // In proportion to what each needs; the last one takes what rounding left.
        int left = spare;
        for (size_t i = 0; i + 1 < takers.size(); ++i) {
            const int share =
                int(qint64(spare) * widths[size_t(takers[i])] / std::max<qint64>(1, shared));
            widths[size_t(takers[i])] += share;
            left -= share;
        }
        widths[size_t(takers.back())] += left;
    }
    for (int c = 0; c < cols; ++c) {
        if (!isColumnHidden(c) && columnWidth(c) != widths[size_t(c)])
            setColumnWidth(c, widths[size_t(c)]);
    }
    m_fitting = false;
}

void FlexGrid::resizeEvent(QResizeEvent *event) {
    QTableView::resizeEvent(event);
    FitColumns();
}

void FlexGrid::changeEvent(QEvent *event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_letterWidths.fill(-1);
        MeasureAll();
    }
}

int FlexGrid::PageRows() const {
    const int headingHeight = std::max(1, horizontalHeader()->height());
    return std::max(10, height() / headingHeight);
}

namespace {

QPointer<QWidget> HookedScreen;
QPointer<FlexGrid> HookedGrid;
int WheelRemainder = 0;

// Turns the wheel's movement into whole notches; a fine-grained wheel adds up to one.
void ScrollByNotches(int angle) {
    WheelRemainder += angle;
    while (std::abs(WheelRemainder) >= 120) {
        const int notch = WheelRemainder > 0 ? 120 : -120;
        ScrollGridByWheel(notch, HookedGrid);
        WheelRemainder -= notch;
    }
}

class WheelHook : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Wheel && watched == HookedScreen && HookedGrid) {
            ScrollByNotches(static_cast<QWheelEvent *>(event)->angleDelta().y());
            return true;
        }
        return false;
    }
};

WheelHook *Hook() {
    static WheelHook *hook = new WheelHook(qApp);
    return hook;
}

} // namespace

void FlexGrid::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && Row() >= 1 &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        emit Click();
        return;
    }
    QTableView::keyPressEvent(event);
}

void FlexGrid::wheelEvent(QWheelEvent *event) {
    if (HookedGrid != this) {
        QTableView::wheelEvent(event);
        return;
    }
    ScrollByNotches(event->angleDelta().y());
    event->accept();
}

void HookGridWheel(QWidget *screen, FlexGrid *grid) {
    UnhookGridWheel();
    HookedScreen = screen;
    HookedGrid = grid;
    WheelRemainder = 0;
    if (screen)
        screen->installEventFilter(Hook());
}

void UnhookGridWheel() {
    if (HookedScreen)
        HookedScreen->removeEventFilter(Hook());
    HookedScreen = nullptr;
    HookedGrid = nullptr;
}

void ScrollGridByWheel(int delta, FlexGrid *grid) {
    if (!grid)
        return;
    const int page = grid->PageRows();
    if (delta > 0)
        grid->SetTopRow(std::max(1, grid->TopRow() - page));
    else
        grid->SetTopRow(std::min(grid->Rows() - 1, grid->TopRow() + page));
}
