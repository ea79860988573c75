#include "inventory/ItemRules.h"

#include "common/NumberText.h"

std::optional<qint64> AllowedWhole(const QString &text, const WholeRule &rule,
                                   const QLocale &locale) {
    // A fraction would be rounded away without the user knowing: only whole numbers count.
    const std::optional<qint64> scaled = ScaledNumber(text, 4, locale);
    if (!scaled || *scaled % 10000 != 0 || *scaled < 0 || *scaled / 10000 > rule.Max)
        return std::nullopt;
    return *scaled / 10000;
}
