// Feeds arbitrary bytes to the CSV reader and checks that the records it reads
// are written back and read again unchanged, on lines that only go forward.
#include "history/csv.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const CsvText text = decodeCsvText(bytes);
    require(text.error.isEmpty() == (text.errorLine == 0));

    CsvReader reader(text.text);
    std::vector<QStringList> records;
    QString written;
    int lastLine = 0;
    while (const std::optional<CsvRecord> record = reader.next()) {
        require(record->line > lastLine && !record->fields.isEmpty());
        lastLine = record->line;
        records.push_back(record->fields);
        written += csvRecord(record->fields);
    }
    require(!reader.failed() || reader.errorLine() >= lastLine);

    CsvReader again(written);
    for (const QStringList &fields : records)
        require(again.next()->fields == fields);
    require(!again.next() && !again.failed());
    return 0;
}
