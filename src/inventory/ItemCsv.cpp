#include "inventory/ItemCsv.h"

#include "inventory/ItemRules.h"

#include "common/Cp1252.h"
#include "common/NumberText.h"

#include <QHash>
#include <QLocale>
#include <QStringDecoder>

#include <csv.h>

#include <deque>

namespace {

enum Column {
    Description,
    Category,
    Cost,
    Price,
    OnHand,
    DiscountPrice,
    DiscountQty,
    ReorderAmount,
    ReorderAt,
    ColumnCount
};
const char *const Headings[ColumnCount] = {
    "Description",    "Category",          "Cost",           "Price",        "On Hand",
    "Discount Price", "Discount Quantity", "Reorder Amount", "Reorder Level"};
const QByteArray ByteOrderMark = "\xEF\xBB\xBF";

QByteArray Quoted(const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    QByteArray quoted(utf8.size() * 2 + 2, '\0');
    quoted.resize(qsizetype(
        csv_write(quoted.data(), size_t(quoted.size()), utf8.constData(), size_t(utf8.size()))));
    return quoted;
}

struct Record {
    int line = 0;
    QList<QByteArray> fields;
};

// What the parser hands over, field by field and row by row, with the line each row starts on.
struct Reader {
    int line = 1; // of the bytes being parsed
    Record row;
    std::vector<Record> rows;

    static void Field(void *bytes, size_t size, void *self) {
        auto *reader = static_cast<Reader *>(self);
        const QByteArray field(static_cast<const char *>(bytes), qsizetype(size));
        if (reader->row.fields.isEmpty())
            reader->row.line = reader->line - int(field.count('\n'));
        reader->row.fields << field;
    }
    static void RowEnd(int, void *self) {
        auto *reader = static_cast<Reader *>(self);
        reader->rows.push_back(std::move(reader->row));
        reader->row = Record();
    }
};

char Separator(const QByteArray &bytes) {
    const QByteArray first = bytes.left(bytes.indexOf('\n'));
    return first.count(';') > first.count(',') ? ';' : ',';
}

std::optional<std::vector<Record>> Parse(const QByteArray &bytes, char separator) {
    csv_parser parser;
    if (csv_init(&parser, 0) != 0)
        return std::nullopt;
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    Reader reader;
    bool parsed = true;
    // Line by line, so that each row knows the line it starts on.
    for (qsizetype at = 0; at < bytes.size() && parsed; ++reader.line) {
        qsizetype end = bytes.indexOf('\n', at);
        end = end < 0 ? bytes.size() : end + 1;
        const size_t size = size_t(end - at);
        parsed = csv_parse(&parser, bytes.constData() + at, size, Reader::Field, Reader::RowEnd,
                           &reader) == size;
        at = end;
    }
    --reader.line;
    parsed = parsed && csv_fini(&parser, Reader::Field, Reader::RowEnd, &reader) == 0;
    csv_free(&parser);
    if (!parsed)
        return std::nullopt;
    return std::move(reader.rows);
}

// The file's text is UTF-8, or Windows-1252 where an older program saved it so.
bool IsUtf8(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes); // decoding happens only as the text is made
    return !utf8.hasError();
}

QString FieldText(const QByteArray &field, bool utf8) {
    if (!utf8)
        return FromCp1252(field);
    // A field may begin with the mark that begins a file: it is text here.
    return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
        .decode(field);
}

// A field of the row read into the item, or the reason it cannot be.
class RowReader {
public:
    RowReader(const QStringList &fields, char separator)
        : m_fields(fields), m_separator(separator) {}

    QString Text(Column column, int width, const char *what) {
        const QString text = TrimPadding(m_fields.value(column));
        if (text.size() > width)
            Refuse(QStringLiteral("the %1 is longer than %2 characters").arg(what).arg(width));
        return text;
    }
    Currency Money(Column column, const char *what) {
        const QString text = Number(column);
        const std::optional<qint64> value =
            text.isEmpty() ? 0 : ScaledNumber(text, 4, QLocale::c());
        const Currency amount = Currency::fromTenThousandths(value.value_or(0));
        if (!value)
            Refuse(
                QStringLiteral("the %1 \"%2\" is not an amount").arg(what, m_fields.value(column)));
        else if (!AmountAllowed(amount))
            Refuse(QStringLiteral("the %1 \"%2\" is not an amount of 0 or more")
                       .arg(what, m_fields.value(column)));
        return amount;
    }
    qint64 Whole(Column column, const WholeRule &rule) {
        const QString text = Number(column);
        const std::optional<qint64> value =
            text.isEmpty() ? 0 : AllowedWhole(text, rule, QLocale::c());
        if (!value)
            Refuse(QStringLiteral("the %1 \"%2\" is not a whole number from 0 to %3")
                       .arg(QLatin1String(rule.What), m_fields.value(column))
                       .arg(rule.Max));
        return value.value_or(0);
    }
    void Refuse(const QString &reason) {
        if (m_reason.isEmpty())
            m_reason = reason;
    }
    const QString &Reason() const { return m_reason; }

private:
    // With ";" between fields the decimal separator is a comma, as such spreadsheets write it.
    QString Number(Column column) const {
        QString text = m_fields.value(column).trimmed();
        if (m_separator == ';' && text.contains(u',')) {
            text.remove(u'.');
            text.replace(u',', u'.');
        }
        return text;
    }

    const QStringList &m_fields;
    char m_separator;
    QString m_reason;
};

} // namespace

