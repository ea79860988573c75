#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Reading numbers typed by the user or stored as text. The text is read with the locale's
// rules: its currency symbol, digit grouping and decimal point, a sign in front or behind, or
// parentheses for a negative amount, as the screens show money.

// The value of the text times 10^scale, rounded to a whole number with halves going to the
// even neighbour. Empty when the text is not a number or the result does not fit in 64 bits.
std::optional<qint64> ScaledNumber(const QString &text, int scale,
                                   const QLocale &locale = QLocale());

inline bool IsNumeric(const QString &text, const QLocale &locale = QLocale()) {
    return ScaledNumber(text, 0, locale).has_value();
}

enum class IntegerError { None, NotANumber, OutOfRange };

// Text to a whole number between min and max, halves to even. A value outside the range is
// refused rather than wrapped, so a record field never silently holds something else.
std::optional<qint64> TextToInteger(const QString &text, qint64 min, qint64 max,
                                    IntegerError *error = nullptr,
                                    const QLocale &locale = QLocale());

inline std::optional<qint64> TextToInt16(const QString &text, IntegerError *error = nullptr,
                                         const QLocale &locale = QLocale()) {
    return TextToInteger(text, -32768, 32767, error, locale);
}
