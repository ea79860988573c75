#include "common/Currency.h"

#include "common/NumberText.h"

namespace {

QString TwoDigits(quint64 n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

std::optional<Currency> Currency::parse(const QString &text, const QLocale &locale) {
    const std::optional<qint64> value = ScaledNumber(text, 4, locale);
    if (!value)
        return std::nullopt;
    return Currency(*value);
}

QString Currency::toString(const QLocale &locale) const {
    // Round to cents, halves away from zero as printed money is rounded.
    const bool negative = m_value < 0;
    const quint64 magnitude = negative ? 0 - quint64(m_value) : quint64(m_value);
    const quint64 cents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    const QString number =
        locale.toString(qulonglong(cents / 100)) + locale.decimalPoint() + TwoDigits(cents % 100);
    // The locale's own pattern (symbol place, sign or parentheses) with our exact digits in it;
    // formatting the amount as a double would lose cents on very large amounts.
    const QString one = locale.toString(1.0, 'f', 2);
    QString pattern =
        locale.toCurrencyString(negative && cents ? -1.0 : 1.0, locale.currencySymbol(), 2);
    return pattern.replace(one, number);
}

QString Currency::toPlainString(const QLocale &locale) const {
    const bool negative = m_value < 0;
    const quint64 magnitude = negative ? 0 - quint64(m_value) : quint64(m_value);
    QString text = QString::number(magnitude / 10000);
    QString fraction = QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += locale.decimalPoint() + fraction;
    return negative ? locale.negativeSign() + text : text;
}

std::optional<Currency> Currency::times(qint64 factor) const {
    qint64 product = 0;
    if (__builtin_mul_overflow(m_value, factor, &product))
        return std::nullopt;
    return Currency(product);
}
