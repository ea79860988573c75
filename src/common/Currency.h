#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// A money amount: a signed 64-bit count of ten-thousandths, as the data files store it.
// Arithmetic stays in whole units of 1/10,000 so no amount ever drifts through a double.
class Currency {
public:
    constexpr Currency() = default;
    static constexpr Currency fromTenThousandths(qint64 value) { return Currency(value); }
    static constexpr Currency fromCents(qint64 cents) { return Currency(cents * 100); }

    constexpr qint64 tenThousandths() const { return m_value; }

    // Screen text: "$1,234.50", "(1.00)", "-3", "12.5" ... in the locale's rules.
    static std::optional<Currency> parse(const QString &text, const QLocale &locale = QLocale());

    // The locale's currency format with two decimals, as every screen and document shows money.
    QString toString(const QLocale &locale = QLocale()) const;
    // Plain decimal text without symbol or grouping and without trailing zeros ("12.5"),
    // the form in which the item grid holds amounts while it sorts them.
    QString toPlainString(const QLocale &locale = QLocale()) const;

    // The amount times a whole number, exactly; nothing when the product does not fit.
    std::optional<Currency> times(qint64 factor) const;

    friend constexpr bool operator==(Currency a, Currency b) { return a.m_value == b.m_value; }
    friend constexpr bool operator!=(Currency a, Currency b) { return a.m_value != b.m_value; }
    friend constexpr bool operator<(Currency a, Currency b) { return a.m_value < b.m_value; }

private:
    explicit constexpr Currency(qint64 value) : m_value(value) {}
    qint64 m_value = 0;
};