QByteArray PlainAmount(Currency amount) {
    const qint64 value = amount.tenThousandths();
    const quint64 size = value < 0 ? 0 - quint64(value) : quint64(value);
    QByteArray text = QByteArray::number(size / 10000) + '.' +
                      QByteArray::number(size % 10000).rightJustified(4, '0');
    if (text.endsWith("00"))
        text.chop(2);
    return value < 0 ? '-' + text : text;
}

QByteArray ItemsToCsv(const std::vector<ItemRecord> &items) {
    QByteArray csv = ByteOrderMark;
    for (int c = 0; c < ColumnCount; ++c)
        csv += (c ? "," : "") + Quoted(QString::fromLatin1(Headings[c]));
    csv += "\r\n";
    for (const ItemRecord &item : items) {
        csv += Quoted(item.Description) + ',' + Quoted(item.Category) + ',' +
               PlainAmount(item.Cost) + ',' + PlainAmount(item.Price) + ',' +
               QByteArray::number(item.OnHand) + ',' + PlainAmount(item.DiscountPrice) + ',' +
               QByteArray::number(item.DiscountQty) + ',' + QByteArray::number(item.ReorderAmount) +
               ',' + QByteArray::number(item.ReorderAt) + "\r\n";
    }
    return csv;
}

QByteArray TableToCsv(const QStringList &headings, const std::vector<QStringList> &rows,
                      const std::vector<bool> &numberColumns) {
    QByteArray csv = ByteOrderMark;
    auto line = [&](const QStringList &fields, bool heading) {
        for (int c = 0; c < fields.size(); ++c) {
            const bool bare = !heading && numberColumns[size_t(c)];
            csv += (c ? "," : "") + (bare ? fields[c].toUtf8() : Quoted(fields[c]));
        }
        csv += "\r\n";
    };
    line(headings, true);
    for (const QStringList &row : rows)
        line(row, false);
    return csv;
}

std::optional<ItemImport> PlanItemImport(const QByteArray &csv,
                                         const std::vector<ItemRecord> &current, QString *error) {
    const QByteArray bytes = csv.startsWith(ByteOrderMark) ? csv.mid(3) : csv;
    const char separator = Separator(bytes);
    std::optional<std::vector<Record>> records = Parse(bytes, separator);
    if (!records) {
        *error = QStringLiteral("The file could not be read as a CSV file.");
        return std::nullopt;
    }
    const bool utf8 = IsUtf8(bytes);
    const auto decode = [utf8](const QByteArray &field) { return FieldText(field, utf8); };

    // The heading row names the columns, in any order.
    int position[ColumnCount];
    std::fill(std::begin(position), std::end(position), -1);
    if (!records->empty()) {
        const Record &heading = records->front();
        for (int f = 0; f < heading.fields.size(); ++f) {
            const QString name = decode(heading.fields[f]).trimmed();
            for (int c = 0; c < ColumnCount; ++c) {
                if (position[c] < 0 &&
                    name.compare(QLatin1String(Headings[c]), Qt::CaseInsensitive) == 0)
                    position[c] = f;
            }
        }
    }
    if (std::find(std::begin(position), std::end(position), -1) != std::end(position)) {
        QStringList names;
        for (const char *heading : Headings)
            names << QString::fromLatin1(heading);
        *error = QStringLiteral("The first row of the file must name its columns: %1.")
                     .arg(names.join(QStringLiteral(", ")));
        return std::nullopt;
    }

    ItemImport plan;
    QHash<QString, std::deque<size_t>> unmatched; // items by description and category
    for (size_t k = 0; k < current.size(); ++k) {
        plan.Items.push_back({int(k) + 1, current[k]});
        unmatched[current[k].Description + u'\x1f' + current[k].Category].push_back(k);
    }
    for (size_t r = 1; r < records->size(); ++r) {
        const Record &record = (*records)[r];
        QStringList fields;
        bool empty = true;
        for (int c = 0; c < ColumnCount; ++c) {
            fields << decode(record.fields.value(position[c]));
            empty = empty && fields.back().trimmed().isEmpty();
        }
        if (empty)
            continue; // the blank rows a spreadsheet leaves at the end
        RowReader row(fields, separator);
        ItemRecord item;
        item.Description = row.Text(Description, DescriptionWidth, "description");
        item.Category = row.Text(Category, CategoryWidth, "category");
        if (item.Description.isEmpty())
            row.Refuse(QStringLiteral("the description is empty"));
        item.Cost = row.Money(Cost, "cost");
        item.Price = row.Money(Price, "price");
        item.OnHand = qint16(row.Whole(OnHand, OnHandRule));
        item.DiscountPrice = row.Money(DiscountPrice, "discount price");
        item.DiscountQty = qint32(row.Whole(DiscountQty, DiscountQtyRule));
        item.ReorderAmount = qint16(row.Whole(ReorderAmount, ReorderAmountRule));
        item.ReorderAt = qint16(row.Whole(ReorderAt, ReorderAtRule));
        std::deque<size_t> &same = unmatched[item.Description + u'\x1f' + item.Category];
        if (row.Reason().isEmpty() && same.empty() && plan.Items.size() >= MaxItemRecords)
            row.Refuse(QStringLiteral("the items file is full: it holds at most 32,767 items"));
        if (!row.Reason().isEmpty()) {
            plan.Refused.push_back({record.line, row.Reason()});
            continue;
        }
        if (same.empty()) {
            plan.Items.push_back({int(plan.Items.size()) + 1, item});
            ++plan.Added;
            continue;
        }
        ItemRecord &matched = plan.Items[same.front()].Item;
        same.pop_front();
        if (matched == item) {
            ++plan.Unchanged;
        } else {
            matched = item;
            ++plan.Updated;
        }
    }
    return plan;
}
