#pragma once
// Archives for window tests: cards built slot by slot, and the byte helpers of test_files.h
// for Qt's paths and byte arrays.

#include "core/deadline_card.h"
#include "core/slot_table.h"
#include "test_files.h"

#include <QByteArray>
#include <QString>

struct SlotValues {
    QString date, text, days = "1";
};

inline DeadlineCard cardWith(std::initializer_list<std::pair<int, SlotValues>> values)
{
    DeadlineCard card;
    for (const SlotBinding& b : kSlots)
        card.fields[b.daysField - 1] = "1";
    for (const auto& [slot, v] : values) {
        const SlotBinding& b = kSlots[slot - 1];
        card.fields[b.dateField - 1] = v.date.toStdString();
        card.fields[b.textField - 1] = v.text.toStdString();
        card.fields[b.daysField - 1] = v.days.toStdString();
    }
    return card;
}

inline QByteArray recordBytes(const DeadlineCard& card)
{
    const std::string record = card.toRecord();
    return QByteArray(record.data(), static_cast<qsizetype>(record.size()));
}

inline std::filesystem::path filePath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    writeBytes(filePath(path), std::string_view(bytes.constData(), bytes.size()));
}

inline QByteArray readBytes(const QString& path)
{
    const std::string bytes = readBytes(filePath(path));
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline DeadlineCard cardOf(const QByteArray& bytes)
{
    return DeadlineCard::fromRecord(std::string_view(bytes.constData(), bytes.size()));
}
