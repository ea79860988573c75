#include "base/TabOrder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QRadioButton>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

// Qt moves the Tab bit of a group's choices to the one that last had the focus, which need not
// be the one checked; which choice is a stop is settled by PassedOver instead.
bool TakesTab(const QWidget *widget) {
    return (widget->focusPolicy() & Qt::TabFocus || qobject_cast<const QRadioButton *>(widget)) &&
           !widget->focusProxy();
}

class ReadingOrder {
public:
    QList<QWidget *> Widgets;

    void Add(QWidget *widget, bool top = false) {
        if ((widget->isWindow() && !top) || m_seen.contains(widget))
            return;
        m_seen.insert(widget);
        if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            Add(tabs->tabBar());
            for (int i = 0; i < tabs->count(); ++i)
                Add(tabs->widget(i));
            return;
        }
        // A control that takes the focus is one stop, whatever it is made of inside.
        if (TakesTab(widget)) {
            Widgets << widget;
            return;
        }
        if (widget->layout())
            AddLayout(widget->layout());
        // Then what is not in the layout: frames that float over the screen when called for.
        for (QWidget *child : widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            Add(child);
    }

private:
    void AddLayout(QLayout *layout) {
        // A grid's cells go row by row, whatever order they were added in. A cell that spans
        // rows is read with the last of them: what stands to its left comes first.
        std::vector<std::tuple<int, int, int>> cells;
        for (int i = 0; i < layout->count(); ++i) {
            int row = 0, column = i, rowSpan = 1, columnSpan = 0;
            if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
                grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
                row += std::max(1, rowSpan) - 1;
            } else if (auto *form = qobject_cast<QFormLayout *>(layout)) {
                QFormLayout::ItemRole role;
                form->getItemPosition(i, &row, &role);
                column = role == QFormLayout::LabelRole ? 0 : 1;
            }
            cells.emplace_back(row, column, i);
        }
        std::sort(cells.begin(), cells.end());
        for (const auto &[row, column, i] : cells) {
            QLayoutItem *item = layout->itemAt(i);
            if (item->widget())
                Add(item->widget());
            else if (item->layout())
                AddLayout(item->layout());
        }
    }

    QSet<QWidget *> m_seen;
};

bool IsButton(const QWidget *widget) {
    return qobject_cast<const QAbstractButton *>(widget) &&
           !qobject_cast<const QCheckBox *>(widget) && !qobject_cast<const QRadioButton *>(widget);
}

} // namespace

QList<QWidget *> ReadingTabOrder(QWidget *screen) {
    ReadingOrder order;
    order.Add(screen, true);
    QList<QWidget *> stops = order.Widgets;
    std::stable_partition(stops.begin(), stops.end(), [](QWidget *w) { return !IsButton(w); });
    return stops;
}

namespace {

// A choice of a group is reached through the one checked: arrows move among the others.
bool PassedOver(const QWidget *widget) {
    const auto *choice = qobject_cast<const QRadioButton *>(widget);
    if (!choice || choice->isChecked() || !choice->autoExclusive())
        return false;
    const QList<QRadioButton *> group =
        choice->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    return std::any_of(group.begin(), group.end(), [](const QRadioButton *other) {
        return other->isChecked() && other->autoExclusive() && other->isVisible();
    });
}

} // namespace

QWidget *NextTabStop(const QList<QWidget *> &stops, QWidget *focus, bool forward) {
    const int count = int(stops.size());
    int at = -1;
    // The focus may be inside a stop, as in the line of an editable list.
    for (QWidget *w = focus; w && at < 0; w = w->parentWidget())
        at = int(stops.indexOf(w));
    if (at < 0)
        at = forward ? -1 : count;
    for (int step = 1; step <= count; ++step) {
        QWidget *candidate = stops.at(((at + (forward ? step : -step)) % count + count) % count);
        if (candidate->isVisible() && candidate->isEnabled() && TakesTab(candidate) &&
            !PassedOver(candidate))
            return candidate;
    }
    return nullptr;
}
