#pragma once

#include "base/StockHistory.h"
#include "inventory/ItemFile.h"

#include <functional>
#include <vector>

// The stock history as the screens keep it. Records that share a description and category are
// one item to the history, counted together.

// The items in file order, item k at record k + 1.
std::vector<NumberedItem> Numbered(const std::vector<ItemRecord> &items);

// The movements that take the items file from before to after, all of one kind: one for each
// item whose total on hand changed, came or went.
std::vector<Movement> CountChanges(const std::vector<ItemRecord> &before,
                                   const std::vector<NumberedItem> &after, MovementKind kind,
                                   const QString &reference = QString());

// Saves a stock change with its history: the movements written as pending, then the items file
// saved, then the movements settled. A history that cannot be kept never stops the save: the
// user is told why once it has been saved.
bool SaveWithHistory(const std::vector<Movement> &movements, const std::function<bool()> &save);

// At start-up, the history is made to agree with the items file (see StockHistory::Reconcile).
void ReconcileHistory();
