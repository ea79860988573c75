#pragma once

#include "common/Currency.h"

#include <QLocale>
#include <QString>

#include <optional>

// What an item may hold: the one rule that the item screen and the spreadsheet import both
// apply, so that no way in stores an item the other would refuse. A description; amounts of
// 0 or more; counts and quantities from 0 to what their field holds, in whole numbers.

struct WholeRule {
    const char *What; // the field as a refusal names it
    qint64 Max;       // the least is 0
};
inline constexpr WholeRule OnHandRule{"on-hand count", 32767};
inline constexpr WholeRule DiscountQtyRule{"discount quantity", 2147483647};
inline constexpr WholeRule ReorderAmountRule{"reorder amount", 32767};
inline constexpr WholeRule ReorderAtRule{"reorder level", 32767};

// The note of a refused negative amount.
inline const QString AmountOfZeroOrMore = QStringLiteral("Enter an amount of 0 or more");

inline bool AmountAllowed(const Currency &amount) {
    return !(amount < Currency());
}

// The whole number the text holds, in the locale's figures, when the rule allows it.
std::optional<qint64> AllowedWhole(const QString &text, const WholeRule &rule,
                                   const QLocale &locale = QLocale());
