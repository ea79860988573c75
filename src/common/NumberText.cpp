#include "common/NumberText.h"

#include <limits>
#include <vector>

namespace {

// The locale's digit grouping read off a formatted number: "1,234,567,890" gives 3 for the
// group before the decimal point and 3 for the others; India's "1,23,45,67,890" gives 3 and 2.
struct Grouping {
    int last = 3, others = 3;
};

Grouping GroupingOf(const QLocale &locale) {
    const QStringList parts = locale.toString(qlonglong(1234567890)).split(locale.groupSeparator());
    Grouping grouping;
    if (parts.size() >= 3) {
        grouping.last = int(parts.at(parts.size() - 1).size());
        grouping.others = int(parts.at(parts.size() - 2).size());
    }
    return grouping;
}

// Group separators count only where they stand between whole groups: "1,500" is 1500, but
// "1,50" is no amount at all rather than a mistyped 1.50 read as 150.
bool WholeGroups(const std::vector<int> &digitsBetween, const QLocale &locale) {
    if (digitsBetween.size() < 2)
        return true;
    const Grouping grouping = GroupingOf(locale);
    const int first = digitsBetween.front();
    if (first < 1 || first > grouping.others)
        return false;
    for (size_t i = 1; i + 1 < digitsBetween.size(); ++i) {
        if (digitsBetween[i] != grouping.others)
            return false;
    }
    return digitsBetween.back() == grouping.last;
}

// Strips the decorations a money amount may carry and reports the sign. What is left is
// digits, group separators and at most one decimal point.
bool StripSignAndSymbol(QString &t, bool &negative, const QLocale &locale) {
    negative = false;
    t = t.trimmed();
    const QString symbol = locale.currencySymbol();
    auto dropSymbol = [&] {
        if (symbol.isEmpty())
            return;
        if (t.startsWith(symbol))
            t = t.mid(symbol.size()).trimmed();
        else if (t.endsWith(symbol))
            t.chop(symbol.size()), t = t.trimmed();
    };
    dropSymbol();
    if (t.startsWith(u'(') && t.endsWith(u')')) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
        dropSymbol();
    }
    const QString minus = locale.negativeSign();
    const auto isMinus = [&](QChar c) { return c == u'-' || QString(c) == minus; };
    if (!t.isEmpty() && (isMinus(t.front()) || t.front() == u'+')) {
        if (negative)
            return false;
        negative = isMinus(t.front());
        t = t.mid(1).trimmed();
        dropSymbol();
    } else if (!t.isEmpty() && isMinus(t.back())) {
        if (negative)
            return false;
        negative = true;
        t.chop(1);
        t = t.trimmed();
        dropSymbol();
    }
    return !t.isEmpty();
}

// The parse behind ScaledNumber; overflow tells a number too large from text that is no number.
std::optional<qint64> ParseScaled(const QString &text, int scale, const QLocale &locale,
                                  bool &overflow) {
    overflow = false;
    QString t = text;
    bool negative = false;
    if (!StripSignAndSymbol(t, negative, locale))
        return std::nullopt;

    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    // Exact decimal arithmetic: an amount like 0.125 must round the same way every time.
    quint64 magnitude = 0;
    int fractionDigits = 0;
    bool inFraction = false, anyDigit = false;
    int roundDigit = -1;               // first digit past the scale
    bool stickyNonZero = false;        // any non-zero digit after that one
    std::vector<int> digitsBetween{0}; // whole-number digits between group separators
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c.isDigit() && c.unicode() < 128) {
            anyDigit = true;
            const int d = c.unicode() - '0';
            if (inFraction && fractionDigits >= scale) {
                if (roundDigit < 0)
                    roundDigit = d;
                else if (d != 0)
                    stickyNonZero = true;
                continue;
            }
            if (magnitude > (std::numeric_limits<quint64>::max() - d) / 10)
                overflow = true;
            magnitude = magnitude * 10 + d;
            if (inFraction)
                ++fractionDigits;
            else
                ++digitsBetween.back();
        } else if (!inFraction && t.mid(i, point.size()) == point) {
            inFraction = true;
            i += point.size() - 1;
        } else if (!inFraction && !group.isEmpty() && t.mid(i, group.size()) == group) {
            digitsBetween.push_back(0);
            i += group.size() - 1;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit || overflow || !WholeGroups(digitsBetween, locale))
        return std::nullopt;
    for (; fractionDigits < scale; ++fractionDigits) {
        if (magnitude > std::numeric_limits<quint64>::max() / 10) {
            overflow = true;
            return std::nullopt;
        }
        magnitude *= 10;
    }
    if (roundDigit > 5 || (roundDigit == 5 && (stickyNonZero || magnitude % 2 == 1)))
        ++magnitude;
    const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                   : quint64(std::numeric_limits<qint64>::max());
    if (magnitude > limit) {
        overflow = true;
        return std::nullopt;
    }
    return negative ? qint64(0 - magnitude) : qint64(magnitude);
}

} // namespace

std::optional<qint64> ScaledNumber(const QString &text, int scale, const QLocale &locale) {
    bool overflow = false;
    return ParseScaled(text, scale, locale, overflow);
}

std::optional<qint64> TextToInteger(const QString &text, qint64 min, qint64 max,
                                    IntegerError *error, const QLocale &locale) {
    bool overflow = false;
    const std::optional<qint64> value = ParseScaled(text, 0, locale, overflow);
    IntegerError result = IntegerError::None;
    if (!value)
        result = overflow ? IntegerError::OutOfRange : IntegerError::NotANumber;
    else if (*value < min || *value > max)
        result = IntegerError::OutOfRange;
    if (error)
        *error = result;
    if (result != IntegerError::None)
        return std::nullopt;
    return value;
}
