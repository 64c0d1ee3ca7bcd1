#include "log/LogRecords.h"

LogRecords::LogRecords(const QStringList &records)
{
    qsizetype characters = 0;
    for (const QString &record : records)
        characters += record.size();
    reserve(characters, records.size());
    for (const QString &record : records)
        append(record);
}

void LogRecords::reserve(qsizetype characters, qsizetype records)
{
    ends_.reserve(records);
    ownText().reserve(std::size_t(characters));
}

void LogRecords::append(QStringView record)
{
    Text &text = ownText();
    text.insert(text.end(), record.utf16(), record.utf16() + record.size());
    ends_.append(qsizetype(text.size()));
}

QStringView LogRecords::at(qsizetype index) const
{
    const qsizetype start = index == 0 ? 0 : ends_.at(index - 1);
    return QStringView(text_->data() + start, ends_.at(index) - start);
}

LogRecords::Text &LogRecords::ownText()
{
    if (!text_)
        text_ = std::make_shared<Text>();
    else if (text_.use_count() > 1)
        text_ = std::make_shared<Text>(*text_);
    return *text_;
}

QStringList LogRecords::toList() const
{
    QStringList records;
    records.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        records.append(at(i).toString());
    return records;
}
